#include "documents/report/table_text.h"

#include <gtest/gtest.h>

#include "tests/support/sample_profiles.h"

namespace rillo {
namespace {

TEST(TableText, CsvQuotesOnlyWhatNeedsItAndEndsRowsWithCrLf) {
    const TextTable table = {{"Station", "a,b", "say \"hi\"", ""}, {"line\nbreak", "0.000", "ft^2", "µ"}};
    EXPECT_EQ(CommaSeparatedText(table),
              "Station,\"a,b\",\"say \"\"hi\"\"\",\r\n\"line\nbreak\",0.000,ft^2,µ\r\n");
}

TEST(TableText, TabTextKeepsEveryCellInItsPlace) {
    const TextTable table = {{"a\tb", "", "c"}, {"x\r\ny", "1.000", ""}};
    EXPECT_EQ(TabSeparatedText(table), "a b\t\tc\nx  y\t1.000\t\n");
}

// Cells a spreadsheet would compute get an apostrophe in front, in both
// forms; plain numbers, signed or not, stay numbers.
TEST(TableText, CellsThatASpreadsheetWouldComputeAreWrittenAsText) {
    const struct {
        std::string cell, csv, tsv;
    } cases[] = {
        {"-1+50.000", "'-1+50.000", "'-1+50.000"},
        {"=1+1", "'=1+1", "'=1+1"},
        {"@SUM(A1)", "'@SUM(A1)", "'@SUM(A1)"},
        {"+1+2", "'+1+2", "'+1+2"},
        {"----", "'----", "'----"},
        {"-", "'-", "'-"},
        {"--width: Only numbers", "'--width: Only numbers", "'--width: Only numbers"},
        {"=HYPERLINK(\"x\",\"y\")", "\"'=HYPERLINK(\"\"x\"\",\"\"y\"\")\"", "'=HYPERLINK(\"x\",\"y\")"},
        {"\t=1", "'\t=1", "' =1"},
        {"\r=1", "\"'\r=1\"", "' =1"},
        {"-inf", "'-inf", "'-inf"},
        {"-1.5", "-1.5", "-1.5"},
        {"+2e-3", "+2e-3", "+2e-3"},
        {"-.5", "-.5", "-.5"},
        {"-1e999", "-1e999", "-1e999"},
        {"1+50.000", "1+50.000", "1+50.000"},
        {"a=b", "a=b", "a=b"},
        {" =1", " =1", " =1"},
        {"", "", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.cell);
        EXPECT_EQ(CommaSeparatedText({{c.cell}}), c.csv + "\r\n");
        EXPECT_EQ(TabSeparatedText({{c.cell}}), c.tsv + "\n");
    }
    // A sign followed by a million digits is a number, read without recursion.
    const std::string huge = "-" + std::string(1000000, '7');
    EXPECT_EQ(SpreadsheetCell(huge), huge);
    EXPECT_EQ(SpreadsheetCell(huge + "x"), "'" + huge + "x");
}

TEST(TableText, TheProfileTableHasBothHeadingRowsAndStopsAtTheFirstEmptyStation) {
    ProfileDocument document = testing::ComputeSampleDocument(testing::SampleTexts(ChannelType::Circular),
                                                              ChannelType::Circular, UnitSystem::SI);
    const std::size_t rows = document.table.size();
    ASSERT_GT(rows, 2u);
    document.table.push_back(ProfileRow{});            // an empty station ends the table
    document.table.push_back(document.table.front());  // and hides what follows
    const TextTable table = ProfileTableWithHeadings(document);
    ASSERT_EQ(table.size(), rows + 2);
    EXPECT_EQ(table[0], (std::vector<std::string>{"Station", "Depth", "Specific", "Area", "Velocity", "Top",
                                                  "Momentum", "Froude", "Velocity", "Hydraulic", "Wetted"}));
    EXPECT_EQ(table[1], (std::vector<std::string>{"m", "m", "m", "m^2", "m/s", "Width, m", "m^3", "Number",
                                                  "Head, m", "Radius, m", "Per, m"}));
    for (std::size_t i = 0; i < rows; ++i) {
        EXPECT_EQ(table[i + 2],
                  std::vector<std::string>(document.table[i].cells.begin(), document.table[i].cells.end()));
    }
}

}  // namespace
}  // namespace rillo
