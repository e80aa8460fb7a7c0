#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/cli/cli_runner.h"

namespace rillo::testing {
namespace {

// Full profiles of the curved shapes through `rillo-cli profile --format tsv`.
// The normal and critical depths and areas were checked against an
// independent computation with the exact circle geometry; a search on the
// wrong bracket would miss those that lie above the diameter (U-shaped and
// elongated) or fail outright (circular on [0, 100]).

struct ProfileCase {
    const char* name;
    std::vector<std::string> args;
    std::vector<std::string> summary;  // the seven summary values, in order
    std::size_t rows;
    const char* lastStation;
    const char* lastDepth;
};

// The common options: n = 0.013, tsv output, the start station defaulting to 0+00.000.
std::vector<std::string> Profile(std::vector<std::string> args) {
    std::vector<std::string> all = {"profile", "--n", "0.013", "--format", "tsv"};
    all.insert(all.end(), args.begin(), args.end());
    return all;
}

struct Output {
    std::vector<std::string> summary;
    std::vector<std::vector<std::string>> rows;
};

Output Parse(const std::string& tsv) {
    Output o;
    const std::vector<std::string> lines = Lines(tsv);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i < 7) {
            std::vector<std::string> f = Fields(lines[i]);
            o.summary.push_back(f.size() > 1 ? f[1] : "");
        } else if (i > 7) {
            o.rows.push_back(Fields(lines[i]));
        }
    }
    return o;
}

class CurvedProfileCli : public ::testing::TestWithParam<ProfileCase> {};

TEST_P(CurvedProfileCli, FullProfile) {
    const ProfileCase& c = GetParam();
    const CliRun run = RunRilloCli(Profile(c.args));
    ASSERT_EQ(run.status, 0) << run.err;
    const Output o = Parse(run.out);
    EXPECT_EQ(o.summary, c.summary);
    ASSERT_EQ(o.rows.size(), c.rows);
    // The control row: critical flow when no control depth was given.
    EXPECT_EQ(o.rows.front()[1], c.summary[6]);
    if (c.summary[6] == c.summary[2]) {
        EXPECT_EQ(o.rows.front()[7], "1.000");
    }
    EXPECT_EQ(o.rows.back()[0], c.lastStation);
    EXPECT_EQ(o.rows.back()[1], c.lastDepth);
}

INSTANTIATE_TEST_SUITE_P(
    Shapes, CurvedProfileCli,
    ::testing::Values(
        ProfileCase{
            "PipeEnglishMild",
            {"--shape", "circular", "--end", "10+00.000", "--flow", "5", "--width", "2", "--slope", "0.001"},
            {"1.232", "2.030", "0.788", "1.149", "subcritical", "mild, M-2", "0.788"},
            16,
            "0+00.000",
            "1.207"},
        ProfileCase{
            "PipeEnglishSteep",
            {"--shape", "circular", "--end", "1+00.000", "--flow", "5", "--width", "2", "--slope", "0.02"},
            {"0.534", "0.675", "0.788", "1.149", "supercritical", "steep, S-2", "0.788"},
            31,
            "1+00.000",
            "0.539"},
        ProfileCase{"PipeSiMild",
                    {"--shape", "circular", "--units", "si", "--end", "1+00.000", "--flow", "0.5", "--width",
                     "1", "--slope", "0.001"},
                    {"0.593", "0.485", "0.399", "0.292", "subcritical", "mild, M-2", "0.399"},
                    13,
                    "0+00.000",
                    "0.548"},
        // 30 Simpson steps use up the depth range before the end station.
        ProfileCase{"PipeSiSteep",
                    {"--shape", "circular", "--units", "si", "--end", "1+00.000", "--flow", "0.5", "--width",
                     "1", "--slope", "0.02"},
                    {"0.259", "0.162", "0.399", "0.292", "supercritical", "steep, S-2", "0.399"},
                    31,
                    "0+89.494",
                    "0.260"},
        ProfileCase{
            "UShapeEnglishMild",
            {"--shape", "u-shaped", "--end", "10+00.000", "--flow", "10", "--width", "2", "--slope", "0.001"},
            {"1.982", "3.535", "1.134", "1.838", "subcritical", "mild, M-2", "1.134"},
            15,
            "0+00.000",
            "1.912"},
        // A narrow channel: both depths lie above its width.
        ProfileCase{
            "UShapeEnglishSteep",
            {"--shape", "u-shaped", "--end", "1+00.000", "--flow", "10", "--width", "1", "--slope", "0.05"},
            {"0.916", "0.808", "1.566", "1.459", "supercritical", "steep, S-2", "1.566"},
            31,
            "1+00.000",
            "0.934"},
        ProfileCase{"UShapeSiMild",
                    {"--shape", "u-shaped", "--units", "si", "--end", "1+00.000", "--flow", "1", "--width",
                     "1", "--slope", "0.001"},
                    {"0.949", "0.842", "0.575", "0.467", "subcritical", "mild, M-2", "0.575"},
                    11,
                    "0+00.000",
                    "0.809"},
        ProfileCase{"UShapeSiSteep",
                    {"--shape", "u-shaped", "--units", "si", "--end", "1+00.000", "--flow", "1", "--width",
                     "1", "--slope", "0.02"},
                    {"0.372", "0.266", "0.575", "0.467", "supercritical", "steep, S-2", "0.575"},
                    31,
                    "1+00.000",
                    "0.375"},
        ProfileCase{"ElongatedEnglishMild",
                    {"--shape", "elongated", "--end", "10+00.000", "--flow", "10", "--width", "2", "--side",
                     "1", "--slope", "0.001"},
                    {"1.982", "3.535", "1.134", "1.838", "subcritical", "mild, M-2", "1.134"},
                    15,
                    "0+00.000",
                    "1.912"},
        // Critical depth in the straight part, above the diameter.
        ProfileCase{"ElongatedEnglishSteep",
                    {"--shape", "elongated", "--end", "1+00.000", "--flow", "40", "--width", "2", "--side",
                     "2", "--slope", "0.02"},
                    {"1.826", "3.224", "2.531", "4.632", "supercritical", "steep, S-2", "2.531"},
                    29,
                    "1+00.000",
                    "1.884"},
        // Normal depth in the upper half circle, above the diameter.
        ProfileCase{"ElongatedSiMild",
                    {"--shape", "elongated", "--units", "si", "--end", "1+00.000", "--flow", "2", "--width",
                     "1", "--side", "1", "--slope", "0.001"},
                    {"1.631", "1.522", "0.849", "0.742", "subcritical", "mild, M-2", "0.849"},
                    9,
                    "0+00.000",
                    "1.224"},
        ProfileCase{"ElongatedSiSteepBelowNormal",
                    {"--shape", "elongated", "--units", "si", "--end", "1+00.000", "--flow", "0.5", "--width",
                     "1", "--side", "0.5", "--slope", "0.02", "--control", "0.15"},
                    {"0.259", "0.162", "0.399", "0.292", "supercritical", "steep, S-3", "0.150"},
                    31,
                    "1+00.000",
                    "0.258"}),
    [](const auto& info) { return std::string(info.param.name); });

