#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <thread>

#include "cli/batch_cases.h"
#include "cli/csv_reader.h"
#include "cli/ordered_work.h"
#include "cli/table_files.h"
#include "tests/support/disk_full_io.h"

namespace rillo::cli {
namespace {

using Cells = std::vector<std::string>;

TEST(CsvReader, ReadsQuotingLineEndsAndTheByteOrderMark) {
    struct Case {
        const char* name;
        std::string text;
        std::vector<Cells> records;
        std::vector<std::size_t> lines;
    };
    const std::vector<Case> cases = {
        {"plain", "a,b\n1,2\n", {{"a", "b"}, {"1", "2"}}, {1, 2}},
        {"no final line end", "a,b\n1,2", {{"a", "b"}, {"1", "2"}}, {1, 2}},
        {"CR LF", "a,b\r\n1,2\r\n", {{"a", "b"}, {"1", "2"}}, {1, 2}},
        {"lone CR", "a\r1\r", {{"a"}, {"1"}}, {1, 2}},
        {"byte-order mark", "\xEF\xBB\xBFname\nx\n", {{"name"}, {"x"}}, {1, 2}},
        {"embedded comma", "a\n\"1,5\"\n", {{"a"}, {"1,5"}}, {1, 2}},
        {"doubled quotes", "a\n\"say \"\"hi\"\"\"\n", {{"a"}, {"say \"hi\""}}, {1, 2}},
        {"line break in quotes",
         "a,b\n\"x\r\ny\",2\n3,4\n",
         {{"a", "b"}, {"x\r\ny", "2"}, {"3", "4"}},
         {1, 2, 4}},
        {"empty cells", ",\n,,\n", {{"", ""}, {"", "", ""}}, {1, 2}},
        {"blank lines skipped, counted", "a\n\n\r\nb\n", {{"a"}, {"b"}}, {1, 4}},
        {"quoted empty cell is a record", "a\n\"\"\n", {{"a"}, {""}}, {1, 2}},
        {"UTF-8 name", "name\nDurchlass \xC3\xBC\n", {{"name"}, {"Durchlass \xC3\xBC"}}, {1, 2}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const CsvReadResult read = ReadCsv(c.text);
        ASSERT_TRUE(read.ok()) << read.error->reason;
        ASSERT_EQ(read.records.size(), c.records.size());
        for (std::size_t i = 0; i < c.records.size(); ++i) {
            EXPECT_EQ(read.records[i].cells, c.records[i]);
            EXPECT_EQ(read.records[i].line, c.lines[i]);
        }
    }
}

TEST(CsvReader, RefusesMalformedTextAtItsFirstFaultyLine) {
    struct Case {
        std::string text;
        std::size_t line;
        const char* reason;
    };
    const std::vector<Case> cases = {
        {"a\n1\n\"open\n2\n3\n", 3, "a quoted cell is not closed"},
        {"a\n\"x\ny\"z\n", 3, "text after the closing double quote"},
        {"a,b\n1,2\"3\n", 2, "a double quote inside a cell"},
        {std::string("a\n1\n\0\0\x01", 7), 3, "a NUL byte"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const CsvReadResult read = ReadCsv(c.text);
        ASSERT_FALSE(read.ok());
        EXPECT_EQ(read.error->line, c.line);
        EXPECT_NE(read.error->reason.find(c.reason), std::string::npos) << read.error->reason;
    }
}

TEST(CsvReader, MarksTheRecordsThatAreNotUtf8) {
    const std::vector<std::pair<std::string, std::vector<bool>>> cases = {
        {"a\n1\n2\n\xFF\xFE\n3\n", {true, true, true, false, true}},
        {"a\n\xC0\xAF\n3\n", {true, false, true}},                // an overlong "/"
        {"a\n\xED\xA0\x80\n3\n", {true, false, true}},            // a surrogate
        {"a\n\"x\ny\xE9\",z\n3\n", {true, false, true}},           // in a quoted cell over two lines
        {"a\r\n\r\n3\n\xE2\x82", {true, true, false}},            // cut short at the end
        {"a\n\xE2\n\x82\xAC\n3\n", {true, false, false, true}},   // a character split by a line end
    };
    for (const auto& [text, utf8] : cases) {
        SCOPED_TRACE(text);
        const CsvReadResult read = ReadCsv(text);
        ASSERT_TRUE(read.ok()) << read.error->reason;
        ASSERT_EQ(read.records.size(), utf8.size());
        for (std::size_t i = 0; i < utf8.size(); ++i) EXPECT_EQ(read.records[i].utf8, utf8[i]) << i;
    }
}

// A source that hands on one byte at a time: every record, line end,
// byte-order mark and fault then falls across the reader's refills.
class OneByteSource final : public ByteSource {
   public:
    explicit OneByteSource(std::string_view text) : text_(text) {}
    std::size_t Read(char* data, std::size_t size) override { return text_.Read(data, std::min<std::size_t>(size, 1)); }

   private:
    TextSource text_;
};

TEST(CsvReader, ReadsTheSameInPiecesOfAnySize) {
    const std::vector<std::string> texts = {
        "\xEF\xBB\xBFname\nx\n", "a,b\r\n1,2\r\n", "a\r1\r", "a,b\n\"x\r\ny\",2\n3,4\n", "a\n\n\r\nb\n",
        "a\n\"\"\n",                "a\n1\n\"open\n2\n3\n", "a\n\"x\ny\"z\n",     std::string("a\n1\n\0\0\x01", 7),
        "a\n\xE2\n\x82\xAC\n3\n",   "a\r\n\r\n3\n\xE2\x82", "a,b\n1,2\"3\nq\r\0"};
    for (const std::string& text : texts) {
        SCOPED_TRACE(text);
        const CsvReadResult whole = ReadCsv(text);
        OneByteSource source(text);
        CsvReader reader(source);
        std::size_t n = 0;
        for (CsvRecord record; reader.Next(record); ++n) {
            ASSERT_LT(n, whole.records.size());
            EXPECT_EQ(record.cells, whole.records[n].cells);
            EXPECT_EQ(record.line, whole.records[n].line);
            EXPECT_EQ(record.utf8, whole.records[n].utf8);
        }
        EXPECT_EQ(n, whole.records.size());
        ASSERT_EQ(reader.error().has_value(), whole.error.has_value());
        if (whole.error) {
            EXPECT_EQ(reader.error()->line, whole.error->line);
            EXPECT_EQ(reader.error()->reason, whole.error->reason);
        }
    }
}

TEST(CsvReader, RecordsPastTheLimitAreCountedNotKept) {
    struct Case {
        std::string text;
        std::size_t longCell;  // npos: only the cells together are too long
        std::size_t cells;
    };
    const std::size_t none = std::string::npos;
    const std::vector<Case> cases = {
        {"0123456789ab,c\n", 0, 2},
        {"a,0123456789ab\n", 1, 2},
        {"abcd,efgh,ijkl\n", none, 3},
        {"\"0123\n4567\r\n89ab\"\"\",c\n", 0, 2},  // quoted, over three lines
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const std::string text = "head\n" + c.text + "after,it\n";
        TextSource source(text);
        CsvReader reader(source, 10);
        CsvRecord record;
        ASSERT_TRUE(reader.Next(record));
        EXPECT_FALSE(record.tooLong);
        ASSERT_TRUE(reader.Next(record));
        EXPECT_TRUE(record.tooLong);
        EXPECT_EQ(record.longCell, c.longCell);
        EXPECT_EQ(record.cells, Cells(c.cells, ""));
        ASSERT_TRUE(reader.Next(record));
        EXPECT_FALSE(record.tooLong);
        EXPECT_EQ(record.cells, (Cells{"after", "it"}));
        EXPECT_EQ(record.line, 3u + std::count(c.text.begin(), c.text.end() - 1, '\n'));
        EXPECT_FALSE(reader.Next(record));
        EXPECT_FALSE(reader.error());
    }
}

TEST(BatchCases, HeaderNamesColumnsInAnyOrderAndCase) {
    const BatchCasesResult read = ReadBatchCases(" Flow ,SHAPE\n100,circular\n");
    ASSERT_FALSE(read.error);
    ASSERT_EQ(read.cases.size(), 1u);
    EXPECT_EQ(read.cases[0].row, 1u);
    EXPECT_EQ(read.cases[0].cells[ColumnOf(InputField::Flowrate)], "100");
    EXPECT_EQ(read.cases[0].cells[kShapeColumn], "circular");
    EXPECT_EQ(read.cases[0].cells[ColumnOf(InputField::ManningN)], "");
}

TEST(BatchCases, RefusesBadHeadersAndRowsOfTheWrongLength) {
    struct Case {
        std::string text;
        std::size_t line;
        const char* reason;
    };
    const std::vector<Case> cases = {
        {"", 1, "the file is empty"},
        {"\n\r\n", 1, "the file is empty"},
        {"flow,n\n", 1, "only the header row"},
        {"flow,depth\n1,2\n", 1, "\"depth\" is not a column"},
        {"flow,FLOW\n1,2\n", 1, "the column \"flow\" is named twice"},
        {"flow,\xE9\n1,2\n", 1, "bytes that are not UTF-8 text in the header row"},
        {"fl\x01ow\n1\n", 1, "\"fl?ow\" is not a column"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const BatchCasesResult read = ReadBatchCases(c.text);
        ASSERT_TRUE(read.error);
        EXPECT_TRUE(read.cases.empty());
        EXPECT_EQ(read.error->line, c.line);
        EXPECT_NE(read.error->reason.find(c.reason), std::string::npos) << read.error->reason;
    }
}

TEST(BatchCases, RowsOfTheWrongLengthOrNotUtf8CarryTheirRefusal) {
    const BatchCasesResult read = ReadBatchCases("flow,n\n1,2\n1,2,3\n\"a\nb\",2\n1\n3,\xFF\n4,5\n");
    ASSERT_FALSE(read.error);
    const std::vector<std::string> refusals = {"",
                                               "line 3: a row of 3 cells where the header names 2 columns.",
                                               "",
                                               "line 6: a row of 1 cells where the header names 2 columns.",
                                               "line 7: bytes that are not UTF-8 text.",
                                               ""};
    ASSERT_EQ(read.cases.size(), refusals.size());
    for (std::size_t i = 0; i < refusals.size(); ++i) {
        EXPECT_EQ(read.cases[i].row, i + 1);
        EXPECT_EQ(read.cases[i].refusal, refusals[i]);
        EXPECT_EQ(read.cases[i].cells[ColumnOf(InputField::Flowrate)].empty(), !refusals[i].empty());
        // No start column: the profile command's default start station.
        EXPECT_EQ(read.cases[i].cells[kStartColumn], refusals[i].empty() ? "0+00.000" : "");
    }
}

TEST(TableFiles, FileStemsStayInTheirFolder) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"Reach 1", "Reach 1"},
        {"../../etc/passwd", "_.._etc_passwd"},
        {"..", "row-7"},
        {"  . ", "row-7"},
        {"", "row-7"},
        {"a:b*c?\"d\"<e>|f\\g", "a_b_c__d__e__f_g"},
        {"tab\there\x7f", "tab_here_"},
        {"c1\xC2\x85x", "c1_x"},
        {".hidden.", "hidden"},
        {std::string(99, 'x') + "\xC3\xBC", std::string(99, 'x')},  // no half character at the cut
    };
    for (const auto& [name, stem] : cases) EXPECT_EQ(SafeFileStem(name, 7), stem) << name;
}

TEST(TableFiles, NewFilesTakeNumbersAndAFailedWriteLeavesNothing) {
    namespace fs = std::filesystem;
    const fs::path folder = fs::path(::testing::TempDir()) / "new-file-writer";
    fs::remove_all(folder);
    fs::create_directories(folder);
    std::ofstream(folder / "a-2.flo") << "kept";
    NewFileWriter writer(folder);
    const std::vector<std::string> expected = {"a.flo", "a-3.flo", "a-4.flo"};
    for (const std::string& name : expected) {
        const NewFileWriter::Written written = writer.Write("a", "bytes");
        EXPECT_EQ(written.error, "");
        EXPECT_EQ(written.path, (folder / name).string());
    }
    std::ifstream kept(folder / "a-2.flo");
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(kept), {}), "kept");

