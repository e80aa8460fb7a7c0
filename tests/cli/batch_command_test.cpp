#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <thread>

#include "cli/batch_command.h"
#include "cli/csv_reader.h"
#include "documents/format/profile_file_reader.h"
#include "documents/report/table_text.h"
#include "cli/batch_cases.h"
#include "tests/cli/cli_runner.h"
#include "tests/support/disk_full_io.h"

namespace rillo::testing {
namespace {

namespace fs = std::filesystem;

const char* const kHeader = "shape,units,start,end,flow,width,n,slope,side,control,name\n";

// The cases every status and shape takes, each checked against the profile
// command run with the same texts.
const char* const kCases =
    "trapezoidal,english,0+00.000,10+00.000,100,10,0.013,0.001,2,,Worked example\n"
    "Circular,,0+00.000,10+00.000,5,2,0.013,0.001,,,pipe\n"
    "u-shaped,si,0+00.000,1+00.000,1,1,0.013,0.001,,,\n"
    "elongated,,0+00.000,10+00.000,10,2,0.013,0.001,1,,\n"
    "trapezoidal,,0+00.000,10+00.000,100,10,0.15,0.001,2,,rough\n"
    "trapezoidal,,0+00.000,10+00.000,100,0,0.013,0.001,0,,no section\n"
    "circular,,0+00.000,10+00.000,5,2,0.013,-0.001,,,into the crown\n"
    "u-shaped,si,0+00.000,1+00.000,1,1,0.013,0.001,,-1,\n"
    "trapezoidal,,0+00.000,10+00.000,0,10,0.013,0.001,2,,\n"
    "trapezoidal,,0+00.000,10+00.000,100,10,0.013,0,2,,\n"
    "trapezoidal,,0,10+00.000,100,10,0.013,0.001,2,,\n"
    "oval,,0+00.000,10+00.000,100,10,0.013,0.001,2,,\n"
    "trapezoidal,metric,0+00.000,10+00.000,100,10,0.013,0.001,2,,\n"
    "trapezoidal,,0+00.000,10+00.000,1e39,10,0.013,0.001,2,,\n";

fs::path WriteTemporary(const std::string& name, const std::string& text) {
    fs::path path = fs::path(::testing::TempDir()) / name;
    std::ofstream(path, std::ios::binary) << text;
    return path;
}

fs::path NewFolder(const std::string& name) {
    fs::path folder = fs::path(::testing::TempDir()) / name;
    fs::remove_all(folder);
    fs::create_directories(folder);
    return folder;
}

std::vector<std::vector<std::string>> OutputRows(const std::string& out) {
    const cli::CsvReadResult read = cli::ReadCsv(out);
    EXPECT_TRUE(read.ok());
    std::vector<std::vector<std::string>> rows;
    for (const cli::CsvRecord& record : read.records) rows.push_back(record.cells);
    return rows;
}

// The profile command's arguments for the non-empty cells of a case.
std::vector<std::string> ProfileArgs(const std::vector<std::string>& cells) {
    static const char* const kOptions[] = {"--shape", "--units", "--start", "--end",     "--flow", "--width",
                                           "--n",     "--slope", "--side",  "--control", "--name"};
    std::vector<std::string> args = {"profile", "--format", "tsv"};
    for (std::size_t i = 0; i < 11; ++i) {
        if (!cells[i].empty()) args.insert(args.end(), {kOptions[i], cells[i]});
    }
    return args;
}

// The profile command's messages name options ("--flow: ..."), the batch's columns ("flow: ...").
std::string AsBatchMessage(std::string err) {
    std::string message;
    for (const std::string& line : Lines(err)) {
        std::string shown = line.rfind("--", 0) == 0 ? line.substr(2) : line;
        if (shown.rfind("start/--end", 0) == 0) shown.erase(6, 2);
        message += (message.empty() ? "" : "; ") + shown;
    }
    return message;
}

// Cells echoed from the input that a spreadsheet would compute come out as
// text; the numbers stay numbers.
TEST(BatchCommand, FormulaLikeCellsAreWrittenAsText) {
    const fs::path input = WriteTemporary(
        "formulas.csv", std::string(kHeader) +
                            "trapezoidal,english,0+00.000,10+00.000,100,10,0.013,0.001,2,,=1+1\n"
                            "trapezoidal,english,0+00.000,10+00.000,100,10,0.013,0.001,2,-1,@SUM(A1)\n"
                            "trapezoidal,english,0+00.000,10+00.000,100,10,0.013,0.001,2,,\"=HYPERLINK(\"\"x\"\")\"\n");
    const CliRun run = RunRilloCli({"batch", input.string()});
    const auto rows = OutputRows(run.out);
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[1][11], "'=1+1");
    EXPECT_EQ(rows[2][10], "-1");
    EXPECT_EQ(rows[2][11], "'@SUM(A1)");
    EXPECT_EQ(rows[3][11], "'=HYPERLINK(\"x\")");
    EXPECT_EQ(rows[1][14], "1.329") << "a computed number stays a number";
}

TEST(BatchCommand, AProfileShortOfTheFarEndIsOkAndSaysWhereItEnds) {
    const fs::path input = WriteTemporary(
        "short.csv", std::string(kHeader) + "trapezoidal,english,0+00.000,30+00.000,100,10,0.013,0.001,2,,\n");
    const CliRun run = RunRilloCli({"batch", input.string()});
    EXPECT_EQ(run.status, 0);
    const auto rows = OutputRows(run.out);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[1][20], "ok");
    EXPECT_EQ(rows[1][21], "The profile ends at 6+31.107, before the start station 0+00.000: its depth range is used up.");
}

