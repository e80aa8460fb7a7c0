#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/report_line.h"

namespace rillo {

// The report's lines shared out on pages that hold `pageHeight` each, a line
// taking `heightOf(line)`. A page takes lines while they fit (one at least, so
// that a page too small for any line still moves on); the table heading goes
// with the row after it. A page that starts inside the table begins with the
// channel name, an empty line and the table heading again, unless those and
// the tallest line would not fit on one page together.
std::vector<std::vector<ReportLine>> ReportPages(const std::vector<ReportLine>& lines, double pageHeight,
                                                 const std::function<double(const ReportLine&)>& heightOf);

// The line at the foot of every page: "Page 2 of 3", centred, in `font`.
ReportLine PageFooter(int page, int pages, const ReportFont& font);

}  // namespace rillo
