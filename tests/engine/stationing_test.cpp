#include <gtest/gtest.h>

#include <cmath>
#include <iomanip>
#include <random>

#include "engine/float_guard.h"
#include "engine/stationing.h"

namespace rillo {
namespace {

TEST(ParseStationText, RemovesTheFirstPlus) {
    EXPECT_EQ(ParseStation("12+34.500"), "1234.500");
    EXPECT_EQ(ParseStation("2+00.000"), "200.000");
    EXPECT_EQ(ParseStation("+50"), "50");
    EXPECT_DOUBLE_EQ(StationValue("0+00.000"), 0.0);
    EXPECT_DOUBLE_EQ(StationValue("+50"), 50.0);
    // Only the standard form reads as hundreds and remainder.
    EXPECT_DOUBLE_EQ(StationValue("1+5"), 15.0);
    EXPECT_THROW(ParseStation("200"), ComputationError);
    EXPECT_THROW(StationValue("1 +00"), ComputationError);
    EXPECT_THROW(StationValue("a+00"), ComputationError);
}

struct FormatCase {
    double value;
    const char* text;
};

class FormatStationCases : public ::testing::TestWithParam<FormatCase> {};

TEST_P(FormatStationCases, WritesStationingNotation) {
    EXPECT_EQ(FormatStation(GetParam().value).text, GetParam().text) << GetParam().value;
}

INSTANTIATE_TEST_SUITE_P(
    Values, FormatStationCases,
    ::testing::Values(FormatCase{0, "0+00.000"}, FormatCase{5.25, "0+05.250"}, FormatCase{12.5, "0+12.500"},
                      FormatCase{123.4567, "1+23.457"}, FormatCase{1234.5, "12+34.500"},
                      FormatCase{99.9996, "1+00.000"}, FormatCase{-150, "-1+50.000"},
                      FormatCase{-1000, "-10+00.000"}, FormatCase{1000, "10+00.000"},
                      FormatCase{528.1285, "5+28.129"},
                      // Between -100 and 0 the sign stands in front, so the text reads back as written.
                      FormatCase{-5, "-0+05.000"}, FormatCase{-50.5, "-0+50.500"},
                      FormatCase{-99.9996, "-1+00.000"},
                      // Texts longer than the usual buffer.
                      FormatCase{1e30, "10000000000000000000000000000+00.000"},
                      FormatCase{-1e30, "-10000000000000000000000000000+00.000"}));

TEST(FormatStationRoundTrip, EveryTextReadsBackAsItsRoundedValue) {
    for (double v : {-1234.5678, -150.0, -99.5, -5.0, -0.25, 0.0, 0.0625, 7.0, 99.9996, 528.1285, 123456.789}) {
        FormattedStation s = FormatStation(v);
        EXPECT_DOUBLE_EQ(StationValue(s.text), s.roundedValue) << s.text;
        EXPECT_LE(std::fabs(s.roundedValue - v), 0.0005 + 1e-12) << s.text;
    }
}

TEST(FormatStationRoundTrip, TheRoundedValueIsExactlyTheTextsValueAtAnyMagnitude) {
    std::mt19937_64 random(16);
    std::uniform_real_distribution<double> mantissa(-10.0, 10.0);
    std::uniform_int_distribution<int> exponent(-4, 16);
    for (int i = 0; i < 100000; ++i) {
        double v = mantissa(random) * std::pow(10.0, exponent(random));
        if (i % 3 == 0) v = std::round(v * 2000.0) / 2000.0;  // halves of the last decimal
        if (i % 7 == 0) v = static_cast<float>(v);
        const FormattedStation s = FormatStation(v);
        ASSERT_EQ(s.roundedValue, StationValue(s.text)) << std::setprecision(17) << v << " " << s.text;
    }
}

TEST(ReachLengthOfStations, IsTheDistanceEitherWay) {
    EXPECT_DOUBLE_EQ(ReachLength("2+00.000", "0+00.000").length, 200.0);
    EXPECT_DOUBLE_EQ(ReachLength("0+00.000", "2+00.000").length, 200.0);
    EXPECT_DOUBLE_EQ(ReachLength("1+00.000", "1+00.000").length, 0.0);
}

TEST(ReachLengthOfStations, NamesTheStationWithoutItsPlus) {
    ReachLengthResult start = ReachLength("200", "2+00.000");
    EXPECT_EQ(start.problem, StationProblem::StartNotInNotation);
    EXPECT_EQ(start.length, 0.0);
    // The end station is not examined once the start is refused.
    EXPECT_EQ(ReachLength("200", "junk").problem, StationProblem::StartNotInNotation);
    EXPECT_EQ(ReachLength("0+00.000", "200").problem, StationProblem::EndNotInNotation);
}

TEST(StationNotation, OnlyTheStandardFormIsAStation) {
    // A text that the mere removal of "+" would read as another number
    // ("10+5" as 105) is refused with the notation message, not guessed.
    const std::pair<const char*, bool> cases[] = {
        {"10+05", true},   {"10+05.5", true}, {"-1+50.000", true}, {"0+00.", true},   {"123456+78.9", true},
        {"10+5", false},   {"1+5", false},    {"+05", false},      {"10+005", false}, {"0+0a", false},
        {"1+00+00", false}, {" 1+00", false}, {"1+00 ", false},    {"--1+00", false}, {"1+00.5e3", false},
        {"1.5+00", false}, {"", false},       {"+1+00", false},    {"1+0", false},    {"1+00.-5", false},
    };
    for (const auto& [text, standard] : cases) EXPECT_EQ(IsStandardStation(text), standard) << text;
    EXPECT_EQ(CheckStationNotation("10+5", "20+00"), StationProblem::StartNotInNotation);
    EXPECT_EQ(CheckStationNotation("0+00", "1+5"), StationProblem::EndNotInNotation);
    EXPECT_EQ(CheckStationNotation("0+00", "1+05"), StationProblem::None);
    EXPECT_THROW(ReachLength("10+5", "20+00"), ComputationError);
    EXPECT_DOUBLE_EQ(ReachLength("10+05", "-1+50.5").length, 1155.5);
}

TEST(StationNotationText, FiveLinesJoinedByCrLf) {
    EXPECT_EQ(StationNotationMessage(StationProblem::EndNotInNotation),
              "The end station needs to be entered in standard \r\n"
              "stationing notation, without spaces. \r\n\r\n"
              "For example, a 200 meter channel would start at station 0+00.000 \r\n"
              "and end at station 2+00.000");
    EXPECT_EQ(StationNotationMessage(StationProblem::StartNotInNotation).rfind("The start station needs", 0), 0u);
}

}  // namespace
}  // namespace rillo