TEST(BatchCommand, EveryRowEqualsTheProfileCommandsResult) {
    const fs::path input = WriteTemporary("cases.csv", std::string(kHeader) + kCases);
    const CliRun run = RunRilloCli({"batch", input.string(), "--jobs", "3"});
    EXPECT_EQ(run.status, 1);  // some cases fail or are refused
    EXPECT_EQ(run.err, "");
    const auto rows = OutputRows(run.out);
    ASSERT_EQ(rows.size(), 15u);
    EXPECT_EQ(
        rows[0],
        (std::vector<std::string>{
            "row",           "shape",       "units",          "start",         "end",       "flow",
            "width",         "n",           "slope",          "side",          "control",   "name",
            "normal_depth",  "normal_area", "critical_depth", "critical_area", "flow_type", "profile_type",
            "control_depth", "rows",        "status",         "message"}));
    EXPECT_EQ(run.out.find("\r\n"), run.out.find('\n') - 1);  // CR LF rows, as the table export writes

    const std::vector<std::string> statuses = {"ok",      "ok",      "ok",      "ok",      "ok",
                                               "failed",  "failed",  "refused", "refused", "refused",
                                               "refused", "refused", "refused", "refused"};
    const char* const exitStatus[] = {"ok", "failed", "refused"};
    for (std::size_t r = 1; r < rows.size(); ++r) {
        const std::vector<std::string>& row = rows[r];
        SCOPED_TRACE(r);
        ASSERT_EQ(row.size(), 22u);
        EXPECT_EQ(row[0], std::to_string(r));
        const std::vector<std::string> cells(row.begin() + 1, row.begin() + 12);
        EXPECT_EQ(row[20], statuses[r - 1]);

        const CliRun profile = RunRilloCli(ProfileArgs(cells));
        if (row[20] == "refused" && (cells[0] == "oval" || cells[1] == "metric")) {
            EXPECT_EQ(profile.status, 2);
            continue;  // the option parser words these its own way
        }
        EXPECT_EQ(row[20], exitStatus[profile.status]);
        const std::vector<std::string> lines = Lines(profile.out);
        if (profile.status == 2) {
            EXPECT_TRUE(lines.empty());
            for (std::size_t c = 12; c < 19; ++c) EXPECT_EQ(row[c], "");
            EXPECT_EQ(row[19], "0");
        } else {
            ASSERT_GE(lines.size(), 8u);
            // The batch writes them as spreadsheet cells ("----" as "'----").
            for (std::size_t c = 0; c < 7; ++c) {
                const std::vector<std::string> fields = Fields(lines[c]);
                ASSERT_EQ(fields.size(), 2u);
                EXPECT_EQ(row[12 + c], SpreadsheetCell(fields[1])) << lines[c];
            }
            EXPECT_EQ(row[19], std::to_string(lines.size() - 8));
        }
        EXPECT_EQ(row[21], AsBatchMessage(profile.err));
    }
    EXPECT_EQ(rows[1][19], "16");
    EXPECT_EQ(rows[2][1], "circular");  // the word as the option takes it, in any letter case
    EXPECT_EQ(rows[2][2], "english");   // an empty cell: the option's default
    EXPECT_EQ(rows[5][21].rfind("Warning: Manning's coefficient error: ", 0), 0u);
    EXPECT_EQ(rows[12][21], "shape: not a channel shape: trapezoidal, circular, u-shaped or elongated.");
    EXPECT_EQ(rows[13][21], "units: not a unit system: english or si.");
}

