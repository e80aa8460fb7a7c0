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
    EXPECT_EQ(table[1], (std::vector<std::string>{"m", "m", "m", "m^2", "m/s", "Width, m", "cms", "Number",
                                                  "Head, m", "Radius, m", "Per, m"}));
    for (std::size_t i = 0; i < rows; ++i) {
        EXPECT_EQ(table[i + 2],
                  std::vector<std::string>(document.table[i].cells.begin(), document.table[i].cells.end()));
    }
}

}  // namespace
}  // namespace rillo
