#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <iomanip>
#include <random>

#include "engine/float_guard.h"
#include "engine/numeric_text.h"

namespace rillo {
namespace {

struct LeadingCase {
    const char* text;
    double value;
};

class LeadingNumber : public ::testing::TestWithParam<LeadingCase> {};

TEST_P(LeadingNumber, ReadsTheLongestLeadingNumber) {
    EXPECT_DOUBLE_EQ(ReadLeadingNumber(GetParam().text), GetParam().value) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(Texts, LeadingNumber,
                         ::testing::Values(LeadingCase{"", 0}, LeadingCase{"abc", 0}, LeadingCase{"-", 0},
                                           LeadingCase{".", 0}, LeadingCase{"-.", 0}, LeadingCase{"12.5", 12.5},
                                           LeadingCase{"12.5ft", 12.5}, LeadingCase{"1.2.3", 1.2},
                                           LeadingCase{" 1 2 ", 12}, LeadingCase{"\t-0.002", -0.002},
                                           LeadingCase{".5", 0.5}, LeadingCase{"5.", 5}, LeadingCase{"+7", 7},
                                           LeadingCase{"1E3", 1000}, LeadingCase{"2.5e-4", 0.00025},
                                           LeadingCase{"1e", 1}, LeadingCase{"1e+", 1}, LeadingCase{"1,5", 1},
                                           LeadingCase{"1e-400", 0}));

TEST(LeadingNumberRule, IgnoresTheProcessLocale) {
    // Qt programs run with the user's locale; a comma locale must not change reading.
    const char* previous = std::setlocale(LC_NUMERIC, "de_DE.UTF-8");
    EXPECT_DOUBLE_EQ(ReadLeadingNumber("0.013"), 0.013);
    EXPECT_EQ(FormatFixed3(1.5), "1.500");
    if (previous) std::setlocale(LC_NUMERIC, "C");
}

TEST(LeadingNumberRule, ANumberPastTheSingleRangeIsAnOverflow) {
    EXPECT_THROW(ReadLeadingSingle("1e39"), ComputationError);
    EXPECT_THROW(ReadLeadingNumber("1e400"), ComputationError);
    EXPECT_FLOAT_EQ(ReadLeadingSingle("3e38"), 3e38f);
}

TEST(WholeNumber, AcceptsOnlyACompleteNumber) {
    EXPECT_EQ(ParseWholeNumber(" 1234.500 "), 1234.5);
    EXPECT_EQ(ParseWholeNumber("-005.000"), -5.0);
    EXPECT_FALSE(ParseWholeNumber(""));
    EXPECT_FALSE(ParseWholeNumber("1 00"));
    EXPECT_FALSE(ParseWholeNumber("12a"));
    EXPECT_THROW(ReadWholeNumber("abc"), ComputationError);
}

struct FixedCase {
    double value;
    const char* text;
};

class FixedThreeDecimals : public ::testing::TestWithParam<FixedCase> {};

TEST_P(FixedThreeDecimals, RoundsHalfAwayFromZero) {
    EXPECT_EQ(FormatFixed3(GetParam().value), GetParam().text) << GetParam().value;
}

INSTANTIATE_TEST_SUITE_P(
    Values, FixedThreeDecimals,
    ::testing::Values(FixedCase{0.0625, "0.063"}, FixedCase{-0.0625, "-0.063"}, FixedCase{0, "0.000"},
                      FixedCase{1.0, "1.000"}, FixedCase{0.0005, "0.001"}, FixedCase{0.00049, "0.000"},
                      FixedCase{999.9996, "1000.000"}, FixedCase{123456789.12345, "123456789.123"},
                      FixedCase{1.3285, "1.329"}, FixedCase{2.675, "2.675"}, FixedCase{1e-9, "0.000"},
                      // A single-precision value is rounded by its own value: 16.8165f is 16.81649971.
                      FixedCase{double(16.8165f), "16.816"}, FixedCase{1e20, "100000000000000000000.000"},
                      // What rounds to zero shows no sign, on the fast path and the slow one.
                      FixedCase{-0.0004, "0.000"}, FixedCase{-0.0, "0.000"}, FixedCase{-1e-30, "0.000"},
                      FixedCase{-0.0005, "-0.001"},
                      // Either side of the short way's limits: tiny magnitudes, 10^6.
                      FixedCase{1e-13, "0.000"}, FixedCase{-5e-324, "0.000"}, FixedCase{999999.9994, "999999.999"},
                      FixedCase{999999.9996, "1000000.000"}, FixedCase{-1000000.0005, "-1000000.001"}));

TEST(FixedDecimals, OtherCountsOfDecimals) {
    EXPECT_EQ(FormatFixed(0.000123456, 5), "0.00012");
    EXPECT_EQ(FormatFixed(0.000125, 5), "0.00013");
    EXPECT_EQ(FormatFixed(2.5, 0), "3");
}

TEST(FixedDecimals, NeverWritesInfOrNan) {
    EXPECT_THROW(FormatFixed3(std::numeric_limits<double>::infinity()), ComputationError);
    EXPECT_THROW(FormatFixed3(std::numeric_limits<double>::quiet_NaN()), ComputationError);
}

TEST(FixedDecimals, SixDecimalsOfALargeNumberDoNotWrapAround) {
    EXPECT_EQ(FormatFixed(98765432109876.5, 6), "98765432109876.500000");
    EXPECT_EQ(FormatFixed(-123456789012345.0, 5), "-123456789012345.00000");
    EXPECT_EQ(FormatFixed(0.5, 6), "0.500000");
}

TEST(ShortestNumberText, SevenSignificantDigitsWithoutTrailingZeros) {
    EXPECT_EQ(ShortestNumber(1000.0f), "1000");
    EXPECT_EQ(ShortestNumber(0.013f), "0.013");
    EXPECT_EQ(ShortestNumber(-0.5f), "-0.5");
    EXPECT_EQ(ShortestNumber(0.0f), "0");
    EXPECT_EQ(ShortestNumber(1.3285f), "1.3285");
    EXPECT_EQ(ShortestNumber(87.655f), "87.655");
    EXPECT_EQ(ShortestNumber(1.5e8f), "1.5E+08");
    EXPECT_EQ(ShortestNumber(1e-7f), "1E-07");
    // Reads back to the same single-precision value.
    EXPECT_EQ(ReadLeadingSingle(ShortestNumber(0.1234567f)), 0.1234567f);
}

}  // namespace
}  // namespace rillo

namespace rillo {
namespace {

// An independent reference: the value's 15 significant digits from printf,
// then rounded half away from zero to three decimals in decimal arithmetic.
std::string ReferenceFixed3(double v) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.14e", std::fabs(v));
    std::string mantissa = std::string(1, buf[0]) + std::string(buf + 2, 14);
    int exponent = std::atoi(std::strchr(buf, 'e') + 1);
    // value = 0.mantissa * 10^(exponent + 1); scale to thousandths.
    int point = exponent + 1 + 3;  // digits before the cut
    std::string kept = point <= 0 ? "" : mantissa.substr(0, std::min<std::size_t>(point, 15));
    while (static_cast<int>(kept.size()) < point) kept += '0';
    bool up = point >= 0 && point < 15 && mantissa[static_cast<std::size_t>(point)] >= '5';
    long long n = kept.empty() ? 0 : std::stoll(kept);
    if (up) ++n;
    std::string digits = std::to_string(n);
    while (digits.size() < 4) digits.insert(digits.begin(), '0');
    // What rounds to zero carries no sign.
    return (std::signbit(v) && n != 0 ? "-" : "") + digits.substr(0, digits.size() - 3) + "." + digits.substr(digits.size() - 3);
}

TEST(FixedDecimals, AgreesWithTheDecimalReferenceOverManyMagnitudes) {
    std::mt19937_64 random(20261207);
    std::uniform_real_distribution<double> mantissa(1.0, 10.0);
    std::uniform_int_distribution<int> exponent(-8, 11);
    for (int i = 0; i < 200000; ++i) {
        double v = mantissa(random) * std::pow(10.0, exponent(random));
        if (i % 2) v = static_cast<float>(v);     // the values the views show are mostly floats
        if (i % 3 == 0) v = std::round(v * 1e4) / 1e4;  // and decimal-looking ones, with ties
        if (i % 7 == 0) v = std::nextafter(std::round(v * 1e4) / 1e4, i % 2 ? 0.0 : 1e300);  // a tie's neighbours
        if (i % 5 == 0) v = -v;
        ASSERT_EQ(FormatFixed3(v), ReferenceFixed3(v)) << std::setprecision(17) << v;
    }
}

}  // namespace
}  // namespace rillo