TEST(BatchCommand, OutputIsTheSameOnAnyNumberOfThreads) {
    std::string text = "flow,slope,shape,width,side,end\n";
    for (int i = 0; i < 300; ++i) {
        const char* shapes[] = {"trapezoidal", "circular", "u-shaped", "elongated"};
        text += std::to_string(1 + i % 40) + ",0.00" + std::to_string(1 + i % 9) + "," + shapes[i % 4] +
                ",2,1,10+00.000\n";
    }
    const fs::path input = WriteTemporary("threads.csv", text);
    const CliRun one = RunRilloCli({"batch", input.string(), "--jobs", "1"});
    const CliRun four = RunRilloCli({"batch", input.string(), "--jobs", "4"});
    EXPECT_EQ(one.out, four.out);
    EXPECT_EQ(one.status, four.status);
    EXPECT_EQ(OutputRows(one.out).size(), 301u);
}

TEST(BatchCommand, MalformedFilesExitTwoNamingTheLine) {
    struct Case {
        const char* name;
        std::string text;
        const char* message;
    };
    const std::vector<Case> cases = {
        {"unbalanced quotes", std::string(kHeader) + kCases + "\"circular,english\n",
         ", line 16: a quoted cell is"},
        {"binary junk",
         std::string("\x7f"
                     "ELF\x02\x01\x01\0\0\0",
                     10),
         ", line 1: a NUL byte"},
        {"header not UTF-8", "flow,n\xE9\n1,2\n", ", line 1: bytes that are not UTF-8 text in the header row."},
        {"open quote after refused rows", std::string(kHeader) + "1,2\n\xE9\n\"x\n",
         ", line 4: a quoted cell is"},
        {"empty file", "", ", line 1: the file is empty"},
        {"header only", kHeader, ", line 1: only the header row; no case follows it."},
        {"unknown column", "flow,q\n1,2\n", ", line 1: \"q\" is not a column"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const fs::path input = WriteTemporary("malformed.csv", c.text);
        const CliRun run = RunRilloCli({"batch", input.string()});
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err.rfind(input.string() + c.message, 0), 0u) << run.err;
    }
}

