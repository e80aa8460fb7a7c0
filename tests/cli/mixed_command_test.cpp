#include <gtest/gtest.h>

#include "engine/stationing.h"
#include "tests/cli/cli_runner.h"

namespace rillo::testing {
namespace {

// A rectangle 10 ft wide, 100 ft^3/s, n = 0.013, on a mild slope of 0.001
// (critical depth 1.459 ft, normal depth 2.121 ft), 1000 ft long; 0.5 ft deep
// below a gate at the upstream end, a tailwater of 2.5 ft at the downstream end.
const std::vector<std::string> kReach = {
    "--shape", "trapezoidal", "--units", "english", "--start", "0+00.000", "--end", "10+00.000", "--flow",
    "100",     "--width",     "10",      "--n",     "0.013",   "--slope",  "0.001", "--side",    "0"};

std::vector<std::string> Command(const std::string& name, std::vector<std::string> more) {
    std::vector<std::string> args = {name};
    args.insert(args.end(), kReach.begin(), kReach.end());
    args.insert(args.end(), more.begin(), more.end());
    return args;
}

std::vector<std::string> Mixed(const std::string& y1, const std::string& y2,
                               std::vector<std::string> more = {}) {
    std::vector<std::string> args = {"--upstream-depth", y1, "--downstream-depth", y2};
    args.insert(args.end(), more.begin(), more.end());
    return Command("mixed", args);
}

// The table's lines of a tsv output, after its empty line.
std::vector<std::string> TableLines(const std::string& tsv) {
    const std::vector<std::string> lines = Lines(tsv);
    const auto empty = std::find(lines.begin(), lines.end(), "");
    return empty == lines.end() ? std::vector<std::string>{}
                                : std::vector<std::string>(empty + 1, lines.end());
}

std::vector<std::string> HeadLines(const std::string& tsv) {
    const std::vector<std::string> lines = Lines(tsv);
    return {lines.begin(), std::find(lines.begin(), lines.end(), "")};
}

double StationOf(const std::string& line) {
    return StationValue(Fields(line)[0]);
}

// Each side of the jump holds the rows the profile command prints from that
// end's depth, text for text, and the jump's two rows share its station.
TEST(MixedCommand, TheRowsAreTheProfileCommandsFromEachEnd) {
    const CliRun mixed = RunRilloCli(Mixed("0.5", "2.5", {"--format", "tsv"}));
    ASSERT_EQ(mixed.status, 0) << mixed.err;
    const std::vector<std::string> head = HeadLines(mixed.out);
    ASSERT_EQ(head.size(), 7u) << mixed.out;
    const char* const keys[] = {"normal_depth",        "critical_depth",        "jump_station",
                                "jump_upstream_depth", "jump_downstream_depth", "energy_loss",
                                "jump_length"};
    for (std::size_t i = 0; i < head.size(); ++i) EXPECT_EQ(Fields(head[i])[0], keys[i]);
    EXPECT_EQ(head[0], "normal_depth\t2.121");
    EXPECT_EQ(head[1], "critical_depth\t1.459");
    const std::string station = Fields(head[2])[1];
    const double xj = StationValue(station);
    ASSERT_GT(xj, 0.0);
    ASSERT_LT(xj, 1000.0);

    const std::vector<std::string> rows = TableLines(mixed.out);
    const std::vector<std::string> super =
        TableLines(RunRilloCli(Command("profile", {"--control", "0.5", "--format", "tsv"})).out);
    const std::vector<std::string> sub =
        TableLines(RunRilloCli(Command("profile", {"--control", "2.5", "--format", "tsv"})).out);
    std::vector<std::string> expected;
    for (const std::string& line : super)
        if (StationOf(line) < xj) expected.push_back(line);
    const std::size_t jump = expected.size();
    for (auto line = sub.rbegin(); line != sub.rend(); ++line)
        if (StationOf(*line) > xj) expected.push_back(*line);
    ASSERT_EQ(rows.size(), expected.size() + 2);
    for (std::size_t r = 0, e = 0; r < rows.size(); ++r) {
        if (r == jump || r == jump + 1) {
            EXPECT_EQ(Fields(rows[r])[0], station);
            EXPECT_EQ(Fields(rows[r])[1], Fields(head[r == jump ? 3 : 4])[1]);
            EXPECT_EQ(Fields(rows[r]).size(), 11u);
        } else {
            EXPECT_EQ(rows[r], expected[e++]) << "row " << r;
        }
    }

    // The text output names the jump and marks its rows.
    const CliRun text = RunRilloCli(Mixed("0.5", "2.5"));
    ASSERT_EQ(text.status, 0);
    EXPECT_EQ(Lines(text.out)[2], "Jump station:               " + station);
    EXPECT_NE(text.out.find("  before the jump\n"), std::string::npos);
    EXPECT_NE(text.out.find("  after the jump\n"), std::string::npos);
}

TEST(MixedCommand, NoJumpInTheReachSaysWhichEnd) {
    // The rows are then the one profile that stands in the whole reach, in station order.
    struct Case {
        std::string y1, y2, end;
        std::string note;
        std::string control;  // the end depth the rows are computed from
    };
    const std::vector<Case> cases = {
        {"0.5", "4.5", "10+00.000", "drowned: the tailwater reaches the upstream end", "4.5"},
        {"0.5", "1.6", "0+50.000", "swept out past the downstream end", "0.5"},
    };
    for (const Case& c : cases) {
        const CliRun run = RunRilloCli(Mixed(c.y1, c.y2, {"--end", c.end, "--format", "tsv"}));
        ASSERT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(HeadLines(run.out),
                  (std::vector<std::string>{"normal_depth\t2.121", "critical_depth\t1.459",
                                            "jump_station\tnone", "jump_note\t" + c.note}));
        std::vector<std::string> rows = TableLines(
            RunRilloCli(Command("profile", {"--end", c.end, "--control", c.control, "--format", "tsv"})).out);
        if (c.control == c.y2) std::reverse(rows.begin(), rows.end());
        EXPECT_EQ(TableLines(run.out), rows) << c.note;
    }
}

TEST(MixedCommand, RefusalsNameTheirOption) {
    struct Case {
        std::vector<std::string> args;
        int status;
        std::string err;  // the start of the message
    };
    const std::vector<Case> cases = {
        {Mixed("2", "2.5"), 2,
         "--upstream-depth: Upstream Depth Error: The upstream depth must be below the critical depth, 1.459 "
         "ft: "
         "the flow entering the reach is supercritical.\n"},
        {Mixed("0.5", "1"), 2,
         "--downstream-depth: Downstream Depth Error: The downstream depth must be above the critical depth, "
         "1.459 ft: the tailwater holds the end of the reach subcritical.\n"},
        {Mixed("0", "2.5"), 2,
         "--upstream-depth: Upstream Depth Error: The upstream depth must be greater than zero.\n"},
        {Mixed("", "2.5"), 2, "--upstream-depth: Insufficient Input Data:"},
        {Mixed("0.5", ""), 2, "--downstream-depth: Insufficient Input Data:"},
        {Mixed("abc", "2.5"), 2, "--upstream-depth: Input Error: Only numbers can be used in this field."},
        {Mixed("0.5", "-2.5"), 2, "--downstream-depth: Input Error:"},
        {Mixed("0.5", std::string(5000, '9')), 2,
         "--downstream-depth: Input Error: This number is too large."},
        {Mixed("0.5", "2.5", {"--flow", ""}), 2, "--flow: Insufficient Input Data:"},
        {Mixed("0.5", "2.5", {"--end", "0+00.000"}), 2, "--end: the start and end stations are equal"},
        {Mixed("0.5", "2.5", {"--format", "flo"}), 2, "--format:"},
        {Mixed("0.5", "2.5", {"--control", "1"}), 2,
         "The following arguments were not expected: 1 --control"},
        {Command("mixed", {"--upstream-depth", "0.5"}), 2, "--downstream-depth is required"},
    };
    for (const Case& c : cases) {
        const CliRun run = RunRilloCli(c.args);
        EXPECT_EQ(run.status, c.status) << c.err;
        EXPECT_EQ(run.err.substr(0, c.err.size()), c.err) << run.err;
        EXPECT_EQ(run.out, "") << c.err;
    }
}

}  // namespace
}  // namespace rillo::testing
