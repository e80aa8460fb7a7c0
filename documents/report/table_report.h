#pragma once

#include <string>
#include <vector>

#include "documents/report/long_date.h"
#include "platform/report_line.h"

namespace rillo {

// A printed table of computed values under the inputs it came from.
struct TableReport {
    std::string title;                  // "RATING TABLE"
    std::string name;                   // the channel's name, emphasised and repeated on every page
    std::string unitsLine;              // "English Units"
    std::vector<std::string> inputs;    // "Width = 10", two to a line
    std::vector<std::string> notes;     // lines after the inputs: the columns' units
    std::vector<std::string> headings;  // one line, repeated on every page
    std::vector<std::vector<std::string>> rows;
};

// The report's lines: the centred title block (title, name, date, unit
// system) in Times New Roman 12 and 10 pt, the inputs two to a line, the
// notes, then the table with each column as wide as its widest text and two
// blanks between columns, the numbers right-aligned under their headings.
std::vector<ReportLine> TableReportLines(const TableReport& report, const CalendarDate& today);

}  // namespace rillo