TEST(BatchCommand, RowsThatAreNoCasesAreRefusedAndTheRestComputed) {
    // No start column: every case starts at 0+00.000, as the profile command does.
    const std::string text =
        "end,flow,width,n,slope,side,name\n"
        "10+00.000,100,10,0.013,0.001,2,first\n"
        "10+00.000,100,10,0.013,0.001,2,second,extra\n"
        "10+00.000,100,10,0.013\n"
        "10+00.000,100,10,0.013,0.001,2,caf\xE9\n"
        "\"10+00.000\",100,10,0.013,0.001,2,\"two\nlines\"\n"
        "10+00.000,100,10,0.013,0.001,2,last\n";
    const CliRun run = RunRilloCli({"batch", WriteTemporary("rows.csv", text).string()});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "");
    ASSERT_TRUE(cli::ReadCsv(run.out).ok());
    for (const cli::CsvRecord& record : cli::ReadCsv(run.out).records) EXPECT_TRUE(record.utf8);
    const auto rows = OutputRows(run.out);
    ASSERT_EQ(rows.size(), 7u);
    const std::vector<std::pair<std::string, std::string>> expected = {
        {"ok", ""},
        {"refused", "line 3: a row of 8 cells where the header names 7 columns."},
        {"refused", "line 4: a row of 4 cells where the header names 7 columns."},
        {"refused", "line 5: bytes that are not UTF-8 text."},
        {"ok", ""},
        {"ok", ""},
    };
    const CliRun profile = RunRilloCli(With(kWorkedExample, {"--format", "tsv"}));
    for (std::size_t r = 1; r < rows.size(); ++r) {
        SCOPED_TRACE(r);
        EXPECT_EQ(rows[r][0], std::to_string(r));
        EXPECT_EQ(rows[r][20], expected[r - 1].first);
        EXPECT_EQ(rows[r][21], expected[r - 1].second);
        const bool ok = expected[r - 1].first == "ok";
        EXPECT_EQ(rows[r][1], ok ? "trapezoidal" : "");  // a row that is no case echoes nothing
        EXPECT_EQ(rows[r][3], ok ? "0+00.000" : "");
        if (ok) {
            EXPECT_EQ(rows[r][19], "16");
            EXPECT_EQ(rows[r][14], Fields(Lines(profile.out)[2])[1]);
        }
    }
}

TEST(BatchCommand, UnreadableInputsAndBadOptionsExitTwo) {
    const fs::path cases = WriteTemporary("good.csv", std::string(kHeader) + kCases);
    const fs::path folder = NewFolder("a-folder");
    const fs::path fifo = fs::path(::testing::TempDir()) / "cases.fifo";
    fs::remove(fifo);
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    // A pipe that a writer fills with a case file and closes.
    std::thread writer([&] { std::ofstream(fifo) << kHeader << kCases; });
    const CliRun fromPipe = RunRilloCli({"batch", fifo.string()});
    writer.join();
    EXPECT_EQ(fromPipe.status, 1);
    EXPECT_EQ(OutputRows(fromPipe.out).size(), 15u);

    struct Case {
        std::vector<std::string> args;
        const char* message;
    };
    const std::vector<Case> bad = {
        {{"batch", "/nonexistent/cases.csv"}, "/nonexistent/cases.csv: cannot read the cases: No such file"},
        {{"batch", folder.string()}, "cannot read the cases: a folder, not a file."},
        {{"batch", "/dev/zero"}, "/dev/zero, line 1: a NUL byte"},
        {{"batch", cases.string(), "--tables", cases.string()}, " is not a folder."},
        {{"batch", cases.string(), "--tables", "/nonexistent/folder"},
         "--tables: /nonexistent/folder is not"},
        {{"batch", cases.string(), "--jobs", "0"}, "--jobs"},
        {{"batch"}, "file is required"},
    };
    for (const Case& c : bad) {
        SCOPED_TRACE(c.args.back());
        const CliRun run = RunRilloCli(c.args);
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.out, "");
        EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
    }
}

TEST(BatchCommand, OutputFileIsWrittenWholeOrNotAtAll) {
    const fs::path input = WriteTemporary("out-cases.csv", std::string(kHeader) + kCases);
    const fs::path folder = NewFolder("batch-output");
    const fs::path output = folder / "results.csv";
    const CliRun run = RunRilloCli({"batch", input.string(), "--output", output.string()});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "");
    const CliRun toStandardOutput = RunRilloCli({"batch", input.string()});
    std::ifstream in(output, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), toStandardOutput.out);

    const CliRun nowhere =
        RunRilloCli({"batch", input.string(), "--output", (folder / "missing" / "results.csv").string()});
    EXPECT_EQ(nowhere.status, 1);
    EXPECT_NE(nowhere.err.find("--output: cannot write "), std::string::npos) << nowhere.err;
}

