#pragma once

#include <string_view>

namespace rillo {

// Whether a numeric field may hold `text`: a whole number that fits a
// single-precision value (optional sign, digits with at most one period, an
// optional exponent, surrounding blanks allowed), or a number still being
// typed: "", "-", "+", ".", "-.", "+.", or a mantissa followed by "E", "E-"
// or "E+". Whatever it accepts reads sensibly by the leading-number rule.
bool IsAcceptableNumericText(std::string_view text);

// Whether the text starts, after blanks, with a minus sign: what a field that
// takes no minus refuses when the sign is typed.
bool StartsWithMinus(std::string_view text);

// The messages of a refused field text, titled "Input Error".
inline constexpr const char* kInputErrorTitle = "Input Error";
inline constexpr const char* kOnlyNumbersText = "Only numbers can be used in this field.";
inline constexpr const char* kGreaterThanZeroText = "Please use a number greater than zero.";
inline constexpr const char* kNumberTooLargeText = "This number is too large.";

// Why a field refuses `text`, or nullptr when it takes it: a number past the
// single-precision range is too large, any other text that is not acceptable
// is no number, and a leading minus is refused where `minusAllowed` is false.
// The one rule of every numeric field, in the windows and on the command
// line: no refused text is ever read as a guess by the leading-number rule.
const char* NumericTextRefusal(std::string_view text, bool minusAllowed);

}  // namespace rillo
