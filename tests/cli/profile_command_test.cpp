#include <gtest/gtest.h>

#include "engine/stationing.h"
#include "tests/cli/cli_runner.h"

namespace rillo::testing {
namespace {

TEST(ProfileCommand, WorkedExampleAsTsv) {
    CliRun run = RunRilloCli(With(kWorkedExample, {"--format", "tsv"}));
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    std::vector<std::string> lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 7u + 1u + 16u);
    const std::vector<std::string> summary = {
        "normal_depth\t1.721",   "normal_area\t23.138",     "critical_depth\t1.329", "critical_area\t16.817",
        "flow_type\tsubcritical", "profile_type\tmild, M-2", "control_depth\t1.329"};
    for (std::size_t i = 0; i < summary.size(); ++i) EXPECT_EQ(lines[i], summary[i]);
    EXPECT_EQ(lines[7], "");
    EXPECT_EQ(lines[8], "10+00.000\t1.329\t1.878\t16.817\t5.946\t15.315\t28.857\t1.000\t0.549\t1.055\t15.942");
    EXPECT_EQ(lines[23], "0+00.000\t1.702\t2.000\t22.808\t4.384\t16.807\t31.379\t0.663\t0.299\t1.295\t17.610");

    std::vector<std::string> row2 = Fields(lines[9]);
    ASSERT_EQ(row2.size(), 11u);
    EXPECT_NEAR(StationValue(row2[0]), 999.417, 0.002);
    EXPECT_EQ(Fields(lines[9]), (std::vector<std::string>{row2[0], "1.355", "1.879", "17.218", "5.808", "15.419",
                                                           "28.871", "0.969", "0.524", "1.072", "16.059"}));
    std::vector<std::string> row15 = Fields(lines[22]);
    EXPECT_NEAR(StationValue(row15[0]), 528.128, 0.002);
    EXPECT_EQ(row15[1], "1.694");
    EXPECT_EQ(row15[10], "17.577");
}

TEST(ProfileCommand, TextLayoutShowsHeadingsUnitsAndSummary) {
    CliRun run = RunRilloCli(kWorkedExample);
    ASSERT_EQ(run.status, 0);
    EXPECT_NE(run.out.find("Normal depth, ft:     1.721"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("Profile type:         mild, M-2"), std::string::npos);
    EXPECT_NE(run.out.find("Energy, ft"), std::string::npos);
    EXPECT_NE(run.out.find("10+00.000  1.329"), std::string::npos);

    CliRun si = RunRilloCli(With(kWorkedExample, {"--units", "si"}));
    EXPECT_NE(si.out.find("Normal depth, m:"), std::string::npos);
    EXPECT_NE(si.out.find("Width, m"), std::string::npos);
    EXPECT_NE(si.out.find("m^3"), std::string::npos);
}

TEST(ProfileCommand, RefusedInputsExitTwoNamingTheOption) {
    struct Case {
        std::vector<std::string> extra;
        const char* message;
    };
    const std::vector<Case> cases = {
        {{"--flow", "0"}, "--flow: Insufficient Input Data: You must enter all of the required inputs"},
        {{"--slope", "0"}, "--slope: Slope Error: The bottom slope is used in the denominator"},
        {{"--start", "0"}, "--start: Rillo 2.1: The start station needs to be entered in standard"},
        {{"--start", "20+00.000"}, "--end: Station Error: The start station must be less than the end station."},
        {{"--end", "0+00.000"}, "--end: the start and end stations are equal"},
        {{"--end", "1 +00"}, "--end: Rillo 2.1: The end station needs to be entered in standard"},
        {{"--end", "10+5"}, "--end: Rillo 2.1: The end station needs to be entered in standard"},
        // A text the inputs view's field would refuse is never read by its
        // leading number: not "nan" as 0, "1,5" as 1 or "abc" as 0.
        {{"--width", "nan"}, "--width: Input Error: Only numbers can be used in this field. (\"nan\")"},
        {{"--flow", "1,5"}, "--flow: Input Error: Only numbers can be used in this field. (\"1,5\")"},
        {{"--side", "abc"}, "--side: Input Error: Only numbers can be used in this field."},
        {{"--n", "0x10"}, "--n: Input Error: Only numbers can be used in this field."},
        {{"--control", "1.2.3"}, "--control: Input Error: Only numbers can be used in this field."},
        {{"--slope", "inf"}, "--slope: Input Error: Only numbers can be used in this field."},
        {{"--flow", "-5"}, "--flow: Input Error: Please use a number greater than zero. (\"-5\")"},
        {{"--control", "-1"}, "--control: Input Error: Please use a number greater than zero."},
        {{"--width", std::string(5000, '7') + "x"}, "(\"7777777777777777777777777777777777777777...\")\n"},
        {{"--side", "1\n2"}, "--side: Input Error: Only numbers can be used in this field. (\"1?2\")"},
        // A number past the single-precision range is refused with its option.
        {{"--flow", "1e39"}, "--flow: Input Error: "},
        {{"--width", "-4e38"}, "--width: Input Error: "},
        {{"--slope", "1e39"}, "--slope: Input Error: "},
        // A depth the searches end on the top of their bracket: nothing is shown.
        {{"--flow", "1e20"},
         "Invalid Channel Geometry: A water-surface profile cannot be computed: the critical and normal depths "
         "lie beyond 100 ft, and Rillo searches no deeper.  Recheck the values you entered.\n"},
        {{"--slope", "1e-30"}, ": the normal depth lies beyond 100 ft, and Rillo searches no deeper."},
        {{"--flow", "2e6", "--units", "si", "--slope", "1"}, ": the critical depth lies beyond 100 m, and"},
        {{"--shape", "oval"}, "--shape: oval not in"},
        {{"--bogus", "1"}, "--bogus"},
        {{"--format", "csv"}, "--format"},
    };
    for (const Case& c : cases) {
        CliRun run = RunRilloCli(With(kWorkedExample, c.extra));
        EXPECT_EQ(run.status, 2) << c.message;
        EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
        EXPECT_EQ(run.out, "") << c.message;
    }
}

TEST(ProfileCommand, TextsStillBeingTypedReadAsTheFieldsReadThem) {
    // "100E" is 100, "." and "-" are nothing: the control depth is then the critical depth.
    const CliRun typed = RunRilloCli(
        With(kWorkedExample, {"--flow", "100E", "--control", ".", "--width", "10e+", "--format", "tsv"}));
    const CliRun plain = RunRilloCli(With(kWorkedExample, {"--format", "tsv"}));
    EXPECT_EQ(typed.status, 0) << typed.err;
    EXPECT_EQ(typed.out, plain.out);
    const CliRun dash = RunRilloCli(With(kWorkedExample, {"--slope", "-", "--format", "tsv"}));
    EXPECT_EQ(dash.status, 2);
    EXPECT_EQ(dash.err.rfind("--slope: Slope Error: ", 0), 0u) << dash.err;  // "-" reads as 0
}

TEST(ProfileCommand, ACircularPipeNeedsItsDiameter) {
    CliRun run = RunRilloCli({"profile", "--shape", "circular", "--end", "1+00.000", "--flow", "5", "--n", "0.013",
                              "--slope", "0.001"});
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("--width: Insufficient Input Data"), std::string::npos) << run.err;
}

TEST(ProfileCommand, ALargeManningsNWarnsAndGoesOn) {
    CliRun run = RunRilloCli(With(kWorkedExample, {"--n", "0.15", "--format", "tsv"}));
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(run.err.find("Manning's coefficient error: Manning's roughness coefficient is usually less than "
                           "0.15, which is used"),
              std::string::npos)
        << run.err;
    EXPECT_EQ(run.err.find('\r'), std::string::npos);
    EXPECT_EQ(Lines(run.out)[0].rfind("normal_depth\t", 0), 0u);
}

TEST(ProfileCommand, AFailedComputationExitsOneWithItsMessageAndWhatWasComputed) {
    CliRun run = RunRilloCli(With(kWorkedExample, {"--width", "0", "--side", "0", "--format", "tsv"}));
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err,
              "Invalid Channel Geometry: A water-surface profile cannot be computed from the geometry provided.  "
              "Recheck the values you entered.\n");
    EXPECT_EQ(run.out,
              "normal_depth\t\nnormal_area\t\ncritical_depth\t\ncritical_area\t\nflow_type\t\nprofile_type\t\n"
              "control_depth\t\n\n");
}