    rillo::testing::DiskFullIo full;
    const NewFileWriter::Written failed = NewFileWriter(folder, full).Write("b", "bytes");
    EXPECT_EQ(failed.error, "No space left on device");
    EXPECT_FALSE(fs::exists(folder / "b.flo"));
}

TEST(OrderedWork, HandsResultsOnInOrderOnAnyNumberOfThreads) {
    for (unsigned jobs : {1u, 2u, 7u}) {
        std::vector<std::size_t> seen;
        RunInOrder(
            500, jobs,
            [](std::size_t i) {
                // Later items finish first now and then.
                if (i % 50 == 0) std::this_thread::sleep_for(std::chrono::milliseconds(2));
                return i * i;
            },
            [&](std::size_t i, std::size_t square) {
                EXPECT_EQ(square, i * i);
                seen.push_back(i);
                return true;
            });
        ASSERT_EQ(seen.size(), 500u);
        for (std::size_t i = 0; i < seen.size(); ++i) ASSERT_EQ(seen[i], i);
    }
}

TEST(OrderedWork, AStreamKeepsItsOrderWithABoundedWindow) {
    for (unsigned jobs : {1u, 3u}) {
        constexpr std::size_t kWindow = 5;
        std::size_t taken = 0, consumed = 0, mostInFlight = 0;
        RunStreamInOrder<std::size_t>(
            jobs, kWindow,
            [&](std::size_t& item) {
                if (taken == 2000) return false;
                item = taken++;
                mostInFlight = std::max(mostInFlight, taken - consumed);
                return true;
            },
            [](std::size_t& item) {
                // Costs that vary, so that later items finish first.
                if (item % 7 == 0) std::this_thread::sleep_for(std::chrono::microseconds(200));
                return item * 3;
            },
            [&](std::size_t& item, std::size_t result) {
                EXPECT_EQ(item, consumed);
                EXPECT_EQ(result, item * 3);
                ++consumed;
                return true;
            });
        EXPECT_EQ(consumed, 2000u);
        EXPECT_LE(mostInFlight, jobs == 1 ? 1u : kWindow);
    }
}

TEST(OrderedWork, StopsWhenTheConsumerSaysSoOrThrows) {
    std::atomic<std::size_t> computed{0};
    std::size_t consumed = 0;
    RunInOrder(
        100000, 3,
        [&](std::size_t) {
            std::this_thread::sleep_for(std::chrono::microseconds(20));
            return ++computed;
        },
        [&](std::size_t i, std::size_t) { return ++consumed, i < 9; });
    EXPECT_EQ(consumed, 10u);
    EXPECT_LT(computed.load(), 100000u);

    // The threads are joined before the exception leaves: no terminate.
    EXPECT_THROW(RunInOrder(
                     1000, 3, [](std::size_t i) { return i; },
                     [](std::size_t i, std::size_t) -> bool {
                         if (i == 5) throw std::runtime_error("full");
                         return true;
                     }),
                 std::runtime_error);
}

}  // namespace
}  // namespace rillo::cli
