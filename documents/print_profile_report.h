#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "documents/format/profile_document.h"
#include "documents/report/long_date.h"
#include "platform/line_printer.h"

namespace rillo {

// Prints the report of the document `copies` times (at least once), each copy
// from a new page, and ends the document, which sends it. `letEventsRun` runs
// after the table heading and after each table row. On a failure the document
// is ended with what was printed so far and the result is the system's
// description of the failure.
std::optional<std::string> PrintProfileReport(LinePrinter& printer, const ProfileDocument& document,
                                              const CalendarDate& today, int copies,
                                              const std::function<void()>& letEventsRun = {});

// The same for any report's lines (the profile's, the mixed profile's, the rating table's): fitted to the page's width, shared out on
// pages with the name and the table heading repeated, "Page 1 of 2" at each
// page's foot.
std::optional<std::string> PrintReportLines(LinePrinter& printer, const std::vector<ReportLine>& report, int copies,
                                            const std::function<void()>& letEventsRun = {});

// Today on this computer's clock, for the report's date line.
CalendarDate TodayOnThisComputer();

}  // namespace rillo