TEST(ProfileCommand, WhatTheProfileCannotShowIsSaid) {
    struct Case {
        std::vector<std::string> extra;
        int status;
        std::string err;
        std::size_t lines;  // of tsv output
    };
    const std::string conduit = "Invalid Channel Geometry: A water-surface profile cannot be computed from the ";
    const Case cases[] = {
        // Short of the far end: the rows stop where the depth range is used up.
        {{"--end", "30+00.000"}, 0,
         "The profile ends at 6+31.107, before the start station 0+00.000: its depth range is used up.\n", 24},
        {{"--end", "10+00.000"}, 0, "", 24},
        // A 2 ft pipe that cannot carry 10 ft^3/s with a free surface: its
        // normal-depth search ends at the crown. Only the critical depth is true.
        {{"--shape", "circular", "--width", "2", "--flow", "10", "--side", ""}, 1, conduit, 8},
    };
    for (const Case& c : cases) {
        CliRun run = RunRilloCli(With(kWorkedExample, With(c.extra, {"--format", "tsv"})));
        EXPECT_EQ(run.status, c.status) << run.err;
        EXPECT_EQ(run.err.substr(0, c.err.size()), c.err);
        if (c.err.empty()) EXPECT_EQ(run.err, "");
        EXPECT_EQ(Lines(run.out).size(), c.lines) << run.out;
        if (c.status == 1) {
            EXPECT_NE(run.out.find("critical_depth\t1.1"), std::string::npos) << run.out;
            EXPECT_NE(run.out.find("normal_depth\t\n"), std::string::npos) << run.out;
        }
    }
}

