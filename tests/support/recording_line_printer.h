#pragma once

#include <QString>
#include <string>
#include <string_view>
#include <vector>

#include "platform/line_printer.h"

namespace rillo::testing {

// A text as printed: the column it starts at (from 1) and the text.
struct PrintedText {
    double column = 1.0;
    std::string text;
};

struct PrintedLine {
    ReportFont font;
    std::vector<PrintedText> texts;
    int page = 1;
    bool atFoot = false;  // moved to the foot of its page
    double right = 0.0;   // where its last text ends, in printer units
};

// One document a command printed: where it went ("printer", "preview" or the
// PDF path), its lines, and whether it was ended.
struct PrintedDocument {
    QString target;
    std::vector<PrintedLine> lines;
    bool ended = false;

    int Pages() const { return lines.empty() ? 0 : lines.back().page; }
};

// A line printer on paper of fixed characters: every character and the blank
// one column wide, `printableColumns` columns to a line and `linesPerPage`
// lines to a page in any font. With `widthFollowsFontSize` set, characters
// are as wide as a tenth of the font's size instead, so a smaller font fits
// more of them. Records every line; from line number `failAtLine` (counting
// from 0) on, every line fails as a printer would.
class RecordingLinePrinter : public LinePrinter {
   public:
    explicit RecordingLinePrinter(PrintedDocument& record, int printableColumns = 130, int linesPerPage = 60,
                                  int failAtLine = -1)
        : record_(record),
          printableColumns_(printableColumns),
          linesPerPage_(linesPerPage),
          failAtLine_(failAtLine) {}

    void SetFont(const ReportFont& font) override { font_ = font; }
    double PrintableWidth() override { return printableColumns_; }
    double TextWidth(std::string_view text) override;
    double ColumnWidth() override { return CharacterWidth(); }
    double PageHeight() override { return linesPerPage_; }
    double LineSpacing() override { return 1.0; }
    void PrintText(double x, std::string_view text) override;
    void EndLine() override;
    void MoveToFoot() override { footDue_ = true; }
    void NewPage() override { newPageDue_ = linesOnPage_ > 0; }
    void EndDocument() override { record_.ended = true; }

    bool widthFollowsFontSize = false;

   private:
    void StartLine();
    double CharacterWidth() const { return widthFollowsFontSize ? font_.pointSize / 10.0 : 1.0; }

    PrintedDocument& record_;
    int printableColumns_, linesPerPage_, failAtLine_;
    ReportFont font_;
    PrintedLine current_;
    bool lineStarted_ = false, newPageDue_ = false, footDue_ = false;
    int page_ = 1, linesOnPage_ = 0, linesPrinted_ = 0;
};

}  // namespace rillo::testing
