#include "documents/format/profile_file_reader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "documents/format/profile_file_writer.h"

namespace rillo {
namespace {

std::string Crlf(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    return text;
}

// A small trapezoidal file of three rows, as the writer lays it out.
std::vector<std::string> TrapezoidLines() {
    return {
        "TRAPEZOIDAL CHANNEL",
        "English Units",
        "Mill race",
        "Length        Discharge     Diameter      Manning's n   Slope         Control Depth Side Slope",
        "1000          100           10            0.013         0.001         1.329         2",
        "Normal Depth  XSec Area     Crit. Depth   XSec Area     Flow Type",
        "1.721         23.138        1.329         16.817        subcritical",
        "",
        "Station       Depth         Energy        Area          Velocity      Top Width     Momentum",
        "10+00.000     1.329         1.878         16.817        5.946         15.315        28.857",
        "5+28.129      1.694         1.996         22.686        4.408         16.777        31.287",
        "0+00.000      1.702         2.000         22.808        4.384         16.807        31.379",
    };
}

std::vector<std::string> CircularLines() {
    return {
        "CIRCULAR CHANNEL",
        "SI Units",
        "Culvert",
        "Length        Discharge     Diameter      Manning's n   Slope         Control Depth               ",
        "250           10            2             0.013         0.02          0.8           ",
        "Normal Depth  XSec Area     Crit. Depth   XSec Area     Flow Type",
        "0.672         0.879         1.131         1.833         supercritical",
        "",
        "Station       Depth         Energy        Area          Velocity      Top Width     Momentum",
        "0+00.000      0.800         3.100         1.100         9.091         1.833         10.000",
        "2+50.000      0.700         3.500         0.950         10.526        1.800         11.000",
    };
}

TEST(ProfileFileReaderTest, ReadsEveryTextOfATrapezoidalFile) {
    ProfileReadResult r = ReadProfileText(Crlf(TrapezoidLines()));
    ASSERT_TRUE(r.ok()) << r.reason;
    const ProfileDocument& d = r.document;
    EXPECT_EQ(d.channelType, ChannelType::Trapezoidal);
    EXPECT_EQ(d.unitSystem, UnitSystem::English);
    EXPECT_EQ(d.channelName, "Mill race");
    EXPECT_EQ(d.flowrate, "100");
    EXPECT_EQ(d.widthOrDiameter, "10");
    EXPECT_EQ(d.manningN, "0.013");
    EXPECT_EQ(d.bottomSlope, "0.001");
    EXPECT_EQ(d.controlDepth, "1.329");
    EXPECT_EQ(d.sideSlopeOrHeight, "2");
    EXPECT_EQ(d.summary.normalDepth, "1.721");
    EXPECT_EQ(d.summary.normalArea, "23.138");
    EXPECT_EQ(d.summary.criticalDepth, "1.329");
    EXPECT_EQ(d.summary.criticalArea, "16.817");
    EXPECT_EQ(d.summary.flowType, "subcritical");
    EXPECT_EQ(d.summary.profileType, "");
    ASSERT_EQ(d.table.size(), 3u);
    EXPECT_EQ(d.table[1].cells[kStationColumn], "5+28.129");
    EXPECT_EQ(d.table[1].cells[kMomentumColumn], "31.287");
    for (const ProfileRow& row : d.table) {
        for (int c = kFroudeColumn; c < kProfileColumnCount; ++c) EXPECT_EQ(row.cells[c], "");
    }
    // Subcritical: the table runs from the end station back to the start station.
    EXPECT_EQ(d.startStation, "0+00.000");
    EXPECT_EQ(d.endStation, "10+00.000");
}

TEST(ProfileFileReaderTest, CircularFileReadsSixNumbersAndFormatsTheControlDepth) {
    ProfileReadResult r = ReadProfileText(Crlf(CircularLines()));
    ASSERT_TRUE(r.ok()) << r.reason;
    EXPECT_EQ(r.document.channelType, ChannelType::Circular);
    EXPECT_EQ(r.document.unitSystem, UnitSystem::SI);
    EXPECT_EQ(r.document.controlDepth, "0.800");
    EXPECT_EQ(r.document.sideSlopeOrHeight, "");
    // Supercritical: first row at the start station, last at the end station.
    EXPECT_EQ(r.document.startStation, "0+00.000");
    EXPECT_EQ(r.document.endStation, "2+50.000");
}

TEST(ProfileFileReaderTest, LineFeedsAloneAndLeadingBlanksInTheHeaderAreAccepted) {
    std::vector<std::string> lines = TrapezoidLines();
    lines[0] = "   TRAPEZOIDAL CHANNEL";
    std::string text;
    for (const std::string& line : lines) text += line + "\n";
    ProfileReadResult r = ReadProfileText(text);
    ASSERT_TRUE(r.ok()) << r.reason;
    EXPECT_EQ(r.document.channelName, "Mill race");
    EXPECT_EQ(r.document.table.size(), 3u);
}

TEST(ProfileFileReaderTest, LastLineNeedsNoLineEndAndTrailingBlankLinesAreNoRows) {
    std::string text = Crlf(TrapezoidLines());
    ProfileReadResult withoutEnd = ReadProfileText(text.substr(0, text.size() - 2));
    ASSERT_TRUE(withoutEnd.ok());
    EXPECT_EQ(withoutEnd.document.table.size(), 3u);
    ProfileReadResult withBlanks = ReadProfileText(text + "\r\n   \r\n\r\n");
    ASSERT_TRUE(withBlanks.ok());
    EXPECT_EQ(withBlanks.document.table.size(), 3u);
    EXPECT_EQ(withBlanks.document.startStation, "0+00.000");
}

struct HeaderCase {
    const char* line1;
    ProfileReadStatus status;
};

class HeaderTest : public ::testing::TestWithParam<HeaderCase> {};

TEST_P(HeaderTest, OnlyTheFourHeadersInCapitalsAreAccepted) {
    std::vector<std::string> lines = TrapezoidLines();
    lines[0] = GetParam().line1;
    ProfileReadResult r = ReadProfileText(Crlf(lines));
    EXPECT_EQ(r.status, GetParam().status);
    if (!r.ok()) {
        EXPECT_EQ(r.document.channelName, ProfileDocument{}.channelName);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Headers, HeaderTest,
    ::testing::Values(HeaderCase{"TRAPEZOIDAL CHANNEL", ProfileReadStatus::Read},
                      HeaderCase{"ELONGATED CIRCULAR", ProfileReadStatus::Read},
                      HeaderCase{"Trapezoidal Channel", ProfileReadStatus::UnknownChannelType},
                      HeaderCase{"TRAPEZOIDAL CHANNEL ", ProfileReadStatus::UnknownChannelType},
                      HeaderCase{"RECTANGULAR CHANNEL", ProfileReadStatus::UnknownChannelType},
                      HeaderCase{"", ProfileReadStatus::UnknownChannelType}));

TEST(ProfileFileReaderTest, AnyUnitsLineButEnglishUnitsMeansSI) {
    for (const char* units : {"SI Units", "english units", "Metric", ""}) {
        std::vector<std::string> lines = TrapezoidLines();
        lines[1] = units;
        ProfileReadResult r = ReadProfileText(Crlf(lines));
        ASSERT_TRUE(r.ok()) << units;
        EXPECT_EQ(r.document.unitSystem, UnitSystem::SI) << units;
    }
}

TEST(ProfileFileReaderTest, MissingNormalDepthComesBackAsDashes) {
    std::vector<std::string> lines = TrapezoidLines();
    lines[6] = "----          ----          1.329         16.817        subcritical";
    ProfileReadResult r = ReadProfileText(Crlf(lines));
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(r.document.summary.normalDepth, "----");
    EXPECT_EQ(r.document.summary.normalArea, "----");
    // A zero also stands for a missing value.
    lines[6] = "0             0.000         1.329         16.817        subcritical";
    r = ReadProfileText(Crlf(lines));
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(r.document.summary.normalDepth, "----");
    EXPECT_EQ(r.document.summary.normalArea, "----");
    EXPECT_EQ(r.document.summary.criticalDepth, "1.329");
}

TEST(ProfileFileReaderTest, OlderFilesWithPlainStationsAndDirectionWords) {
    std::vector<std::string> lines = TrapezoidLines();
    lines[6] = "1.721         23.138        1.329         16.817        downstream";
    lines[9] = " 1000         1.329         1.878         16.817        5.946         15.315        28.857";
    lines[10] = " 528.1289     1.694         1.996         22.686        4.408         16.777        31.287";
    lines[11] = " 0            1.702         2             22.808        4.384         16.807        31.379";
    ProfileReadResult r = ReadProfileText(Crlf(lines));
    ASSERT_TRUE(r.ok()) << r.reason;
    EXPECT_EQ(r.document.summary.flowType, "subcritical");
    EXPECT_EQ(r.document.table[0].cells[kStationColumn], "10+00.000");
    EXPECT_EQ(r.document.table[1].cells[kStationColumn], "5+28.129");
    EXPECT_EQ(r.document.table[2].cells[kStationColumn], "0+00.000");
    EXPECT_EQ(r.document.table[2].cells[kSpecificEnergyColumn], "2.000");
    EXPECT_EQ(r.document.startStation, "0+00.000");
    EXPECT_EQ(r.document.endStation, "10+00.000");

    lines[6] = "1.721         23.138        1.329         16.817        upstream";
    r = ReadProfileText(Crlf(lines));
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(r.document.summary.flowType, "supercritical");
}

TEST(ProfileFileReaderTest, StationsOfAProfileThatStoppedShortComeFromTheReachLength) {
    // A mild reach of 50+00.000 whose table ends after the depth range, at 45+10.500.
    std::vector<std::string> lines = TrapezoidLines();
    lines[4] = "5000          100           10            0.013         0.001         1.329         2";
    lines[9] = "50+00.000     1.329         1.878         16.817        5.946         15.315        28.857";
    lines[10] = "47+00.000     1.694         1.996         22.686        4.408         16.777        31.287";
    lines[11] = "45+10.500     1.702         2.000         22.808        4.384         16.807        31.379";
    ProfileReadResult r = ReadProfileText(Crlf(lines));
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(r.document.startStation, "0+00.000");
    EXPECT_EQ(r.document.endStation, "50+00.000");

    // Supercritical from 1+00.000 over 250: the end station is 3+50.000.
    lines[6] = "0.672         0.879         1.131         1.833         supercritical";
    lines[4] = "250           100           10            0.013         0.001         1.329         2";
    lines[9] = "1+00.000      1.329         1.878         16.817        5.946         15.315        28.857";
    lines[10] = "1+20.000      1.694         1.996         22.686        4.408         16.777        31.287";
    lines[11] = "1+40.250      1.702         2.000         22.808        4.384         16.807        31.379";
    r = ReadProfileText(Crlf(lines));
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(r.document.startStation, "1+00.000");
    EXPECT_EQ(r.document.endStation, "3+50.000");
}

TEST(ProfileFileReaderTest, TableCellsAreReadAsNumbersInTheirOwnForm) {
    std::vector<std::string> lines = TrapezoidLines();
    lines[10] = "5+28.129      1.69400       2     22.686  4.408  16.777   -0";
    ProfileReadResult r = ReadProfileText(Crlf(lines));
    ASSERT_TRUE(r.ok()) << r.reason;
    EXPECT_EQ(r.document.table[1].cells[kDepthColumn], "1.694");
    EXPECT_EQ(r.document.table[1].cells[kSpecificEnergyColumn], "2.000");
    EXPECT_EQ(r.document.table[1].cells[kMomentumColumn], "0.000");
}

TEST(ProfileFileReaderTest, WindowsCodePageNamesAreKept) {
    std::vector<std::string> lines = TrapezoidLines();
    lines[2] = "Canal de l\xE9vis \x96 tron\xE7on 2";  // Windows-1252
    ProfileReadResult r = ReadProfileText(Crlf(lines));
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(r.document.channelName, "Canal de l\u00E9vis \u2013 tron\u00E7on 2");

    lines[2] = "Canal de l\u00E9vis";  // UTF-8, behind a byte-order mark
    r = ReadProfileText("\xEF\xBB\xBF" + Crlf(lines));
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(r.document.channelName, "Canal de l\u00E9vis");
}

TEST(ProfileFileReaderTest, NinetyEightRowsFillTheTableAndOneMoreIsRefused) {
    std::vector<std::string> lines = TrapezoidLines();
    lines.resize(9);
    lines[6] = "0.672         0.879         1.131         1.833         supercritical";
    const std::string cells = "       1.0  2.0  3.0  4.0  5.0  6.0";
    for (int i = 0; i < 98; ++i) lines.push_back(std::to_string(i) + "+00.000" + cells);
    ProfileReadResult r = ReadProfileText(Crlf(lines));
    ASSERT_TRUE(r.ok()) << r.reason;
    EXPECT_EQ(r.document.table.size(), 98u);
    EXPECT_EQ(r.document.endStation, "97+00.000");
    lines.push_back("98+00.000" + cells);
    r = ReadProfileText(Crlf(lines));
    EXPECT_EQ(r.status, ProfileReadStatus::CannotOpen);
    EXPECT_EQ(r.reason, "more data rows than the table's 98");
    EXPECT_TRUE(r.document.table.empty());
}

struct BrokenCase {
    const char* name;
    int line;  // 0-based line to replace, or -1 to cut the file after `keep` lines
    std::string text;
    std::size_t keep = 0;
    const char* reason = nullptr;  // when given, the reason names the line
};

class BrokenFileTest : public ::testing::TestWithParam<BrokenCase> {};

TEST_P(BrokenFileTest, EndsInCannotOpenWithAnEmptyDocument) {
    const BrokenCase c = GetParam();
    std::vector<std::string> lines = TrapezoidLines();
    if (c.line >= 0) {
        lines[static_cast<std::size_t>(c.line)] = c.text;
    } else {
        lines.resize(c.keep);
    }
    ProfileReadResult r = ReadProfileText(Crlf(lines));
    EXPECT_EQ(r.status, ProfileReadStatus::CannotOpen) << r.reason;
    EXPECT_FALSE(r.reason.empty());
    if (c.reason) {
        EXPECT_EQ(r.reason, c.reason);
    }
    const ProfileDocument empty;
    EXPECT_EQ(r.document.channelName, empty.channelName);
    EXPECT_EQ(r.document.flowrate, "");
    EXPECT_EQ(r.document.summary.criticalDepth, "");
    EXPECT_TRUE(r.document.table.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Broken, BrokenFileTest,
    ::testing::Values(BrokenCase{"OnlyTheHeader", -1, "", 1}, BrokenCase{"NoInputsLine", -1, "", 4},
                      BrokenCase{"NoSummary", -1, "", 6}, BrokenCase{"NoTableHeading", -1, "", 8},
                      BrokenCase{"SixNumbersForATrapezoid", 4, "1000  100  10  0.013  0.001  1.329", 0,
                                 "line 5 holds 6 numbers instead of 7"},
                      BrokenCase{"WordForANumber", 4, "1000  100  ten  0.013  0.001  1.329  2", 0,
                                 "line 5: \"ten\" is not a number"},
                      BrokenCase{"NumberPastSinglePrecision", 4, "1000  1e39  10  0.013  0.001  1.329  2"},
                      BrokenCase{"NumberPastDoublePrecision", 4, "1000  1e999  10  0.013  0.001  1.329  2"},
                      BrokenCase{"SummaryWord", 6, "deep  23.138  1.329  16.817  subcritical", 0,
                                 "line 7: \"deep\" is not a number"},
                      BrokenCase{"SummaryShort", 6, "1.721  23.138"},
                      BrokenCase{"StationWord", 10, "middle  1.694  1.996  22.686  4.408  16.777  31.287", 0,
                                 "line 11: \"middle\" is not a number"},
                      BrokenCase{"CellPastSinglePrecision", 10, "5+28.129  1.694  4e38"},
                      // Table cells that are no numbers, and rows cut short.
                      BrokenCase{"NotANumberCell", 10, "5+28.129  nan  1.996  22.686  4.408  16.777  31.287", 0,
                                 "line 11: \"nan\" is not a number"},
                      BrokenCase{"InfiniteCell", 10, "5+28.129  1.694  1.996  22.686  4.408  16.777  inf", 0,
                                 "line 11: \"inf\" is not a number"},
                      BrokenCase{"HexadecimalCell", 10, "5+28.129  1.694  0x10  22.686  4.408  16.777  31.287",
                                 0, "line 11: \"0x10\" is not a number"},
                      BrokenCase{"StationThatIsNoNumber", 10, "5+nan  1.694  1.996  22.686  4.408  16.777  31.287",
                                 0, "line 11: \"5+nan\" is not a station"},
                      BrokenCase{"RowWithACellMissing", 11, "0+00.000  1.702  2.000  22.808  4.384  16.807", 0,
                                 "line 12 holds 6 values instead of 7"},
                      BrokenCase{"RowOfAStationAlone", 11, "0+00.000", 0, "line 12 holds 1 values instead of 7"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ProfileFileReaderTest, EmptyAndBinaryInputsAreRefused) {
    EXPECT_EQ(ReadProfileText("").status, ProfileReadStatus::CannotOpen);
    EXPECT_EQ(ReadProfileText("\r\n").status, ProfileReadStatus::UnknownChannelType);
    EXPECT_EQ(ReadProfileText(std::string("\0\xFF\xFE\x01\x80", 5)).status,
              ProfileReadStatus::UnknownChannelType);
    std::string longLine = "TRAPEZOIDAL CHANNEL\n" + std::string(1 << 20, 'x');
    EXPECT_EQ(ReadProfileText(longLine).status, ProfileReadStatus::CannotOpen);
    EXPECT_EQ(ReadProfileText(std::string(kMaxProfileFileBytes + 1, ' ')).status,
              ProfileReadStatus::CannotOpen);
}

TEST(ProfileFileReaderTest, FileThatIsMissingOrAFolderCannotBeOpened) {
    EXPECT_EQ(ReadProfileFile("/nonexistent/folder/profile.flo").status, ProfileReadStatus::CannotOpen);
    EXPECT_EQ(ReadProfileFile(::testing::TempDir()).status, ProfileReadStatus::CannotOpen);
}

}  // namespace
}  // namespace rillo
