#include "engine/numeric_text.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>

#include "engine/float_guard.h"

namespace rillo {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n'; }

// Length of the longest prefix of s that is a decimal number, 0 if none.
std::size_t NumberPrefixLength(std::string_view s) {
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    std::size_t digits = 0;
    while (i < s.size() && IsDigit(s[i])) ++i, ++digits;
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && IsDigit(s[i])) ++i, ++digits;
    }
    if (digits == 0) return 0;
    std::size_t mantissaEnd = i;
    if (i < s.size() && (s[i] == 'E' || s[i] == 'e')) {
        std::size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
        std::size_t expDigits = 0;
        while (j < s.size() && IsDigit(s[j])) ++j, ++expDigits;
        if (expDigits > 0) return j;
    }
    return mantissaEnd;
}

// Converts a text already known to be a number of the form above.
double ConvertNumber(std::string_view s) {
    if (!s.empty() && s.front() == '+') s.remove_prefix(1);
    double value = 0.0;
    auto [ptr, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
    if (ec == std::errc::result_out_of_range) {
        // Huge exponents overflow; tiny ones are simply zero.
        std::size_t e = s.find_first_of("Ee");
        bool negativeExponent = e != std::string_view::npos && e + 1 < s.size() && s[e + 1] == '-';
        if (negativeExponent) return 0.0;
        throw ComputationError("Overflow");
    }
    if (ec != std::errc() || ptr != s.data() + s.size()) return 0.0;
    return value;
}

}  // namespace

double ReadLeadingNumber(std::string_view text) {
    std::string compact;
    compact.reserve(text.size());
    for (char c : text) {
        if (!IsBlank(c)) compact.push_back(c);
    }
    std::size_t n = NumberPrefixLength(compact);
    if (n == 0) return 0.0;
    return ConvertNumber(std::string_view(compact).substr(0, n));
}

float ReadLeadingSingle(std::string_view text) { return ToSingle(ReadLeadingNumber(text)); }

std::optional<double> ParseWholeNumber(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && (IsBlank(text.back()) || text.back() == '\r')) text.remove_suffix(1);
    if (text.empty() || NumberPrefixLength(text) != text.size()) return std::nullopt;
    return ConvertNumber(text);
}

double ReadWholeNumber(std::string_view text) {
    std::optional<double> value = ParseWholeNumber(text);
    if (!value) throw ComputationError("Type mismatch");
    return *value;
}

std::string FormatFixed(double value, int decimals) {
    if (!std::isfinite(value)) throw ComputationError("Overflow");
    bool negative = std::signbit(value);
    double magnitude = std::fabs(value);

    // 15 significant digits, as the program's number formatting sees a value.
    char buf[64];
    auto res = std::to_chars(buf, buf + sizeof buf, magnitude, std::chars_format::scientific, 14);
    std::string sci(buf, res.ptr);
    std::size_t ePos = sci.find('e');
    std::string digits = sci.substr(0, 1) + sci.substr(2, ePos - 2);  // 15 digits
    int exponent = std::atoi(sci.c_str() + ePos + 1);

    // Place the digits on a fixed grid: integer part and `decimals` decimals.
    // The digit at index k has weight 10^(exponent - k).
    int keep = exponent + 1 + decimals;  // digits that survive the rounding
    std::string kept;
    bool roundUp = false;
    if (keep < 0) {
        kept = "";
    } else {
        kept = digits.substr(0, static_cast<std::size_t>(std::min<int>(keep, 15)));
        if (keep < 15) roundUp = digits[static_cast<std::size_t>(keep)] >= '5';
        while (static_cast<int>(kept.size()) < keep) kept.push_back('0');
    }
    if (roundUp) {
        int i = static_cast<int>(kept.size()) - 1;
        while (i >= 0 && kept[static_cast<std::size_t>(i)] == '9') kept[static_cast<std::size_t>(i--)] = '0';
        if (i >= 0) {
            ++kept[static_cast<std::size_t>(i)];
        } else {
            kept.insert(kept.begin(), '1');
        }
    }
    // kept now holds the value times 10^decimals as a whole number.
    while (static_cast<int>(kept.size()) < decimals + 1) kept.insert(kept.begin(), '0');
    std::string whole = kept.substr(0, kept.size() - static_cast<std::size_t>(decimals));
    std::string fraction = kept.substr(kept.size() - static_cast<std::size_t>(decimals));
    std::size_t firstNonZero = whole.find_first_not_of('0');
    whole = firstNonZero == std::string::npos ? "0" : whole.substr(firstNonZero);

    std::string out = negative ? "-" : "";
    out += whole;
    if (decimals > 0) out += "." + fraction;
    return out;
}

std::string ShortestNumber(float value) {
    if (!std::isfinite(value)) throw ComputationError("Overflow");
    if (value == 0.0f) return "0";
    char buf[64];
    auto res = std::to_chars(buf, buf + sizeof buf, static_cast<double>(value),
                             std::chars_format::general, 7);
    std::string text(buf, res.ptr);
    std::size_t e = text.find('e');
    if (e == std::string::npos) return text;
    // Exponent form as "1.5E+08".
    std::string mantissa = text.substr(0, e);
    int exponent = std::atoi(text.c_str() + e + 1);
    std::string exp = std::to_string(std::abs(exponent));
    if (exp.size() < 2) exp.insert(exp.begin(), '0');
    return mantissa + "E" + (exponent < 0 ? "-" : "+") + exp;
}

}  // namespace rillo
