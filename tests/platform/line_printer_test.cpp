#include "platform/line_printer.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace rillo {
namespace {

// Every character one unit wide, the page 80 columns: positions read as columns.
class MonospacedPrinter : public LinePrinter {
   public:
    void SetFont(const ReportFont&) override {}
    double PrintableWidth() override { return 80.0; }
    double TextWidth(std::string_view text) override { return static_cast<double>(text.size()); }
    double ColumnWidth() override { return 1.0; }
    void PrintText(double x, std::string_view text) override { printed.emplace_back(x, std::string(text)); }
    void EndLine() override {}
    void NewPage() override {}
    void EndDocument() override {}

    std::vector<std::pair<double, std::string>> printed;
};

TEST(LinePrinter, ItemsNeverOverlapWhateverTheirPlacement) {
    struct Case {
        const char* what;
        ReportLine line;
        std::vector<std::pair<double, std::string>> expected;
    };
    const std::string longText(20, 'x');
    const Case cases[] = {
        {"a column after a short text",
         {{}, {{Placement::AtColumn, 1, "ab"}, {Placement::AtColumn, 10, "cd"}}},
         {{0, "ab"}, {9, "cd"}}},
        {"a column that a long text has passed follows it after a blank",
         {{}, {{Placement::AtColumn, 1, longText}, {Placement::AtColumn, 10, "cd"}}},
         {{0, longText}, {21, "cd"}}},
        {"zones of 14 columns",
         {{}, {{Placement::NextZone, 0, "ab"}, {Placement::NextZone, 0, "cd"}}},
         {{0, "ab"}, {14, "cd"}}},
        {"a text ending a blank before a zone start takes that zone",
         {{}, {{Placement::NextZone, 0, std::string(13, 'y')}, {Placement::NextZone, 0, "cd"}}},
         {{0, std::string(13, 'y')}, {14, "cd"}}},
        {"a text reaching into the blank moves one zone on",
         {{}, {{Placement::NextZone, 0, std::string(14, 'y')}, {Placement::NextZone, 0, "cd"}}},
         {{0, std::string(14, 'y')}, {28, "cd"}}},
        {"centred on the page", {{}, {{Placement::Centred, 0, "abcd"}}}, {{38, "abcd"}}},
        {"a text wider than the page starts at the edge",
         {{}, {{Placement::Centred, 0, std::string(90, 'z')}}},
         {{0, std::string(90, 'z')}}},
    };
    for (const Case& c : cases) {
        MonospacedPrinter printer;
        printer.PrintLine(c.line);
        EXPECT_EQ(printer.printed, c.expected) << c.what;
    }
}

}  // namespace
}  // namespace rillo
