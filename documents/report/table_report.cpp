#include "documents/report/table_report.h"

#include <algorithm>

namespace rillo {

namespace {

const ReportFont kTitleFont{"Times New Roman", 12.0, false};
const ReportFont kNameFont{"Times New Roman", 12.0, true};
const ReportFont kBodyFont{"Times New Roman", 10.0, false};
// The table in a fixed-pitch font, so that its columns line up by characters.
const ReportFont kTableFont{"Courier New", 9.0, false};

constexpr int kInputsColumn = 6;
constexpr int kSecondInputColumn = 50;

// A line break or tab typed into a text would break the printed line.
std::string OnOneLine(std::string text) {
    for (char& c : text) {
        if (c == '\n' || c == '\r' || c == '\t') c = ' ';
    }
    return text;
}

ReportLine Centred(const ReportFont& font, const std::string& text,
                   ReportLineRole role = ReportLineRole::Plain) {
    return {font, {{Placement::Centred, 0, OnOneLine(text)}}, role};
}

// A table line: each text right-aligned in its column, padded with blanks.
ReportLine TableLine(const std::vector<std::string>& cells, const std::vector<std::size_t>& widths,
                     ReportLineRole role) {
    std::string text;
    for (std::size_t i = 0; i < widths.size(); ++i) {
        const std::string cell = i < cells.size() ? OnOneLine(cells[i]) : std::string();
        text += std::string(i == 0 ? 0 : 2, ' ') +
                std::string(widths[i] - std::min(widths[i], cell.size()), ' ') + cell;
    }
    return {kTableFont, {{Placement::AtColumn, 1, text}}, role};
}

}  // namespace

std::vector<ReportLine> TableReportLines(const TableReport& r, const CalendarDate& today) {
    std::vector<ReportLine> lines;
    lines.push_back({kTitleFont, {}});
    lines.push_back(Centred(kTitleFont, r.title));
    lines.push_back(Centred(kNameFont, r.name, ReportLineRole::ChannelName));
    lines.push_back(Centred(kBodyFont, LongDate(today)));
    lines.push_back(Centred(kBodyFont, r.unitsLine));
    lines.push_back({kBodyFont, {}});
    for (std::size_t i = 0; i < r.inputs.size(); i += 2) {
        ReportLine line{kBodyFont, {{Placement::AtColumn, kInputsColumn, OnOneLine(r.inputs[i])}}};
        if (i + 1 < r.inputs.size())
            line.items.push_back({Placement::AtColumn, kSecondInputColumn, OnOneLine(r.inputs[i + 1])});
        lines.push_back(line);
    }
    for (const std::string& note : r.notes)
        lines.push_back({kBodyFont, {{Placement::AtColumn, kInputsColumn, OnOneLine(note)}}});
    lines.push_back({kBodyFont, {}});

    std::vector<std::size_t> widths(r.headings.size(), 0);
    for (std::size_t i = 0; i < r.headings.size(); ++i) widths[i] = r.headings[i].size();
    for (const auto& row : r.rows)
        for (std::size_t i = 0; i < row.size() && i < widths.size(); ++i)
            widths[i] = std::max(widths[i], row[i].size());
    lines.push_back(TableLine(r.headings, widths, ReportLineRole::TableHeading));
    for (const auto& row : r.rows) lines.push_back(TableLine(row, widths, ReportLineRole::TableRow));
    return lines;
}

}  // namespace rillo
