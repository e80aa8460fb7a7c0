#include "engine/stationing.h"

#include <cmath>

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
    std::string t = FormatFixed3(value);
    double rounded = ReadWholeNumber(t);

    std::size_t point = t.find('.');
    std::string w = t.substr(0, point);
    std::string f = t.substr(point + 1);
    while (f.size() < 3) f.push_back('0');

    std::string hundreds;
    std::string remainder;
    if (w.front() == '-' && w.size() <= 3) {
        // Between -100 and 0: the sign goes in front of a zero hundreds.
        std::string digits = w.substr(1);
        if (digits.size() < 2) digits.insert(digits.begin(), '0');
        hundreds = "-0";
        remainder = digits;
    } else if (w.size() == 1) {
        hundreds = "0";
        remainder = "0" + w;
    } else if (w.size() == 2) {
        hundreds = "0";
        remainder = w;
    } else {
        hundreds = w.substr(0, w.size() - 2);
        remainder = w.substr(w.size() - 2);
    }
    return {hundreds + "+" + remainder + "." + f, rounded};
}

ReachLengthResult ReachLength(std::string_view start, std::string_view end) {
    if (start.find('+') == std::string_view::npos) return {0.0, StationProblem::StartWithoutPlus};
    if (end.find('+') == std::string_view::npos) return {0.0, StationProblem::EndWithoutPlus};
    return {std::fabs(StationValue(end) - StationValue(start)), StationProblem::None};
}

std::string StationNotationMessage(StationProblem problem) {
    const char* which = problem == StationProblem::EndWithoutPlus ? "end" : "start";
    return std::string("The ") + which +
           " station needs to be entered in standard \r\n"
           "stationing notation, without spaces. \r\n"
           "\r\n"
           "For example, a 200 meter channel would start at station 0+00.000 \r\n"
           "and end at station 2+00.000";
}

}  // namespace rillo
