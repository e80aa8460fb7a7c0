#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace rillo {

// Reads a number by the leading-number rule: blanks (spaces, tabs, line feeds)
// are skipped anywhere, then the longest leading part that forms a decimal
// number (sign, digits, one period, optional exponent) is read; a text with no
// leading number reads as 0. The period is the decimal separator in every locale.
double ReadLeadingNumber(std::string_view text);

// The same, kept as a single-precision value; a number past the float range
// throws ComputationError (an overflow).
float ReadLeadingSingle(std::string_view text);

// Whether the text has a leading number to read, so that reading it as 0 is
// not merely the absence of a number.
bool HasLeadingNumber(std::string_view text);

// Reads a text that must be a number as a whole (surrounding blanks allowed);
// returns nothing for any other text, the empty text included.
std::optional<double> ParseWholeNumber(std::string_view text);

// Whether the whole text, blanks and all, is one decimal number of the form
// above ("-1.5", "+2e-3"); never reads it, so any length is safe.
bool IsDecimalNumberText(std::string_view text);

// Like ParseWholeNumber, but a text that is not a number is a run-time error
// (ComputationError).
double ReadWholeNumber(std::string_view text);

// The number with a fixed count of decimals, rounded half away from zero on
// its 15-significant-digit decimal form: at least one digit before the point,
// no digit grouping. FormatFixed(0.0625, 3) is "0.063". A non-finite value
// throws ComputationError, so no "inf" or "nan" text can reach a view.
std::string FormatFixed(double value, int decimals);

// "0.000": the form of every computed number the program shows, saves and
// prints; FormatFixed(value, 3), with a shorter way for the common magnitudes.
std::string FormatFixed3(double value);

// The shortest text of a single-precision number: up to seven significant
// digits, no trailing zeros, a leading "0" before the point ("1000", "0.013",
// "-0.5"), exponent form ("1.5E+08") for very large or small magnitudes.
std::string ShortestNumber(float value);

}  // namespace rillo
