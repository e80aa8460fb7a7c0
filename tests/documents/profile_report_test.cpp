#include <gtest/gtest.h>

#include <QString>

#include "documents/print_profile_report.h"
#include "documents/report/long_date.h"
#include "tests/support/recording_line_printer.h"
#include "tests/support/sample_profiles.h"

namespace rillo {
namespace {

using testing::PrintedDocument;
using testing::PrintedLine;
using testing::RecordingLinePrinter;

const CalendarDate kMonday{2024, 3, 4};

// "10 | 30:Length = 1000 | 65:...": the font size (a "b" when emphasised), then
// each text at its column. Not every font is Times New Roman 12 or 10 pt: the
// family is checked apart.
std::string Describe(const PrintedLine& line) {
    QString text = QString::number(line.font.pointSize) + (line.font.emphasised ? "b" : "");
    for (const auto& printed : line.texts) {
        text += " | " + QString::number(printed.column) + ":" + QString::fromStdString(printed.text);
    }
    return text.toStdString();
}

std::vector<std::string> Describe(const PrintedDocument& document, std::size_t first, std::size_t count) {
    std::vector<std::string> lines;
    for (std::size_t i = first; i < std::min(first + count, document.lines.size()); ++i) {
        lines.push_back(Describe(document.lines[i]));
    }
    return lines;
}

PrintedDocument Print(const ProfileDocument& document, int copies = 1, int linesPerPage = 60) {
    PrintedDocument record;
    RecordingLinePrinter printer(record, 130, linesPerPage);
    EXPECT_EQ(PrintProfileReport(printer, document, kMonday, copies), std::nullopt);
    EXPECT_TRUE(record.ended);
    return record;
}

ProfileDocument WorkedExample() {
    return testing::ComputeSampleDocument(testing::WorkedExampleTexts(), ChannelType::Trapezoidal,
                                          UnitSystem::English);
}

TEST(ProfileReport, TheWorkedExampleIsLaidOutLineByLine) {
    const ProfileDocument document = WorkedExample();
    const PrintedDocument report = Print(document);
    ASSERT_EQ(report.lines.size(), 13u + 16u + 1u);
    EXPECT_EQ(Describe(report, 0, 14),
              (std::vector<std::string>{
                  "12",
                  "12",
                  "12 | 49:STEADY-STATE WATER-SURFACE PROFILE",
                  "12b | 56.5:Trapezoidal Channel",
                  "10 | 55.5:Monday, March 4, 2024",
                  "10 | 59.5:English Units",
                  "10",
                  "10 | 30:Length = 1000 | 65:Normal Depth = 1.721 | 99:XSec Area = 23.138",
                  "10 | 30:Discharge = 100 | 65:Critical Depth = 1.329 | 99:XSec Area = 16.817",
                  "10 | 30:Width = 10 | 65:Control Depth = 1.329 | 99:Flow Type = subcritical",
                  "10 | 30:Manning's n = 0.013 | 65:Invert Slope = 0.001 | 99:Side Slope = 2",
                  "10",
                  "10 | 28:Station | 43:Depth | 57:Energy | 71:Area | 85:Velocity | 99:Top Width | "
                  "113:Momentum",
                  "10 | 28:10+00.000 | 43:1.329 | 57:1.878 | 71:16.817 | 85:5.946 | 99:15.315 | "
                  "113:28.857",
              }));
    EXPECT_EQ(Describe(report.lines[report.lines.size() - 2]),
              "10 | 28:0+00.000 | 43:1.702 | 57:2.000 | 71:22.808 | 85:4.384 | 99:16.807 | 113:31.379");
    EXPECT_EQ(Describe(report.lines.back()), "10 | 60.5:Page 1 of 1");
    EXPECT_TRUE(report.lines.back().atFoot);
    for (const PrintedLine& line : report.lines) {
        EXPECT_EQ(line.font.family, "Times New Roman");
        EXPECT_EQ(line.page, 1);
    }
}

TEST(ProfileReport, EachCopyStartsOnItsOwnPageWithNoBlankPageAtTheEnd) {
    const ProfileDocument document = WorkedExample();
    const PrintedDocument one = Print(document, 1);
    const PrintedDocument two = Print(document, 2);
    ASSERT_EQ(two.lines.size(), 2 * one.lines.size());
    EXPECT_EQ(two.Pages(), 2);
    for (std::size_t i = 0; i < one.lines.size(); ++i) {
        EXPECT_EQ(Describe(two.lines[i + one.lines.size()]), Describe(one.lines[i]));
        EXPECT_EQ(two.lines[i + one.lines.size()].page, 2);
    }
    // A count of 0 (or less) prints one copy.
    EXPECT_EQ(Print(document, 0).lines.size(), one.lines.size());
    EXPECT_EQ(Print(document, -3).lines.size(), one.lines.size());
}

TEST(ProfileReport, CurvedShapesNameTheDiameterAndTheElongatedShapeItsSideHeight) {
    struct Case {
        ChannelType shape;
        std::string line10, line11;
    };
    const Case cases[] = {
        {ChannelType::Circular, "Diameter = 2", "10 | 30:Manning's n = 0.013 | 65:Invert Slope = 0.001"},
        {ChannelType::UShaped, "Diameter = 2", "10 | 30:Manning's n = 0.013 | 65:Invert Slope = 0.001"},
        {ChannelType::ElongatedCircular, "Diameter = 2",
         "10 | 30:Manning's n = 0.013 | 65:Invert Slope = 0.001 | 99:Side Height = 1"},
        {ChannelType::Trapezoidal, "Width = 2",
         "10 | 30:Manning's n = 0.013 | 65:Invert Slope = 0.001 | 99:Side Slope = 1.5"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(ShapeOf(c.shape).displayName));
        const PrintedDocument report =
            Print(testing::ComputeSampleDocument(testing::SampleTexts(c.shape), c.shape, UnitSystem::SI));
        ASSERT_GT(report.lines.size(), 13u);
        EXPECT_EQ(report.lines[9].texts.at(0).text, c.line10);
        EXPECT_EQ(Describe(report.lines[10]), c.line11);
        EXPECT_EQ(report.lines[5].texts.at(0).text, "SI Units");
    }
}

TEST(ProfileReport, AProfileWithoutNormalDepthPrintsDashes) {
    ProfileDocument document = WorkedExample();
    document.summary.normalDepth = document.summary.normalArea = "----";
    const PrintedDocument report = Print(document);
    EXPECT_EQ(Describe(report.lines[7]),
              "10 | 30:Length = 1000 | 65:Normal Depth = ---- | 85:XSec Area = ----");
}

TEST(ProfileReport, EveryFurtherPageRepeatsTheNameAndTheHeadingAndEveryPageHasItsNumber) {
    ProfileDocument document = WorkedExample();
    const ProfileTable computed = document.table;
    document.table.clear();
    for (int i = 0; i < 130; ++i)
        document.table.push_back(computed[static_cast<std::size_t>(i) % computed.size()]);
    document.table.push_back(ProfileRow{});  // the table ends here
    document.table.push_back(computed.front());
    const PrintedDocument report = Print(document, 1, 60);
    // Page 1: 13 lines before the rows, 46 rows, the footer; pages 2 and 3: the
    // name, an empty line and the heading, 56 rows and 28, the footer.
    ASSERT_EQ(report.Pages(), 3);
    ASSERT_EQ(report.lines.size(), 13u + 130u + 3u * 1u + 2u * 3u);
    std::vector<std::vector<const PrintedLine*>> pages(3);
    for (const PrintedLine& line : report.lines) pages.at(static_cast<std::size_t>(line.page - 1)).push_back(&line);
    const std::size_t rowsOnPage[] = {46, 56, 28};
    int row = 0;
    for (std::size_t p = 0; p < 3; ++p) {
        SCOPED_TRACE(p + 1);
        const std::vector<const PrintedLine*>& lines = pages[p];
        const std::size_t before = p == 0 ? 13 : 3;
        ASSERT_EQ(lines.size(), before + rowsOnPage[p] + 1);
        EXPECT_EQ(lines[before - 1]->texts.at(0).text, "Station");
        if (p > 0) {
            EXPECT_EQ(Describe(*lines[0]), "12b | 56.5:Trapezoidal Channel");
            EXPECT_TRUE(lines[1]->texts.empty());
        }
        for (std::size_t i = before; i < before + rowsOnPage[p]; ++i, ++row) {
            EXPECT_EQ(lines[i]->texts.at(0).text,
                      computed[static_cast<std::size_t>(row) % computed.size()].cells[0]);
        }
        EXPECT_TRUE(lines.back()->atFoot);
        EXPECT_EQ(lines.back()->texts.at(0).text, "Page " + std::to_string(p + 1) + " of 3");
    }
}

// Whatever the width of the page and the length of the channel name, every
// line fits between the margins, the fonts shrink together only as far as the
// widest line needs, and the name is printed whole.
TEST(ProfileReport, EveryLineFitsThePageAndTheNameWrapsWhole) {
    const ProfileDocument worked = WorkedExample();
    for (int columns : {40, 63, 90, 119, 120, 121, 150, 400}) {
        for (std::size_t nameLength : {0u, 1u, 19u, 150u, 300u}) {
            SCOPED_TRACE(std::to_string(columns) + " columns, a name of " + std::to_string(nameLength));
            ProfileDocument document = worked;
            document.channelName.clear();
            for (std::size_t i = 0; i < nameLength; ++i) document.channelName += i % 7 == 6 ? ' ' : char('a' + i % 26);
            PrintedDocument record;
            RecordingLinePrinter printer(record, columns, 60);
            printer.widthFollowsFontSize = true;
            ASSERT_EQ(PrintProfileReport(printer, document, kMonday, 1), std::nullopt);
            std::string name;
            double tableSize = 0.0;
            for (const PrintedLine& line : record.lines) {
                EXPECT_LE(line.right, columns + 1e-9) << Describe(line);
                for (const auto& text : line.texts) EXPECT_GE(text.column, 1.0) << Describe(line);
                if (line.font.emphasised && !line.texts.empty()) name += (name.empty() ? "" : " ") + line.texts.at(0).text;
                if (!line.texts.empty() && line.texts[0].text == "Station") tableSize = line.font.pointSize;
            }
            // The words of the name, in order, each blank between them one blank.
            std::string expected;
            for (std::size_t i = 0; i < nameLength; ++i) {
                const bool blank = document.channelName[i] == ' ';
                if (!blank || (!expected.empty() && expected.back() != ' ')) expected += document.channelName[i];
            }
            while (!expected.empty() && expected.back() == ' ') expected.pop_back();
            if (nameLength > 0) EXPECT_EQ(name, expected);
            // The widest line, the flow type's, reaches column 121 at 10 pt.
            EXPECT_NEAR(tableSize, std::min(10.0, 10.0 * columns / 121.0), 0.1);
        }
    }
}

TEST(ProfileReport, APrinterFailureEndsTheDocumentWithWhatWasPrinted) {
    PrintedDocument record;
    RecordingLinePrinter printer(record, 130, 60, 20);
    int eventRuns = 0;
    const auto failure =
        PrintProfileReport(printer, WorkedExample(), kMonday, 2, [&eventRuns] { ++eventRuns; });
    EXPECT_EQ(failure, "The printer is out of paper.");
    EXPECT_TRUE(record.ended);
    EXPECT_EQ(record.lines.size(), 20u);
    EXPECT_EQ(eventRuns, 20 - 12);  // after the heading and each row printed
}

TEST(ProfileReport, AStationThatIsNoNumberIsReportedAndNothingIsPrinted) {
    ProfileDocument document = WorkedExample();
    document.endStation = "10+x";
    PrintedDocument record;
    RecordingLinePrinter printer(record);
    EXPECT_NE(PrintProfileReport(printer, document, kMonday, 1), std::nullopt);
    EXPECT_TRUE(record.lines.empty());
}

TEST(ProfileReport, LineBreaksInAChannelNameStayOnItsLine) {
    ProfileDocument document = WorkedExample();
    document.channelName = "Mill\nrace\tB";
    EXPECT_EQ(Print(document).lines[3].texts.at(0).text, "Mill race B");
}

TEST(ProfileReport, ItemsThatALongTextHasPassedFollowItAfterABlank) {
    ProfileDocument document = WorkedExample();
    document.flowrate = std::string(40, '1');
    document.channelName = std::string(200, 'W');  // wider than the page: goes on in a second line
    const PrintedDocument report = Print(document);
    EXPECT_EQ(report.lines[3].texts.at(0).column, 1);
    EXPECT_EQ(report.lines[4].texts.at(0).text, std::string(70, 'W'));
    const auto& line9 = report.lines[9].texts;
    ASSERT_EQ(line9.size(), 3u);
    EXPECT_EQ(line9[1].column, 30 + 12 + 40 + 1);  // after "Discharge = " and 40 digits
    EXPECT_EQ(line9[2].column, 113);
}

TEST(LongDate, IsEnglishAndLongWhateverTheDay) {
    const std::pair<CalendarDate, std::string> cases[] = {
        {{2024, 3, 4}, "Monday, March 4, 2024"},       {{2024, 2, 29}, "Thursday, February 29, 2024"},
        {{1999, 12, 31}, "Friday, December 31, 1999"}, {{2000, 1, 1}, "Saturday, January 1, 2000"},
        {{2023, 10, 15}, "Sunday, October 15, 2023"},  {{2023, 2, 29}, "2023-2-29"},
    };
    for (const auto& [date, text] : cases) EXPECT_EQ(LongDate(date), text);
}

}  // namespace
}  // namespace rillo