TEST(ProfileCommand, AnAdverseSlopeShowsDashes) {
    CliRun run = RunRilloCli(With(kWorkedExample, {"--slope", "-0.001", "--format", "tsv"}));
    ASSERT_EQ(run.status, 0);
    std::vector<std::string> lines = Lines(run.out);
    EXPECT_EQ(lines[0], "normal_depth\t----");
    EXPECT_EQ(lines[1], "normal_area\t----");
    EXPECT_EQ(lines[5], "profile_type\tadverse, A-2");
}

TEST(ProfileCommand, HelpDocumentsEveryOption) {
    CliRun run = RunRilloCli({"--help"});
    EXPECT_EQ(run.status, 0);
    for (const char* option : {"--shape", "--units", "--start", "--end", "--flow", "--width", "--n", "--slope",
                               "--side", "--control", "--format"}) {
        EXPECT_NE(run.out.find(option), std::string::npos) << option;
    }
    EXPECT_EQ(RunRilloCli({}).status, 2);
}

TEST(CommandLine, VersionAndUsageErrorsAnswerOnOneLine) {
    CliRun version = RunRilloCli({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, "Rillo 2.1\n");
    const std::vector<std::vector<std::string>> misuses = {
        {}, {"nosuch"}, {"profile", "--flow"}, {"critical", "--bogus", "1"}};
    for (const auto& args : misuses) {
        CliRun run = RunRilloCli(args);
        EXPECT_EQ(run.status, 2) << run.err;
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(Lines(run.err).size(), 1u) << run.err;
    }
}

}  // namespace
}  // namespace rillo::testing
