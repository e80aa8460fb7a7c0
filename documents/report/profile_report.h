#pragma once

#include <array>
#include <string>
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

// The report of a mixed-regime profile: the profile's report under the title
// "MIXED-REGIME WATER-SURFACE PROFILE", with `jumpLines` (up to three texts
// each, laid out as the summary's) after the summary and before the table.
std::vector<ReportLine> MixedProfileReportLines(const ProfileDocument& document, const CalendarDate& today,
                                                const std::vector<std::array<std::string, 3>>& jumpLines);

}  // namespace rillo
