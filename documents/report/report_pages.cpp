#include "documents/report/report_pages.h"

#include <algorithm>

namespace rillo {

namespace {

// The lines a page inside the table starts with.
std::vector<ReportLine> RepeatedHeading(const std::vector<ReportLine>& lines) {
    std::vector<ReportLine> repeated;
    for (const ReportLine& line : lines) {
        if (line.role == ReportLineRole::ChannelName) repeated.push_back(line);
    }
    const auto heading = std::find_if(lines.begin(), lines.end(), [](const ReportLine& line) {
        return line.role == ReportLineRole::TableHeading;
    });
    if (heading != lines.end()) {
        repeated.push_back(ReportLine{heading->font, {}});
        repeated.push_back(*heading);
    }
    return repeated;
}

}  // namespace

std::vector<std::vector<ReportLine>> ReportPages(const std::vector<ReportLine>& lines, double pageHeight,
                                                 const std::function<double(const ReportLine&)>& heightOf) {
    std::vector<double> heights;
    for (const ReportLine& line : lines) heights.push_back(heightOf(line));
    const std::vector<ReportLine> repeated = RepeatedHeading(lines);
    double repeatedHeight = 0.0;
    for (const ReportLine& line : repeated) repeatedHeight += heightOf(line);
    const double tallest = heights.empty() ? 0.0 : *std::max_element(heights.begin(), heights.end());
    const bool repeat = !repeated.empty() && repeatedHeight + tallest <= pageHeight;
    // Rounding in a sum of line heights must not push the last line off a page it fits.
    const double room = pageHeight * (1.0 + 1e-9);

    std::vector<std::vector<ReportLine>> pages(1);
    double used = 0.0;
    bool inTable = false;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        double needed = heights[i];
        if (lines[i].role == ReportLineRole::TableHeading && i + 1 < lines.size()) needed += heights[i + 1];
        if (!pages.back().empty() && used + needed > room) {
            pages.emplace_back();
            used = 0.0;
            if (inTable && repeat) {
                pages.back() = repeated;
                used = repeatedHeight;
            }
        }
        pages.back().push_back(lines[i]);
        used += heights[i];
        inTable = inTable || lines[i].role == ReportLineRole::TableHeading;
    }
    return pages;
}

ReportLine PageFooter(int page, int pages, const ReportFont& font) {
    return {font, {{Placement::Centred, 0, "Page " + std::to_string(page) + " of " + std::to_string(pages)}}};
}

}  // namespace rillo