TEST(BatchCommand, TablesAreProfileFilesThatNeverReplaceOne) {
    const fs::path folder = NewFolder("batch-tables");
    std::ofstream(folder / "pipe.flo") << "the engineer's own file";
    const fs::path input =
        WriteTemporary("tables.csv", std::string(kHeader) + kCases +
                                         "circular,,0+00.000,10+00.000,5,2,0.013,0.001,,,pipe\n"
                                         "circular,,0+00.000,10+00.000,5,2,0.013,0.001,,,../pipe\n");
    const CliRun run = RunRilloCli({"batch", input.string(), "--tables", folder.string()});
    EXPECT_EQ(run.status, 1);
    const auto rows = OutputRows(run.out);
    ASSERT_EQ(rows.size(), 17u);

    std::ifstream own(folder / "pipe.flo");
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(own), {}), "the engineer's own file");
    // A computed case has its file; a refused one none; one that failed part way
    // the rows it computed, as the profile command's flo output has them.
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) names.insert(entry.path().filename().string());
    EXPECT_EQ(names, (std::set<std::string>{"pipe.flo", "pipe-2.flo", "pipe-3.flo", "_pipe.flo",
                                            "Worked example.flo", "row-3.flo", "row-4.flo", "rough.flo",
                                            "into the crown.flo"}));
    const ProfileReadResult opened = ReadProfileFile((folder / "Worked example.flo").string());
    ASSERT_TRUE(opened.ok()) << opened.reason;
    EXPECT_EQ(opened.document.channelName, "Worked example");
    EXPECT_EQ(opened.document.summary.normalDepth, "1.721");

    const CliRun profile =
        RunRilloCli({"profile", "--shape", "circular", "--end", "10+00.000", "--flow", "5", "--width", "2",
                     "--n", "0.013", "--slope", "0.001", "--name", "pipe", "--format", "flo"});
    std::ifstream second(folder / "pipe-2.flo", std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(second), {}), profile.out);
}

TEST(BatchCommand, EveryTableWrittenOpensAgain) {
    const fs::path folder = NewFolder("batch-long-names");
    // A name cell past the longest row a batch holds is refused before it is
    // computed, as one past the size of profile file the program opens would be.
    const std::string longName(kMaxProfileFileBytes, 'n');
    const CliRun run = RunRilloCli(
        {"batch",
         WriteTemporary("long.csv", "end,flow,width,n,slope,side,name\n"
                                    "10+00.000,100,10,0.013,0.001,2," + longName + "\n"
                                    "10+00.000,100,10,0.013,0.001,2," + std::string(1000, 'm') + "\n")
             .string(),
         "--tables", folder.string()});
    EXPECT_EQ(run.status, 1);
    const auto rows = OutputRows(run.out);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[1][20], "refused");
    EXPECT_EQ(rows[1][21], "line 2: the name cell is longer than 1 MiB.");
    EXPECT_EQ(rows[2][20], "ok");
    std::vector<fs::path> written;
    for (const auto& entry : fs::directory_iterator(folder)) written.push_back(entry.path());
    ASSERT_EQ(written.size(), 1u);
    const ProfileReadResult opened = ReadProfileFile(written[0]);
    ASSERT_TRUE(opened.ok()) << opened.reason;
    EXPECT_EQ(opened.document.channelName, std::string(1000, 'm'));
}

TEST(BatchCommand, ATableThatCannotBeWrittenFailsItsRowAndTheBatchGoesOn) {
    if (::geteuid() == 0) GTEST_SKIP() << "root writes into any folder";
    const fs::path folder = NewFolder("batch-read-only");
    fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec);
    const fs::path input = WriteTemporary("ro.csv", std::string(kHeader) + kCases);
    const CliRun run = RunRilloCli({"batch", input.string(), "--tables", folder.string()});
    fs::permissions(folder, fs::perms::owner_all);
    EXPECT_EQ(run.status, 1);
    const auto rows = OutputRows(run.out);
    ASSERT_EQ(rows.size(), 15u);
    EXPECT_EQ(rows[1][20], "failed");
    EXPECT_NE(rows[1][21].find("Cannot write the profile file "), std::string::npos);
    EXPECT_NE(rows[1][21].find("Permission denied"), std::string::npos);
    EXPECT_EQ(rows[9][20], "refused");  // nothing to write: the refusal stands
    EXPECT_TRUE(fs::is_empty(folder));
}