const char* const kConduitMessage =
    "Invalid Channel Geometry: A water-surface profile cannot be computed from the geometry provided. "
    "The depth in the channel may be greater than the height of the channel, or was computed to be "
    "greater at some point during the profile iterations. Try adjusting the values you entered.\n";

struct FailureCase {
    const char* name;
    std::vector<std::string> args;
    const char* message;
    std::size_t rows;
    const char* lastDepth;  // of the last row written; empty when none
};

class CurvedProfileFailure : public ::testing::TestWithParam<FailureCase> {};

TEST_P(CurvedProfileFailure, EndsWithTheShapesMessageKeepingWhatWasWritten) {
    const FailureCase& c = GetParam();
    const CliRun run = RunRilloCli(Profile(c.args));
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, c.message);
    const Output o = Parse(run.out);
    ASSERT_EQ(o.summary.size(), 7u);
    EXPECT_NE(o.summary[2], "");  // the critical depth was written before the failure
    ASSERT_EQ(o.rows.size(), c.rows);
    if (c.rows > 0) {
        EXPECT_EQ(o.rows.back()[1], c.lastDepth);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Shapes, CurvedProfileFailure,
    ::testing::Values(
        // 3 yc = 2.364 ft stands in for the normal depth: the depths rise into
        // the crown, one row lands on it, the next pair's middle depth is above it.
        FailureCase{
            "PipeAdverseIntoTheCrown",
            {"--shape", "circular", "--end", "10+00.000", "--flow", "5", "--width", "2", "--slope", "-0.001"},
            kConduitMessage,
            13,
            "2.000"},
        FailureCase{"ElongatedAdverseIntoTheCrown",
                    {"--shape", "elongated", "--end", "10+00.000", "--flow", "5", "--width", "2", "--side",
                     "0.1", "--slope", "-0.001"},
                    kConduitMessage,
                    14,
                    "2.100"},
        FailureCase{"PipeSiControlAboveTheCrown",
                    {"--shape", "circular", "--units", "si", "--end", "1+00.000", "--flow", "0.5", "--width",
                     "1", "--slope", "0.001", "--control", "1.2"},
                    kConduitMessage,
                    0,
                    ""},
        FailureCase{"ElongatedSiControlAboveTheCrown",
                    {"--shape", "elongated", "--units", "si", "--end", "1+00.000", "--flow", "1", "--width",
                     "1", "--side", "0.5", "--slope", "0.001", "--control", "1.6"},
                    kConduitMessage,
                    0,
                    ""},
        // Critical depth at the crown: no free surface carries the flow, so no rows.
        FailureCase{
            "PipeCriticalAtTheCrown",
            {"--shape", "circular", "--end", "1+00.000", "--flow", "20", "--width", "1", "--slope", "0.01"},
            kConduitMessage,
            0,
            ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CurvedProfileCliTest, UShapeHasNoCrownToStopAt) {
    // The pipe's adverse case in a U-shaped channel rises past the width unhindered.
    const CliRun run = RunRilloCli(Profile(
        {"--shape", "u-shaped", "--end", "10+00.000", "--flow", "5", "--width", "2", "--slope", "-0.001"}));
    ASSERT_EQ(run.status, 0) << run.err;
    const Output o = Parse(run.out);
    ASSERT_EQ(o.rows.size(), 16u);
    EXPECT_EQ(o.rows.back()[1], "2.359");
}

}  // namespace
}  // namespace rillo::testing
