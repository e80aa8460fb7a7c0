#include <gtest/gtest.h>

#include "tests/cli/cli_runner.h"

namespace rillo::testing {
namespace {

// A rectangle 10 ft wide, 100 ft^3/s entering the jump 0.5 ft deep.
const std::vector<std::string> kJump = {"jump",    "--shape", "trapezoidal", "--units", "english",
                                        "--width", "10",      "--side",      "0",       "--flow",
                                        "100",     "--depth", "0.5"};

TEST(JumpCommand, PrintsTheWindowsResultsAsTextOrTsv) {
    CliRun tsv = RunRilloCli(With(kJump, {"--format", "tsv"}));
    EXPECT_EQ(tsv.status, 0) << tsv.err;
    EXPECT_EQ(tsv.out,
              "sequent_depth\t3.283\nupstream_froude\t4.984\ndownstream_froude\t0.296\n"
              "upstream_velocity\t20.000\ndownstream_velocity\t3.046\nenergy_loss\t3.284\n"
              "jump_length\t20.029\njump_type\tsteady\n");
    EXPECT_EQ(tsv.err, "");

    CliRun text = RunRilloCli(kJump);
    EXPECT_EQ(text.status, 0);
    EXPECT_EQ(Lines(text.out)[0], "Sequent depth, ft:            3.283");
    EXPECT_EQ(Lines(text.out)[6], "Jump length (estimate), ft:  20.029");
    EXPECT_EQ(Lines(text.out)[7], "Jump type:                   steady");
    CliRun si = RunRilloCli(With(kJump, {"--units", "si"}));
    EXPECT_EQ(Lines(si.out)[3].rfind("Upstream velocity, m/s:", 0), 0u) << si.out;
}

TEST(JumpCommand, ExitStatusesAndMessages) {
    struct Case {
        std::vector<std::string> extra;
        int status;
        std::string err;
        std::string out;
    };
    const std::vector<Case> cases = {
        {{"--depth", ""},
         2,
         "Incomplete Input: All required inputs must be entered before the hydraulic jump can be computed. "
         "(missing: --depth)\n",
         ""},
        {{"--depth", "3"}, 2, "--depth: Input Error: The flow at this depth is not supercritical", ""},
        {{"--width", "0"}, 2, "--width: Invalid Input Value: Please use an entry other than zero.\n", ""},
        {{"--depth", "-0.5"}, 2, "--depth: Input Error: Please use a number greater than zero.", ""},
        {{"--flow", "1e2x"}, 2, "--flow: Input Error: Only numbers can be used in this field.", ""},
        {{"--flow", "1e30"},
         1,
         "Rillo 2.1: An unknown error has occurred.  Please contact tech support.\n",
         ""},
        // Five thousand digits are refused as the window's field refuses them, before any computation.
        {{"--depth", std::string(5000, '9')},
         2,
         "--depth: Input Error: This number is too large.",
         ""},
        {{"--shape", "circular", "--width", "2", "--depth", "2.5"},
         2,
         "--depth: Input Error: The depth cannot be greater than the height of the channel.\n",
         ""},
        // The pipe flows full below the jump: a refusal, so nothing is printed as a result.
        {{"--shape", "circular", "--width", "2", "--flow", "10", "--depth", "0.3", "--format", "tsv"},
         2,
         "Hydraulic Jump: The conduit would flow full downstream of the jump",
         ""},
        {{"--format", "csv"}, 2, "--format: csv not in", ""},
    };
    for (const Case& c : cases) {
        CliRun run = RunRilloCli(With(kJump, c.extra));
        EXPECT_EQ(run.status, c.status) << run.err;
        EXPECT_EQ(run.err.substr(0, c.err.size()), c.err);
        EXPECT_EQ(run.out, c.out);
    }
    CliRun help = RunRilloCli({"jump", "--help"});
    EXPECT_EQ(help.status, 0);
    for (const char* option : {"--shape", "--units", "--flow", "--width", "--side", "--depth", "--format"}) {
        EXPECT_NE(help.out.find(option), std::string::npos) << option;
    }
}

}  // namespace
}  // namespace rillo::testing