// The records of a result text as they stand, line ends included: a record
// ends at a CR LF outside double quotes.
std::vector<std::string> RawRecords(const std::string& text) {
    std::vector<std::string> records(1);
    bool quoted = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        records.back() += text[i];
        if (text[i] == '"') quoted = !quoted;
        if (!quoted && text[i] == '\n' && i > 0 && text[i - 1] == '\r' && i + 1 < text.size()) records.emplace_back();
    }
    return records;
}

TEST(BatchCommand, ShardsJoinBackToTheWholeStudy) {
    // Refused rows and a cell over two lines belong to their shard too.
    const fs::path input = WriteTemporary(
        "shards.csv", std::string(kHeader) + kCases + "1,2\n" +
                          "circular,,0+00.000,10+00.000,5,2,0.013,0.001,,,\"two\r\nlines\"\n" + kCases);
    const CliRun whole = RunRilloCli({"batch", input.string()});
    const std::vector<std::string> all = RawRecords(whole.out);
    ASSERT_EQ(all.size(), 31u);
    std::vector<std::vector<std::string>> parts;
    for (const char* shard : {"1/3", "2/3", "3/3"}) {
        const CliRun part = RunRilloCli({"batch", input.string(), "--shard", shard, "--jobs", "2"});
        EXPECT_EQ(part.status, 1);
        EXPECT_EQ(part.err, "");
        parts.push_back(RawRecords(part.out));
        ASSERT_EQ(parts.back().size(), 11u);
        EXPECT_EQ(parts.back()[0], all[0]);  // each part has the header
    }
    // Row r is in part (r - 1) mod 3, in the order of the file.
    std::string joined = all[0];
    for (std::size_t row = 1; row < all.size(); ++row) joined += parts[(row - 1) % 3][(row - 1) / 3 + 1];
    EXPECT_EQ(joined, whole.out);
    EXPECT_EQ(OutputRows(parts[1][1])[0][0], "2");

    const CliRun one = RunRilloCli({"batch", input.string(), "--shard", "1/1"});
    EXPECT_EQ(one.out, whole.out);
    // More parts than rows: a part may hold no row.
    const CliRun empty = RunRilloCli({"batch", input.string(), "--shard", "40/40"});
    EXPECT_EQ(empty.status, 0);
    EXPECT_EQ(empty.out, all[0]);
}

TEST(BatchCommand, ShardsThatAreNoPartAreRefusedNamingTheOption) {
    const fs::path input = WriteTemporary("shard-bad.csv", std::string(kHeader) + kCases);
    for (const char* shard : {"0/3", "4/3", "a/b", "1/0", "3", "1/", "/3", "-1/3", " 1/3", "1/3/4", "+1/3",
                              "1/99999999999999999999", ""}) {
        SCOPED_TRACE(shard);
        const CliRun run = RunRilloCli({"batch", input.string(), "--shard", shard});
        if (std::string(shard).empty()) {
            EXPECT_EQ(run.status, 1);  // no --shard: every row
            continue;
        }
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err.rfind("--shard: \"" + std::string(shard).substr(0, 40) + "\" is no part of a study", 0), 0u)
            << run.err;
    }
}

TEST(BatchCommand, RowsPastTheLongestARowMayBeAreRefusedUnread) {
    const std::string big(cli::kMaxBatchRowBytes + 1, 'x');
    const std::string ok = "10+00.000,100,10,0.013,0.001,2,fine\n";
    const std::string header = "end,flow,width,n,slope,side,name\n";
    const std::string text = header + ok + "10+00.000,100,10,0.013,0.001,2," + big + "\n" +
                             "10+00.000,100,10,0.013,0.001,2,\"" + big + "\n" + big + "\"\n" +  // over two lines
                             "10+00.000," + std::string(cli::kMaxBatchRowBytes / 2, '1') + ",10,0.013,0.001,2," +
                             std::string(cli::kMaxBatchRowBytes / 2, 'y') + "\n" + ok;
    const CliRun run = RunRilloCli({"batch", WriteTemporary("long-rows.csv", text).string()});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "");
    const auto rows = OutputRows(run.out);
    ASSERT_EQ(rows.size(), 6u);
    const std::vector<std::pair<std::string, std::string>> expected = {
        {"ok", ""},
        {"refused", "line 3: the name cell is longer than 1 MiB."},
        {"refused", "line 4: the name cell is longer than 1 MiB."},
        {"refused", "line 6: the row is longer than 1 MiB."},
        {"ok", ""},
    };
    for (std::size_t r = 1; r < rows.size(); ++r) {
        EXPECT_EQ(rows[r][20], expected[r - 1].first) << r;
        EXPECT_EQ(rows[r][21], expected[r - 1].second) << r;
        EXPECT_LT(rows[r][11].size(), 10u) << "a refused row echoes nothing";
    }

    // A header that long is no header: nothing can be read after it.
    const CliRun header2 = RunRilloCli({"batch", WriteTemporary("long-header.csv", big + "\n" + ok).string()});
    EXPECT_EQ(header2.status, 2);
    EXPECT_EQ(header2.out, "");
    EXPECT_NE(header2.err.find(", line 1: the header row is longer than 1 MiB."), std::string::npos) << header2.err;
}

