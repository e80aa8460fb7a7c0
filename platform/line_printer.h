#pragma once

#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>

#include "documents/report/report_line.h"

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
    // item whose column a long text before it has passed follows it after a blank.
    void PrintLine(const ReportLine& line);

    virtual void SetFont(const ReportFont& font) = 0;
    virtual double PrintableWidth() = 0;
    // Printed width of a text (UTF-8) in the current font.
    virtual double TextWidth(std::string_view text) = 0;
    // Width of one column: the current font's average character.
    virtual double ColumnWidth() = 0;
    // Writes a text on the current line, starting `x` from the left edge.
    virtual void PrintText(double x, std::string_view text) = 0;
    // Ends the current line (an empty one too) and moves below it.
    virtual void EndLine() = 0;
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

}  // namespace rillo
