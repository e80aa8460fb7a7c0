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
    double PageHeight() override { return 60.0; }
    double LineSpacing() override { return 1.0; }
    void PrintText(double x, std::string_view text) override { printed.emplace_back(x, std::string(text)); }
    void EndLine() override { ++lines; }
    void MoveToFoot() override {}
    void NewPage() override {}
    void EndDocument() override {}

    std::vector<std::pair<double, std::string>> printed;
    int lines = 0;
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
        {"a centred text wider than the page wraps, each part centred",
         {{}, {{Placement::Centred, 0, std::string(50, 'y') + " " + std::string(30, 'z')}}},
         {{15, std::string(50, 'y')}, {25, std::string(30, 'z')}}},
        {"a word wider than the page breaks between its characters",
         {{}, {{Placement::Centred, 0, std::string(90, 'z')}}},
         {{0, std::string(80, 'z')}, {35, std::string(10, 'z')}}},
    };
    for (const Case& c : cases) {
        MonospacedPrinter printer;
        printer.PrintLine(c.line);
        EXPECT_EQ(printer.printed, c.expected) << c.what;
    }
}

TEST(LinePrinter, WrappedTextKeepsEveryCharacterAndBreaksAtBlanksOrBetweenCharacters) {
    struct Case {
        std::string text;
        double width;
        std::vector<std::string> expected;
    };
    const auto bytes = [](std::string_view text) { return static_cast<double>(text.size()); };
    const Case cases[] = {
        {"short", 10, {"short"}},
        {"", 10, {""}},
        {"one two three four", 9, {"one two", "three", "four"}},
        {"  blanks   between  ", 20, {"blanks between"}},
        {"abcdefghijkl", 5, {"abcde", "fghij", "kl"}},
        {"ab abcdefghijkl c", 5, {"ab", "abcde", "fghij", "kl c"}},
        // A character is never split: two-byte letters stay whole.
        {"\xc3\xa9\xc3\xa9\xc3\xa9", 3, {"\xc3\xa9", "\xc3\xa9", "\xc3\xa9"}},
        // A page narrower than one character still takes one character a line.
        {"abc", 0.5, {"a", "b", "c"}},
    };
    for (const Case& c : cases) EXPECT_EQ(WrapText(c.text, c.width, bytes), c.expected) << c.text;

    // A huge word is measured a few times a line, not once per character.
    int measures = 0;
    const std::string huge(100000, 'w');
    const std::vector<std::string> lines = WrapText(huge, 100, [&](std::string_view text) {
        ++measures;
        return bytes(text);
    });
    ASSERT_EQ(lines.size(), 1000u);
    EXPECT_LT(measures, 40000);
}

}  // namespace
}  // namespace rillo