// A pipe that a writer fills with `text` and closes.
struct PipeOfCases {
    fs::path path;
    std::thread writer;
    PipeOfCases(const std::string& name, std::string text) : path(fs::path(::testing::TempDir()) / name) {
        fs::remove(path);
        EXPECT_EQ(::mkfifo(path.c_str(), 0600), 0);
        writer = std::thread([this, text = std::move(text)] { std::ofstream(path, std::ios::binary) << text; });
    }
    ~PipeOfCases() { writer.join(); }
};

TEST(BatchCommand, AFailureMidStreamLeavesTheOutputFileAsItWas) {
    const fs::path folder = NewFolder("batch-mid-stream");
    const fs::path output = folder / "results.csv";
    std::string many = kHeader;
    for (int i = 0; i < 200; ++i) many += kCases;  // 2,800 rows: more than one piece of output
    auto untouched = [&] {
        std::ifstream in(output, std::ios::binary);
        EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "the old results");
        std::size_t files = 0;
        for (const auto& entry : fs::directory_iterator(folder)) files += entry.exists() ? 1 : 0;
        EXPECT_EQ(files, 1u) << "a temporary file is left";
    };
    std::ofstream(output) << "the old results";

    {  // a quoted cell left open at the end of a pipe stops the run
        PipeOfCases pipe("late-fault.fifo", many + "\"open\n");
        const CliRun run = RunRilloCli({"batch", pipe.path.string(), "--output", output.string(), "--jobs", "2"});
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.out, "");
        EXPECT_NE(run.err.find(", line 2802: a quoted cell is not closed"), std::string::npos) << run.err;
    }
    untouched();

    {  // the disk fills up
        DiskFullIo full;
        cli::BatchOptions options;
        options.input = WriteTemporary("full.csv", many).string();
        options.output = output.string();
        std::ostringstream out, err;
        EXPECT_EQ(cli::RunBatch(options, out, err, full), 1);
        EXPECT_EQ(err.str(), "--output: cannot write " + output.string() + ": No space left on device\n");
    }
    untouched();

    // Through a pipe, the rows before the fault were written as they came.
    PipeOfCases pipe("late-fault-out.fifo", many + "\"open\n");
    const CliRun streamed = RunRilloCli({"batch", pipe.path.string()});
    EXPECT_EQ(streamed.status, 2);
    EXPECT_EQ(OutputRows(streamed.out).size(), 2801u);
}

}  // namespace
}  // namespace rillo::testing

namespace rillo::testing {
namespace {

TEST(BatchCommand, ProgressLineOnATerminalEndsWithEveryCase) {
    cli::BatchOptions options;
    options.input = WriteTemporary("progress.csv", std::string(kHeader) + kCases).string();
    options.progress = true;
    std::ostringstream out, err;
    EXPECT_EQ(cli::RunBatchCommand(options, out, err), 1);
    EXPECT_EQ(err.str().rfind("\rComputed ", 0), 0u) << err.str();
    EXPECT_EQ(err.str().substr(err.str().rfind('\r')), "\rComputed 14 of 14 cases\n");
    EXPECT_EQ(OutputRows(out.str()).size(), 15u);
}

}  // namespace
}  // namespace rillo::testing
