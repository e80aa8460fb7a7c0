#pragma once

#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "platform/report_line.h"

namespace rillo {

// A printer failure (no printer, the printer refused the document, the file
// could not be written), with the system's description of it.
class LinePrintError : public std::runtime_error {
   public:
    using std::runtime_error::runtime_error;
};

// A page-oriented text printer for one document: lines of text in a font of
// a given name, size and emphasis, with items placed at character columns,
// in print zones or centred. Widths are in the printer's own units; a column
// is the width of the current font's average character. A line that does not
// fit below the last one starts a new page (the printer's own overflow).
// Every call may throw LinePrintError.
class LinePrinter {
   public:
    virtual ~LinePrinter() = default;

    // Prints one line in its font: each item where its placement puts it; an
    // item whose column a long text before it has passed follows it after a
    // blank. A centred text wider than the page wraps onto further centred lines.
    void PrintLine(const ReportLine& line);
    // The lines PrintLine prints for `line` in its font: the line itself, or
    // for a lone centred text wider than the page, that text broken at blanks
    // (a word wider than the page between its characters) into centred lines
    // that each fit.
    std::vector<ReportLine> WrappedLines(const ReportLine& line);
    // How far from the left edge the items placed in columns and zones reach
    // in the line's font; centred texts, which wrap, do not count.
    double ColumnsEnd(const ReportLine& line);

    virtual void SetFont(const ReportFont& font) = 0;
    virtual double PrintableWidth() = 0;
    // The printable height of a page, and the height a line of the current
    // font takes on it (what EndLine moves down by).
    virtual double PageHeight() = 0;
    virtual double LineSpacing() = 0;
    // Printed width of a text (UTF-8) in the current font.
    virtual double TextWidth(std::string_view text) = 0;
    // Width of one column: the current font's average character.
    virtual double ColumnWidth() = 0;
    // Writes a text on the current line, starting `x` from the left edge.
    virtual void PrintText(double x, std::string_view text) = 0;
    // Ends the current line (an empty one too) and moves below it.
    virtual void EndLine() = 0;
    // The next line, in the font current when it starts, is the last of the
    // page: it sits at the page's foot, whatever space is left above it.
    virtual void MoveToFoot() = 0;
    // The next line starts a new page; a new page directly before the end of
    // the document adds no blank page.
    virtual void NewPage() = 0;
    // Ends the document and sends it on; the printer is not used again.
    virtual void EndDocument() = 0;
};

// The width of a font's average character from the advance widths of its
// letters: the lower-case letters and the blank weighted by how often they
// occur in English text, as fonts long defined their average character.
double AverageCharacterWidth(const std::function<double(char)>& advance);

// Where a text that follows one ending at `end` starts in the next zone: the
// first zone start (a multiple of 14 columns) that leaves at least `blank`
// after it. All widths in the printer's units.
double NextZoneStart(double end, double columnWidth, double blank);

// Breaks a text (UTF-8) into lines no wider than `width` as `measure` reads
// them: at blanks, and a word wider than a line between its characters, never
// inside one. Every line holds one character at least, so the text is never lost.
std::vector<std::string> WrapText(const std::string& text, double width,
                                  const std::function<double(std::string_view)>& measure);

}  // namespace rillo
