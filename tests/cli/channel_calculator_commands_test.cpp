#include <gtest/gtest.h>

#include "tests/cli/cli_runner.h"

namespace rillo::testing {
namespace {

// The textbook trapezoid: b = 4 ft, z = 3, n = 0.055.
const std::vector<std::string> kCritical = {
    "critical", "--shape", "trapezoidal", "--units", "english", "--flow", "44.001",
    "--width",  "4",       "--n",         "0.055",   "--side",  "3"};

TEST(CriticalCommand, TextbookTrapezoid) {
    CliRun tsv = RunRilloCli(With(kCritical, {"--format", "tsv"}));
    EXPECT_EQ(tsv.status, 0) << tsv.err;
    EXPECT_EQ(tsv.out,
              "critical_depth\t1.163\ncritical_slope\t0.04985\n"
              "critical_velocity\t5.054\ncritical_area\t8.706\ncritical_top_width\t10.976\nminimum_energy\t1.559\n");
    EXPECT_EQ(tsv.err, "");

    CliRun text = RunRilloCli(kCritical);
    EXPECT_EQ(text.out,
              "Critical depth, ft:  1.163\nCritical slope:      0.04985\n\n"
              "Critical velocity, ft/s:           5.054\n"
              "Critical area, ft^2:               8.706\n"
              "Top width at critical depth, ft:  10.976\n"
              "Minimum specific energy, ft:       1.559\n");
    CliRun si = RunRilloCli(With(kCritical, {"--units", "SI"}));
    EXPECT_EQ(Lines(si.out)[0].rfind("Critical depth, m:", 0), 0u) << si.out;
}

TEST(CriticalCommand, ExitStatusesAndMessages) {
    struct Case {
        std::vector<std::string> extra;
        int status;
        std::string err;
        std::string out;
    };
    const std::vector<Case> cases = {
        {{"--n", ""},
         2,
         "Incomplete Input: All required inputs must be entered before critical depth or slope can be "
         "computed. "
         "(missing: --n)\n",
         ""},
        {{"--flow", "3e6"},
         2,
         "Critical Depth: The critical depth is above 100 ft, the top of this calculator's search.\n",
         ""},
        // A zero flowrate: the depth is found, then the slope fails; a failed
        // run prints no half of its answer.
        {{"--flow", "0", "--format", "tsv"},
         1,
         "Rillo 2.1: An unknown error has occurred.  Please contact tech support.\n",
         ""},
        {{"--flow", "0"}, 1, "Rillo 2.1: An unknown error has occurred.", ""},
        {{"--shape", "oval"}, 2, "--shape: oval not in", ""},
        // Texts the window's fields refuse.
        {{"--width", "4ft"}, 2, "--width: Input Error: Only numbers can be used in this field.", ""},
        {{"--n", "-0.055"}, 2, "--n: Input Error: Please use a number greater than zero.", ""},
    };
    for (const Case& c : cases) {
        CliRun run = RunRilloCli(With(kCritical, c.extra));
        EXPECT_EQ(run.status, c.status) << run.err;
        EXPECT_EQ(run.err.substr(0, c.err.size()), c.err);
        EXPECT_EQ(run.out, c.out);
    }
    CliRun bare = RunRilloCli({"critical", "--shape", "circular"});
    EXPECT_EQ(bare.status, 2);
    EXPECT_NE(bare.err.find("(missing: --flow, --width, --n)"), std::string::npos) << bare.err;
}

TEST(CriticalCommand, RoughnessWarningGoesToStandardErrorAndTheComputationGoesOn) {
    CliRun run = RunRilloCli(With(kCritical, {"--n", "0.15", "--format", "tsv"}));
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(Lines(run.out)[1], "critical_slope\t0.37078");
    EXPECT_EQ(
        run.err.rfind("Warning: Manning's coefficient error: Manning's roughness coefficient is usually less "
                      "than 0.15, which is used",
                      0),
        0u)
        << run.err;
    EXPECT_EQ(run.err.find('\r'), std::string::npos);
}

TEST(ManningCommand, TextbookCases) {
    CliRun depth = RunRilloCli({"manning", "--solve", "depth", "--flow", "44.001", "--width", "4", "--side",
                                "3", "--n", "0.055", "--slope", "0.02", "--format", "tsv"});
    EXPECT_EQ(depth.status, 0) << depth.err;
    EXPECT_EQ(
        depth.out,
        "depth\t1.454\nvelocity\t3.618\narea\t12.161\nwetted_perimeter\t13.197\nhydraulic_radius\t0.921\n"
        "top_width\t12.725\nhydraulic_depth\t0.956\nfroude\t0.652\nflow_type\tsubcritical\nspecific_energy\t1.657\n"
        "critical_depth\t1.163\nslope_class\tmild\nmean_shear\t1.150\nmax_shear\t1.815\n");

    CliRun flow = RunRilloCli({"manning", "--solve", "flow", "--units", "si", "--depth", "1.6", "--width",
                               "6", "--side", "0", "--n", "0.015", "--slope", "0.0025", "--format", "tsv"});
    EXPECT_EQ(flow.status, 0) << flow.err;
    EXPECT_EQ(Lines(flow.out)[0], "flow\t32.921");

    CliRun slope = RunRilloCli({"manning", "--solve", "slope", "--flow", "44.001", "--depth", "1.454",
                                "--width", "4", "--side", "3", "--n", "0.055"});
    EXPECT_EQ(slope.out,
              "Bottom slope:           0.02001\n"
              "Velocity, ft/s:         3.619\n"
              "Area, ft^2:            12.158\n"
              "Wetted perimeter, ft:  13.196\n"
              "Hydraulic radius, ft:   0.921\n\n"
              "Top width, ft:        12.724\n"
              "Hydraulic depth, ft:   0.956\n"
              "Froude number:         0.652\n"
              "Flow type:            subcritical\n"
              "Specific energy, ft:   1.657\n"
              "Critical depth, ft:    1.163\n"
              "Slope class:          mild\n"
              "Mean shear, lb/ft^2:   1.151\n"
              "Max shear, lb/ft^2:    1.816\n");

    CliRun roughness = RunRilloCli({"manning", "--solve", "roughness", "--flow", "44.001", "--depth", "1.454",
                                    "--width", "4", "--side", "3", "--slope", "0.02", "--format", "tsv"});
    EXPECT_EQ(Lines(roughness.out)[0], "roughness\t0.05498");
}

TEST(ManningCommand, ExitStatusesAndMessages) {
    const std::vector<std::string> pipe = {"manning", "--shape", "circular", "--width", "2", "--n", "0.013"};
    struct Case {
        std::vector<std::string> extra;
        int status;
        std::string err;
    };
    const std::vector<Case> cases = {
        {{"--flow", "10", "--slope", "0.001"},
         2,
         "Normal Depth: The channel cannot carry this flowrate at any depth up to its height.\n"},
        {{"--solve", "flow", "--depth", "2.5", "--slope", "0.001"},
         2,
         "Input Error: The depth cannot be greater than the height of the channel.\n"},
        {{"--flow", "5", "--slope", "0"}, 2, "Invalid Input Value: Please use an entry other than zero.\n"},
        // On the Slope tab the depth fills the slope field.
        {{"--solve", "slope", "--flow", "5"},
         2,
         "Incomplete Input: All required inputs must be entered before the channel characteristics can be "
         "computed. "
         "(missing: --depth)\n"},
        {{"--flow", "5", "--slope", "0.001", "--depth", "1"},
         2,
         "--depth: this is what --solve depth computes"},
        {{"--solve", "roughness", "--depth", "1", "--flow", "5", "--n", "0.013", "--slope", "0.001"},
         2,
         "--n: this is what --solve roughness computes"},
        {{"--solve", "flow", "--depth", "1", "--slope", "-0.001"},
         1,
         "Rillo 2.1: An unknown error has occurred.  Please contact tech support.\n"},
        {{"--solve", "width"}, 2, "--solve: width not in"},
        {{"--flow", "-5", "--slope", "0.001"},
         2,
         "--flow: Input Error: Please use a number greater than zero."},
        {{"--solve", "slope", "--flow", "5", "--depth", "1.2.3"},
         2,
         "--depth: Input Error: Only numbers can be used in this field."},
    };
    for (const Case& c : cases) {
        CliRun run = RunRilloCli(With(pipe, c.extra));
        EXPECT_EQ(run.status, c.status) << run.err;
        EXPECT_EQ(run.err.substr(0, c.err.size()), c.err);
        EXPECT_EQ(run.out, "");
    }
}

TEST(ChannelCalculatorCommands, HelpDocumentsEveryOption) {
    CliRun critical = RunRilloCli({"critical", "--help"});
    EXPECT_EQ(critical.status, 0);
    for (const char* option : {"--shape", "--units", "--flow", "--width", "--n", "--side", "--format"}) {
        EXPECT_NE(critical.out.find(option), std::string::npos) << option;
    }
    CliRun manning = RunRilloCli({"manning", "--help"});
    EXPECT_EQ(manning.status, 0);
    for (const char* option : {"--solve", "--shape", "--units", "--flow", "--depth", "--width", "--n",
                               "--slope", "--side", "--format"}) {
        EXPECT_NE(manning.out.find(option), std::string::npos) << option;
    }
    CliRun all = RunRilloCli({"--help"});
    EXPECT_NE(all.out.find("critical"), std::string::npos);
    EXPECT_NE(all.out.find("manning"), std::string::npos);
}

}  // namespace
}  // namespace rillo::testing
