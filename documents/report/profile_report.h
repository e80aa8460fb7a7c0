#pragma once

#include <vector>

#include "documents/format/profile_document.h"
#include "documents/report/long_date.h"
#include "platform/report_line.h"

namespace rillo {

// The printed report of one profile, line by line: the centred title block
// (title, channel name emphasised, the date, the unit system) in Times New
// Roman 12 and 10 pt, the summary of inputs and results at columns 30 and 65
// and the next zone, and the first seven table columns from column 28, one
// zone each, down to the first row whose station is empty. Every value is the
// text the views show. A station that has its "+" but is no number is a
// ComputationError, as in the file.
std::vector<ReportLine> ProfileReportLines(const ProfileDocument& document, const CalendarDate& today);

}  // namespace rillo
