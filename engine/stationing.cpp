#include "engine/stationing.h"

#include <cmath>
#include <cstring>

#include "engine/float_guard.h"
#include "engine/numeric_text.h"

namespace rillo {

std::string ParseStation(std::string_view station) {
    std::size_t plus = station.find('+');
    if (plus == std::string_view::npos) throw ComputationError("Invalid procedure call or argument");
    std::string result(station.substr(0, plus));
    result += station.substr(plus + 1);
    return result;
}

double StationValue(std::string_view station) { return ReadWholeNumber(ParseStation(station)); }

FormattedStation FormatStation(double value) {
    if (value == 0.0) return {"0+00.000", 0.0};
    const std::string t = FormatFixed3(value);  // [-]whole.fff
    const bool negative = t.front() == '-';
    const std::string_view whole(t.data() + negative, t.size() - negative - 4);
    const std::string_view fraction(t.data() + t.size() - 4, 4);  // ".fff"

    // The value the text reads back as: its digits over 1000, exact up to 15
    // digits (the quotient is correctly rounded, as reading the text is).
    double rounded;
    if (whole.size() + 3 <= 15) {
        long long thousandths = 0;
        for (char c : t) {
            if (c >= '0' && c <= '9') thousandths = thousandths * 10 + (c - '0');
        }
        rounded = static_cast<double>(thousandths) / 1000.0;
        if (negative) rounded = -rounded;
    } else {
        rounded = ReadWholeNumber(t);
    }

    // Hundreds, "+", two whole digits; between -100 and 0 the sign goes in
    // front of a zero hundreds. Put together in a buffer (at most three
    // characters longer than the number's text) and made a string once.
    char small[32];
    std::string large;
    char* const begin = t.size() + 3 <= sizeof small ? small : (large.resize(t.size() + 3), large.data());
    char* out = begin;
    auto put = [&out](std::string_view part) {
        std::memcpy(out, part.data(), part.size());
        out += part.size();
    };
    if (negative) *out++ = '-';
    if (whole.size() <= 2) {
        put(whole.size() == 1 ? "0+0" : "0+");
        put(whole);
    } else {
        put(whole.substr(0, whole.size() - 2));
        *out++ = '+';
        put(whole.substr(whole.size() - 2));
    }
    put(fraction);
    return {StationText(begin, out), rounded};
}

bool IsStandardStation(std::string_view s) {
    auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
    std::size_t i = !s.empty() && s.front() == '-' ? 1 : 0;
    const std::size_t hundreds = i;
    while (i < s.size() && isDigit(s[i])) ++i;
    if (i == hundreds || i + 3 > s.size() || s[i] != '+' || !isDigit(s[i + 1]) || !isDigit(s[i + 2])) return false;
    i += 3;
    if (i == s.size()) return true;
    if (s[i] != '.') return false;
    while (++i < s.size()) {
        if (!isDigit(s[i])) return false;
    }
    return true;
}

StationProblem CheckStationNotation(std::string_view start, std::string_view end) {
    if (!IsStandardStation(start)) return StationProblem::StartNotInNotation;
    if (!IsStandardStation(end)) return StationProblem::EndNotInNotation;
    return StationProblem::None;
}

ReachLengthResult ReachLength(std::string_view start, std::string_view end) {
    if (start.find('+') == std::string_view::npos) return {0.0, StationProblem::StartNotInNotation};
    if (end.find('+') == std::string_view::npos) return {0.0, StationProblem::EndNotInNotation};
    // A "+" in another form ("10+5", "1 +00") would read as another number.
    if (!IsStandardStation(start) || !IsStandardStation(end)) {
        throw ComputationError("Invalid procedure call or argument");
    }
    return {std::fabs(StationValue(end) - StationValue(start)), StationProblem::None};
}

std::string StationNotationMessage(StationProblem problem) {
    const char* which = problem == StationProblem::EndNotInNotation ? "end" : "start";
    return std::string("The ") + which +
           " station needs to be entered in standard \r\n"
           "stationing notation, without spaces. \r\n"
           "\r\n"
           "For example, a 200 meter channel would start at station 0+00.000 \r\n"
           "and end at station 2+00.000";
}

}  // namespace rillo
