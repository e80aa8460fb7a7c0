#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "documents/format/profile_file_reader.h"
#include "tests/cli/cli_runner.h"

namespace rillo::testing {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> CrlfLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find("\r\n", start);
        if (end == std::string::npos) end = text.size();
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

fs::path SaveTemporary(const std::string& name, const std::string& text) {
    fs::path path = fs::path(::testing::TempDir()) / name;
    std::ofstream(path, std::ios::binary) << text;
    return path;
}

TEST(ProfileFileCli, FloFormatWritesTheProgramsFile) {
    CliRun run = RunRilloCli(With(kWorkedExample, {"--format", "flo"}));
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    ASSERT_EQ(run.out.substr(run.out.size() - 2), "\r\n");
    std::vector<std::string> lines = CrlfLines(run.out);
    ASSERT_EQ(lines.size(), 9u + 16u);
    EXPECT_EQ(lines[0], "TRAPEZOIDAL CHANNEL");
    EXPECT_EQ(lines[1], "English Units");
    EXPECT_EQ(lines[2], "Trapezoidal Channel");
    EXPECT_EQ(lines[4],
              "1000          100           10            0.013         0.001         1.329         2");
    EXPECT_EQ(lines[6], "1.721         23.138        1.329         16.817        subcritical");
    EXPECT_EQ(lines[9],
              "10+00.000     1.329         1.878         16.817        5.946         15.315        28.857");
    EXPECT_EQ(lines[24],
              "0+00.000      1.702         2.000         22.808        4.384         16.807        31.379");
}

TEST(ProfileFileCli, FloFileOpensWithTheTextsTheProfileCommandShows) {
    const std::vector<std::string> args = {"profile", "--shape",  "circular", "--units",    "si",
                                           "--start", "1+00.000", "--end",    "3+50.000",   "--flow",
                                           "1.5",     "--width",  "1.2",      "--n",        "0.013",
                                           "--slope", "0.02",     "--name",   "Culvert C-7"};
    CliRun flo = RunRilloCli(With(args, {"--format", "flo"}));
    ASSERT_EQ(flo.status, 0) << flo.err;
    ProfileReadResult read = ReadProfileText(flo.out);
    ASSERT_TRUE(read.ok()) << read.reason;
    const ProfileDocument& d = read.document;
    EXPECT_EQ(d.channelType, ChannelType::Circular);
    EXPECT_EQ(d.unitSystem, UnitSystem::SI);
    EXPECT_EQ(d.channelName, "Culvert C-7");
    EXPECT_EQ(d.startStation, "1+00.000");
    EXPECT_EQ(d.endStation, "3+50.000");
    EXPECT_EQ(d.flowrate, "1.5");
    EXPECT_EQ(d.widthOrDiameter, "1.2");

    CliRun tsv = RunRilloCli(With(args, {"--format", "tsv"}));
    ASSERT_EQ(tsv.status, 0);
    std::vector<std::string> lines = Lines(tsv.out);
    EXPECT_EQ(lines[2], "critical_depth\t" + d.summary.criticalDepth);
    EXPECT_EQ(lines[4], "flow_type\t" + d.summary.flowType);
    EXPECT_EQ(lines[6], "control_depth\t" + d.controlDepth);
    ASSERT_EQ(lines.size(), 8u + d.table.size());
    for (std::size_t i = 0; i < d.table.size(); ++i) {
        std::vector<std::string> cells = Fields(lines[8 + i]);
        for (std::size_t c = 0; c < 7; ++c) EXPECT_EQ(d.table[i].cells[c], cells[c]) << i << " " << c;
    }
}

TEST(ProfileFileCli, NothingToWriteWithoutAProfileOrAWidth) {
    CliRun failed = RunRilloCli(With(kWorkedExample, {"--width", "0", "--side", "0", "--format", "flo"}));
    EXPECT_EQ(failed.status, 1);
    EXPECT_EQ(failed.out, "");
    EXPECT_NE(failed.err.find("Invalid Channel Geometry"), std::string::npos);

    std::vector<std::string> triangle = {"profile", "--end",    "10+00.000", "--flow", "100",
                                         "--n",     "0.013",    "--slope",   "0.001",  "--side",
                                         "2",       "--format", "flo"};
    CliRun blankWidth = RunRilloCli(triangle);
    EXPECT_EQ(blankWidth.status, 2);
    EXPECT_EQ(blankWidth.out, "");
    EXPECT_NE(blankWidth.err.find("--width"), std::string::npos);
    EXPECT_EQ(RunRilloCli(With(triangle, {"--width", "0"})).status, 0);
}

TEST(ShowCommand, PrintsAFilesSummaryAndTableAsTsv) {
    CliRun flo = RunRilloCli(With(kWorkedExample, {"--format", "flo", "--name", "Mill race"}));
    ASSERT_EQ(flo.status, 0);
    fs::path path = SaveTemporary("show_worked_example.flo", flo.out);

    CliRun shown = RunRilloCli({"show", path.string(), "--format", "tsv"});
    ASSERT_EQ(shown.status, 0) << shown.err;
    CliRun computed = RunRilloCli(With(kWorkedExample, {"--format", "tsv"}));
    std::vector<std::string> a = Lines(shown.out), b = Lines(computed.out);
    ASSERT_EQ(a.size(), b.size());
    for (std::size_t i = 0; i < 8; ++i) {
        // The profile type is not stored in a file.
        EXPECT_EQ(a[i], i == 5 ? "profile_type\t" : b[i]) << i;
    }
    for (std::size_t i = 8; i < a.size(); ++i) {
        std::vector<std::string> fileCells = Fields(a[i]), computedCells = Fields(b[i]);
        ASSERT_EQ(fileCells.size(), 11u);
        for (std::size_t c = 0; c < 11; ++c) EXPECT_EQ(fileCells[c], c < 7 ? computedCells[c] : "") << i;
    }
}

TEST(ShowCommand, TextLayoutIsTitledWithTheChannelName) {
    CliRun flo =
        RunRilloCli(With(kWorkedExample, {"--format", "flo", "--name", "Mill race", "--units", "si"}));
    fs::path path = SaveTemporary("show_text.flo", flo.out);
    CliRun shown = RunRilloCli({"show", path.string()});
    ASSERT_EQ(shown.status, 0) << shown.err;
    std::vector<std::string> lines = Lines(shown.out);
    EXPECT_EQ(lines[0], "Mill race (SI units)");
    EXPECT_NE(shown.out.find("Normal depth, m:"), std::string::npos);
}

TEST(ShowCommand, RefusedFilesExitTwoWithTheProgramsMessage) {
    CliRun missing = RunRilloCli({"show", "/nonexistent/reach.flo"});
    EXPECT_EQ(missing.status, 2);
    EXPECT_EQ(missing.out, "");
    EXPECT_NE(missing.err.find("File cannot be opened."), std::string::npos);

    fs::path wrongCase = SaveTemporary("show_wrong_case.flo", "Trapezoidal Channel\r\nEnglish Units\r\n");
    CliRun unknown = RunRilloCli({"show", wrongCase.string()});
    EXPECT_EQ(unknown.status, 2);
    EXPECT_NE(unknown.err.find("Unknown channel type. Cannot open file."), std::string::npos);

    EXPECT_EQ(RunRilloCli({"show"}).status, 2);
}

}  // namespace
}  // namespace rillo::testing
