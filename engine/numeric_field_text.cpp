#include "engine/numeric_field_text.h"

#include <cfloat>
#include <cmath>
#include <optional>

#include "engine/blank_characters.h"
#include "engine/float_guard.h"
#include "engine/numeric_text.h"

namespace rillo {

namespace {

std::string_view TrimBlanks(std::string_view s) {
    while (!s.empty() && IsBlank(s.front(), Blanks::AndLineEnds)) s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back(), Blanks::AndLineEnds)) s.remove_suffix(1);
    return s;
}

// A whole number whose value a single-precision field can hold. Texts past
// that range would only fail later, when Compute reads them.
bool IsNumberInSingleRange(std::string_view s) {
    try {
        std::optional<double> value = ParseWholeNumber(s);
        return value && std::isfinite(*value) && std::fabs(*value) <= FLT_MAX;
    } catch (const ComputationError&) {
        return false;  // an exponent past the double range
    }
}

bool IsSignAndPeriodBeginning(std::string_view s) {
    if (!s.empty() && (s.front() == '-' || s.front() == '+')) s.remove_prefix(1);
    return s.empty() || s == ".";
}

// "1.5E", "-2e-", ".5E+": a mantissa with the start of its exponent.
bool IsExponentBeginning(std::string_view s) {
    if (!s.empty() && (s.back() == '-' || s.back() == '+')) s.remove_suffix(1);
    if (s.empty() || (s.back() != 'E' && s.back() != 'e')) return false;
    s.remove_suffix(1);
    bool plainMantissa = s.find_first_of("Ee \t\n\r") == std::string_view::npos;
    return plainMantissa && IsNumberInSingleRange(s);
}

}  // namespace

bool IsAcceptableNumericText(std::string_view text) {
    std::string_view s = TrimBlanks(text);
    return IsSignAndPeriodBeginning(s) || IsExponentBeginning(s) || IsNumberInSingleRange(s);
}

namespace {

// A whole number, or a mantissa with the start of its exponent, beyond what a
// single-precision value holds.
bool IsNumberTooLarge(std::string_view s) {
    std::string_view mantissa = s;
    if (!mantissa.empty() && (mantissa.back() == '-' || mantissa.back() == '+')) mantissa.remove_suffix(1);
    if (!mantissa.empty() && (mantissa.back() == 'E' || mantissa.back() == 'e')) {
        mantissa.remove_suffix(1);
        if (mantissa.find_first_of("Ee") == std::string_view::npos) s = mantissa;
    }
    try {
        std::optional<double> value = ParseWholeNumber(s);
        return value && !(std::fabs(*value) <= FLT_MAX);
    } catch (const ComputationError&) {
        return true;  // an exponent past the double range
    }
}

}  // namespace

const char* NumericTextRefusal(std::string_view text, bool minusAllowed) {
    if (!IsAcceptableNumericText(text)) {
        return IsNumberTooLarge(TrimBlanks(text)) ? kNumberTooLargeText : kOnlyNumbersText;
    }
    if (!minusAllowed && StartsWithMinus(text)) return kGreaterThanZeroText;
    return nullptr;
}

bool StartsWithMinus(std::string_view text) {
    std::string_view s = TrimBlanks(text);
    return !s.empty() && s.front() == '-';
}

}  // namespace rillo
