#include <gtest/gtest.h>

#include "tests/cli/cli_runner.h"

namespace rillo::testing {
namespace {

// The worked example's channel: 10 ft wide, 2:1 sides, n 0.013, slope 0.001.
std::vector<std::string> Rating(const std::vector<std::string>& more) {
    std::vector<std::string> args = {"rating", "--width", "10",      "--side", "2",
                                     "--n",    "0.013",   "--slope", "0.001"};
    args.insert(args.end(), more.begin(), more.end());
    return args;
}

TEST(RatingCommand, PrintsTheTableAsTsvCsvOrText) {
    const CliRun tsv = RunRilloCli(Rating({"--flows", "100:100:1", "--format", "tsv"}));
    ASSERT_EQ(tsv.status, 0) << tsv.err;
    EXPECT_EQ(tsv.out,
              "depth\tflow\tarea\tvelocity\ttop_width\twetted_perimeter\thydraulic_radius\tfroude\t"
              "specific_energy\tcritical_depth\tmean_shear\tmax_shear\n"
              "1.721\t100.000\t23.138\t4.322\t16.885\t17.698\t1.307\t0.651\t2.011\t1.329\t0.082\t0.107\n");
    const CliRun csv = RunRilloCli(Rating({"--depths", "1:2:0.5", "--format", "csv"}));
    ASSERT_EQ(csv.status, 0) << csv.err;
    EXPECT_EQ(Lines(csv.out).size(), 4u);
    EXPECT_EQ(csv.out.rfind("\"Depth, ft\",\"Flowrate, ft^3/s\",\"Area, ft^2\",", 0), 0u);
    const CliRun text = RunRilloCli(Rating({"--depths", "1:2:0.5", "--units", "si"}));
    EXPECT_EQ(Lines(text.out)[0].rfind("Depth, m  Flowrate, m^3/s", 0), 0u) << text.out;
}

TEST(RatingCommand, ExitStatusesAndMessages) {
    const struct {
        std::vector<std::string> extra;
        int status;
        std::string err;
    } cases[] = {
        {{}, 2, "rating: give either --depths or --flows, FROM:TO:STEP.\n"},
        {{"--depths", "1:2:1", "--flows", "1:2:1"},
         2,
         "rating: give either --depths or --flows, FROM:TO:STEP.\n"},
        {{"--depths", "1:2"}, 2, "--depths: give FROM:TO:STEP, for example 0.5:5:0.5.\n"},
        {{"--depths", "1:2:1:3"}, 2, "--depths: give FROM:TO:STEP, for example 0.5:5:0.5.\n"},
        {{"--depths", "1:-2:1"}, 2, "--depths: Input Error"},
        {{"--depths", "1:2:0"}, 2, "--depths: Invalid Input Value: Please use an entry other than zero."},
        {{"--flows", "0.01:1e9:0.01"},
         2,
         "--flows: Rating Table: These values would make more than 10,000 rows."},
        {{"--shape", "circular", "--depths", "5:11:1"},
         2,
         "Input Error: At the depth 11.000: The depth cannot be greater than the height of the channel."},
    };
    for (const auto& c : cases) {
        const CliRun run = RunRilloCli(Rating(c.extra));
        EXPECT_EQ(run.status, c.status) << run.err;
        EXPECT_EQ(run.err.rfind(c.err, 0), 0u) << run.err;
        EXPECT_EQ(run.out, "");
    }
}

}  // namespace
}  // namespace rillo::testing
