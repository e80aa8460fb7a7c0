#include "tests/support/recording_line_printer.h"

#include <algorithm>

namespace rillo::testing {

double RecordingLinePrinter::TextWidth(std::string_view text) {
    double columns = 0;
    for (char c : text) columns += (static_cast<unsigned char>(c) & 0xC0) != 0x80;  // UTF-8 characters
    return columns * CharacterWidth();
}

void RecordingLinePrinter::StartLine() {
    if (lineStarted_) return;
    if (failAtLine_ >= 0 && linesPrinted_ >= failAtLine_)
        throw LinePrintError("The printer is out of paper.");
    if (newPageDue_ || (!footDue_ && linesOnPage_ == linesPerPage_)) {
        ++page_;
        linesOnPage_ = 0;
        newPageDue_ = false;
    }
    current_ = PrintedLine{font_, {}, page_, footDue_};
    if (footDue_) linesOnPage_ = std::max(linesOnPage_, linesPerPage_ - 1);
    footDue_ = false;
    lineStarted_ = true;
}

void RecordingLinePrinter::PrintText(double x, std::string_view text) {
    StartLine();
    current_.texts.push_back({x + 1.0, std::string(text)});
    current_.right = std::max(current_.right, x + TextWidth(text));
}

void RecordingLinePrinter::EndLine() {
    StartLine();
    record_.lines.push_back(current_);
    lineStarted_ = false;
    ++linesOnPage_;
    ++linesPrinted_;
}

}  // namespace rillo::testing
