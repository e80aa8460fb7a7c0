#include <gtest/gtest.h>

#include "tests/cli/cli_runner.h"

namespace rillo::testing {
namespace {

struct Expectation {
    std::vector<std::string> args;
    int status;
    std::string out;  // the whole standard output
    std::string err;  // a part of the standard error; empty: none at all
};

void ExpectRuns(const std::vector<Expectation>& cases) {
    for (const Expectation& c : cases) {
        std::string command;
        for (const std::string& a : c.args) command += a + " ";
        CliRun run = RunRilloCli(c.args);
        EXPECT_EQ(run.status, c.status) << command << "\n" << run.err;
        EXPECT_EQ(run.out, c.out) << command;
        if (c.err.empty()) {
            EXPECT_EQ(run.err, "") << command;
        } else {
            EXPECT_NE(run.err.find(c.err), std::string::npos) << command << "\n" << run.err;
            EXPECT_EQ(run.err.find('\r'), std::string::npos) << command;
        }
    }
}

TEST(WeirCommand, ComputesAsTheWindowDoes) {
    ExpectRuns({
        {{"weir", "--length", "10", "--head", "2"}, 0, "Flowrate, ft^3/s:  92.305\n", ""},
        // A coefficient above 1.0 is warned about and used, as if Yes were answered.
        {{"weir", "--length", "10", "--head", "2", "--coefficient", "1.22", "--format", "tsv"},
         0,
         "flowrate\t184.611\n",
         "Warning: Weir Coefficient: The weir coefficient is usually less than 1.0"},
        {{"weir", "--length", "10", "--head", "2", "--broad-crested", "--format", "tsv"},
         0,
         "flowrate\t53.292\n",
         ""},
        {{"weir", "--shape", "v-notch", "--angle", "90", "--head", "2", "--submerged", "--downstream-head",
          "1", "--format", "tsv"},
         0,
         "flowrate\t13.703\n",
         ""},
        {{"weir", "--shape", "cipolletti", "--units", "si", "--length", "4", "--head", "1.5", "--coefficient",
          "0.63"},
         0,
         "Flowrate, m^3/s:  13.668\n",
         ""},
    });
}

TEST(WeirCommand, RefusalsAndFailures) {
    const std::vector<std::string> weir = {"weir", "--length", "10", "--head", "2"};
    auto with = [&](std::vector<std::string> more) {
        std::vector<std::string> args = weir;
        args.insert(args.end(), more.begin(), more.end());
        return args;
    };
    ExpectRuns({
        // The angle test comes before the incomplete-input test.
        {{"weir", "--shape", "v-notch", "--angle", "180"},
         2,
         "",
         "--angle: Weir Angle Too Large: The V-notch angle must be less than 180°"},
        {{"weir", "--length", "10"},
         2,
         "",
         "--head: Incomplete Input: All required inputs must be entered before the weir flow can be "
         "calculated."},
        {with({"--coefficient", ""}), 2, "", "--coefficient: Incomplete Input:"},
        {with({"--submerged"}), 2, "", "--downstream-head: Incomplete Input:"},
        // A run-time error of the computation: 0 / 0.
        {{"weir", "--length", "10", "--head", "0", "--submerged", "--downstream-head", "0"},
         1,
         "",
         "Rillo 2.1: An unknown error has occurred.  Please contact tech support."},
        {{"weir", "--length", "10", "--head", "1", "--submerged", "--downstream-head", "2"},
         2,
         "",
         "--downstream-head: Input Error: The downstream head must be less than the upstream head."},
        // Texts a numeric field refuses.
        {with({"--head", "2 ft"}), 2, "", "--head: Input Error: Only numbers can be used in this field."},
        {with({"--length", "-3"}), 2, "", "--length: Input Error: Please use a number greater than zero."},
        {with({"--coefficient", "1e39"}), 2, "", "--coefficient: Input Error: This number is too large."},
        // Options the window hides for this shape or tab.
        {with({"--shape", "v-notch"}), 2, "", "--length: a V-notch weir takes its angle"},
        {with({"--angle", "90"}), 2, "", "--length excludes --angle"},
        {{"weir", "--angle", "90", "--head", "1"}, 2, "", "--angle: only a V-notch weir has an angle"},
        {with({"--broad-crested", "--submerged", "--downstream-head", "1"}), 2, "", "--broad-crested:"},
        {with({"--downstream-head", "1"}), 2, "", "add --submerged"},
        {with({"--shape", "round"}), 2, "", "--shape"},
    });
}

TEST(OrificeCommand, ComputesAndRefusesAsTheWindowDoes) {
    ExpectRuns({
        {{"orifice", "--shape", "square", "--size", "1", "--head", "1", "--coefficient", "1"},
         0,
         "Flowrate, ft^3/s:  8.025\n",
         ""},
        {{"orifice", "--units", "si", "--size", "0.8", "--head", "3", "--coefficient", "0.62", "--format",
          "tsv"},
         0,
         "flowrate\t2.390\n",
         ""},
        // Size first: all fields empty give only the size message.
        {{"orifice", "--coefficient", ""},
         2,
         "",
         "--size: Channel Width: Please enter the channel diameter in the Required Inputs area."},
        // The four lines of the coefficient message on one line.
        {{"orifice", "--size", "1", "--head", "1", "--coefficient", "."},
         2,
         "",
         "--coefficient: Channel Width: Please enter the wier coefficent in the Required Inputs area. A "
         "typical "
         "weir coefficent is 0.7. The weir coefficent"},
        {{"orifice", "--shape", "square", "--size", "1"},
         2,
         "",
         "--head: Weir Head: Please enter the weir head"},
    });
}

TEST(GateCommand, ComputesAndRefusesAsTheWindowDoes) {
    ExpectRuns({
        {{"gate", "--upstream-depth", "5", "--width", "4", "--opening", "1"},
         0,
         "Flowrate, ft^3/s:  43.784\nVelocity, ft/s:    10.946\n",
         ""},
        {{"gate", "--units", "si", "--upstream-depth", "2", "--width", "3", "--opening", "0.4",
          "--coefficient", "0.6", "--format", "tsv"},
         0,
         "flowrate\t4.510\nvelocity\t3.759\n",
         ""},
        {{"gate", "--upstream-depth", "5", "--opening", "1"},
         2,
         "",
         "--width: Incomplete Input: All required inputs must be entered before the sluicegate flowrate can "
         "be "
         "computed."},
        {{"gate", "--upstream-depth", "1", "--width", "4", "--opening", "1"},
         2,
         "",
         "--opening: Input Error: The gate opening must be less than the upstream depth."},
        {{"gate", "--upstream-depth", "0", "--width", "4", "--opening", "0"},
         2,
         "",
         "--opening: Input Error: The gate opening must be less than the upstream depth."},
        {{"gate", "--upstream-depth", "2", "--width", "0", "--opening", "1"},
         1,
         "",
         "Rillo 2.1: An unknown error has occurred."},
    });
}

TEST(CalculatorCommands, HelpDocumentsEveryOption) {
    const std::vector<std::pair<std::string, std::vector<std::string>>> commands = {
        {"weir",
         {"--shape", "--submerged", "--broad-crested", "--units", "--length", "--angle", "--head",
          "--coefficient", "--downstream-head", "--format"}},
        {"orifice", {"--shape", "--units", "--size", "--head", "--coefficient", "--format"}},
        {"gate", {"--units", "--upstream-depth", "--width", "--opening", "--coefficient", "--format"}},
    };
    for (const auto& [command, options] : commands) {
        CliRun run = RunRilloCli({command, "--help"});
        EXPECT_EQ(run.status, 0);
        for (const std::string& option : options)
            EXPECT_NE(run.out.find(option), std::string::npos) << option;
        EXPECT_NE(run.out.find("0.61"), std::string::npos) << command;
    }
}

}  // namespace
}  // namespace rillo::testing
