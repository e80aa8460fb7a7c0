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

// The message a numeric field gives for `text`, or nullptr when it takes it:
// kOnlyNumbersText for a text that is no number, kGreaterThanZeroText for a
// minus sign in a field that takes none. Every front end that fills a
// numeric field from a text runs it through here, so that no refused text is
// ever read as a guess by the leading-number rule.
const char* NumericFieldRefusal(std::string_view text, bool minusAllowed);

}  // namespace rillo
