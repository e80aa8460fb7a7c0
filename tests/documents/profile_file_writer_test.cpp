#include "documents/format/profile_file_writer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "documents/format/print_zones.h"
#include "engine/float_guard.h"
#include "tests/support/sample_profiles.h"

namespace rillo {
namespace {

using testing::ComputeSampleDocument;
using testing::SampleTexts;
using testing::WorkedExampleTexts;

struct ZoneCase {
    std::vector<std::string_view> items;
    std::string line;
};

class PrintZoneTest : public ::testing::TestWithParam<ZoneCase> {};

TEST_P(PrintZoneTest, LaysItemsOutInZonesOfFourteen) {
    EXPECT_EQ(JoinInPrintZones(GetParam().items), GetParam().line);
}

INSTANTIATE_TEST_SUITE_P(Zones, PrintZoneTest,
                         ::testing::Values(ZoneCase{{"a"}, "a"}, ZoneCase{{"a", "b"}, "a             b"},
                                           // An item of 13 characters leaves one blank before the next zone.
                                           ZoneCase{{"Control Depth", "x"}, "Control Depth x"},
                                           // One that fills its zone pushes the next item a whole zone on.
                                           ZoneCase{{"12345678901234", "x"},
                                                    "12345678901234" + std::string(14, ' ') + "x"},
                                           ZoneCase{{"", "x"}, std::string(14, ' ') + "x"},
                                           // An empty last item still moves to its zone.
                                           ZoneCase{{"a", ""}, "a" + std::string(13, ' ')}));

TEST(ProfileFileWriterTest, WorkedExampleHasTheFileLayoutLineByLine) {
    ProfileDocument d =
        ComputeSampleDocument(WorkedExampleTexts(), ChannelType::Trapezoidal, UnitSystem::English);
    const std::vector<std::string> expected = {
        "TRAPEZOIDAL CHANNEL",
        "English Units",
        "Trapezoidal Channel",
        "Length        Discharge     Diameter      Manning's n   Slope         Control Depth Side Slope",
        "1000          100           10            0.013         0.001         1.329         2",
        "Normal Depth  XSec Area     Crit. Depth   XSec Area     Flow Type",
        "1.721         23.138        1.329         16.817        subcritical",
        "",
        "Station       Depth         Energy        Area          Velocity      Top Width     Momentum",
        "10+00.000     1.329         1.878         16.817        5.946         15.315        28.857",
        "9+99.417      1.355         1.879         17.218        5.808         15.419        28.871",
        "9+97.539      1.381         1.881         17.623        5.675         15.524        28.912",
        "9+94.140      1.407         1.885         18.030        5.546         15.628        28.980",
        "9+88.936      1.433         1.890         18.439        5.423         15.733        29.074",
        "9+81.562      1.459         1.896         18.852        5.305         15.837        29.193",
        "9+71.538      1.485         1.904         19.267        5.190         15.942        29.336",
        "9+58.216      1.512         1.912         19.684        5.080         16.046        29.502",
        "9+40.688      1.538         1.922         20.105        4.974         16.151        29.692",
        "9+17.629      1.564         1.932         20.528        4.871         16.255        29.904",
        "8+86.987      1.590         1.944         20.954        4.772         16.360        30.139",
        "8+45.336      1.616         1.956         21.383        4.677         16.464        30.394",
        "7+86.282      1.642         1.968         21.814        4.584         16.569        30.671",
        "6+95.558      1.668         1.982         22.249        4.495         16.673        30.969",
        "5+28.129      1.694         1.996         22.686        4.408         16.777        31.287",
        "0+00.000      1.702         2.000         22.808        4.384         16.807        31.379",
    };
    EXPECT_EQ(ProfileFileLines(d), expected);

    std::string text;
    for (const std::string& line : expected) text += line + "\r\n";
    EXPECT_EQ(ProfileFileText(d), text);
}

TEST(ProfileFileWriterTest, CircularLinesEndInTheBlanksOfTheirEmptySideItem) {
    ProfileDocument d =
        ComputeSampleDocument(SampleTexts(ChannelType::Circular), ChannelType::Circular, UnitSystem::SI);
    d.sideSlopeOrHeight = "7";  // hidden for a circular channel: never written
    std::vector<std::string> lines = ProfileFileLines(d);
    ASSERT_GE(lines.size(), 10u);
    EXPECT_EQ(lines[0], "CIRCULAR CHANNEL");
    EXPECT_EQ(lines[1], "SI Units");
    EXPECT_EQ(lines[2], "Circular Channel");
    EXPECT_EQ(lines[3],
              "Length        Discharge     Diameter      Manning's n   Slope         Control Depth ");
    EXPECT_EQ(lines[4], JoinInPrintZones({"250", "5", "2", "0.013", "0.001", d.controlDepth, ""}));
    EXPECT_EQ(lines[4].size(), 84u);
}

struct SideCase {
    ChannelType shape;
    const char* sideText;
    const char* heading;
    const char* value;
};

class SideItemTest : public ::testing::TestWithParam<SideCase> {};

TEST_P(SideItemTest, SideHeadingAndValueFollowTheShape) {
    const SideCase c = GetParam();
    ProfileDocument d = ComputeSampleDocument(SampleTexts(c.shape), c.shape, UnitSystem::English);
    d.sideSlopeOrHeight = c.sideText;
    std::vector<std::string> lines = ProfileFileLines(d);
    EXPECT_EQ(lines[3].substr(84), c.heading);
    EXPECT_EQ(lines[4].substr(84), c.value);
}

INSTANTIATE_TEST_SUITE_P(Shapes, SideItemTest,
                         ::testing::Values(SideCase{ChannelType::Trapezoidal, "1.5", "Side Slope", "1.5"},
                                           // An empty side-slope field is saved as "0".
                                           SideCase{ChannelType::Trapezoidal, "", "Side Slope", "0"},
                                           SideCase{ChannelType::ElongatedCircular, "", "Side Height", "0"},
                                           SideCase{ChannelType::ElongatedCircular, "1", "Side Height", "1"},
                                           SideCase{ChannelType::UShaped, "3", "", ""}));

TEST(ProfileFileWriterTest, TableEndsAtTheFirstRowWithoutStation) {
    ProfileDocument d =
        ComputeSampleDocument(WorkedExampleTexts(), ChannelType::Trapezoidal, UnitSystem::English);
    d.table[3].cells[kStationColumn].clear();
    EXPECT_EQ(ProfileFileLines(d).size(), 9u + 3u);
}

TEST(ProfileFileWriterTest, ReachLengthIsTheShortestFormOfTheStationDistance) {
    ProfileDocument d =
        ComputeSampleDocument(WorkedExampleTexts(), ChannelType::Trapezoidal, UnitSystem::English);
    d.startStation = "0+12.500";
    d.endStation = "1+00.000";
    EXPECT_EQ(ProfileFileLines(d)[4].substr(0, 14), "87.5          ");
    // A station without "+" has been reported to the user already; the length reads 0.
    d.startStation = "12";
    EXPECT_EQ(ProfileFileLines(d)[4].substr(0, 14), "0             ");
    d.startStation = "1 +00";
    EXPECT_THROW(ProfileFileLines(d), ComputationError);
}

TEST(ProfileFileWriterTest, LineFeedInTheNameCannotSplitTheLine) {
    ProfileDocument d =
        ComputeSampleDocument(WorkedExampleTexts(), ChannelType::Trapezoidal, UnitSystem::English);
    d.channelName = "Reach 1\nReach 2";
    std::vector<std::string> lines = ProfileFileLines(d);
    EXPECT_EQ(lines[2], "Reach 1 Reach 2");
    EXPECT_EQ(lines.size(), 9u + d.table.size());
}

}  // namespace
}  // namespace rillo
