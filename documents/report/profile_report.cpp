#include "documents/report/profile_report.h"

#include <algorithm>

#include "documents/format/profile_file_writer.h"
#include "sections/channel_shapes.h"

namespace rillo {

namespace {

const ReportFont kTitleFont{"Times New Roman", 12.0, false};
const ReportFont kNameFont{"Times New Roman", 12.0, true};
const ReportFont kBodyFont{"Times New Roman", 10.0, false};

constexpr int kSummaryFirstColumn = 30;
constexpr int kSummarySecondColumn = 65;
constexpr int kTableFirstColumn = 28;

// A line break or tab typed into a text would break the printed line.
std::string OnOneLine(std::string text) {
    for (char& c : text) {
        if (c == '\n' || c == '\r' || c == '\t') c = ' ';
    }
    return text;
}

ReportLine Empty(const ReportFont& font) {
    return {font, {}};
}

ReportLine Centred(const ReportFont& font, const std::string& text,
                   ReportLineRole role = ReportLineRole::Plain) {
    return {font, {{Placement::Centred, 0, OnOneLine(text)}}, role};
}

// A summary line: label and value at column 30, at column 65, and in the next zone.
ReportLine SummaryLine(std::string first, std::string second, std::string third, bool hasThird = true) {
    ReportLine line{kBodyFont, {}};
    line.items.push_back({Placement::AtColumn, kSummaryFirstColumn, OnOneLine(std::move(first))});
    line.items.push_back({Placement::AtColumn, kSummarySecondColumn, OnOneLine(std::move(second))});
    if (hasThird) line.items.push_back({Placement::NextZone, 0, OnOneLine(std::move(third))});
    return line;
}

// A table line: the first text at column 28, each further one in the next zone.
template <typename Texts>
ReportLine TableLine(const Texts& texts, ReportLineRole role) {
    ReportLine line{kBodyFont, {}, role};
    bool first = true;
    for (const auto& text : texts) {
        if (first) {
            line.items.push_back({Placement::AtColumn, kTableFirstColumn, OnOneLine(std::string(text))});
        } else {
            line.items.push_back({Placement::NextZone, 0, OnOneLine(std::string(text))});
        }
        first = false;
    }
    return line;
}

}  // namespace

std::vector<ReportLine> ProfileReportLines(const ProfileDocument& d, const CalendarDate& today) {
    const ProfileSummary& s = d.summary;
    const ChannelShape& shape = ShapeOf(d.channelType);
    std::vector<ReportLine> lines;
    lines.push_back(Empty(kTitleFont));
    lines.push_back(Empty(kTitleFont));
    lines.push_back(Centred(kTitleFont, "STEADY-STATE WATER-SURFACE PROFILE"));
    lines.push_back(Centred(kNameFont, d.channelName, ReportLineRole::ChannelName));
    lines.push_back(Centred(kBodyFont, LongDate(today)));
    lines.push_back(Centred(kBodyFont, d.unitSystem == UnitSystem::English ? "English Units" : "SI Units"));
    lines.push_back(Empty(kBodyFont));

    lines.push_back(SummaryLine("Length = " + ReachLengthText(d), "Normal Depth = " + s.normalDepth,
                                "XSec Area = " + s.normalArea));
    lines.push_back(SummaryLine("Discharge = " + d.flowrate, "Critical Depth = " + s.criticalDepth,
                                "XSec Area = " + s.criticalArea));
    lines.push_back(SummaryLine(std::string(shape.sizeName) + " = " + d.widthOrDiameter,
                                "Control Depth = " + d.controlDepth, "Flow Type = " + s.flowType));
    const char* sideLabel = shape.side == SideInput::SideSlope ? "Side Slope = " : "Side Height = ";
    lines.push_back(SummaryLine("Manning's n = " + d.manningN, "Invert Slope = " + d.bottomSlope,
                                sideLabel + d.sideSlopeOrHeight, shape.UsesSideInput()));
    lines.push_back(Empty(kBodyFont));

    const char* headings[] = {"Station", "Depth", "Energy", "Area", "Velocity", "Top Width", "Momentum"};
    lines.push_back(TableLine(headings, ReportLineRole::TableHeading));
    for (const ProfileRow& row : d.table) {
        if (row.cells[kStationColumn].empty()) break;
        std::vector<std::string> printed(row.cells.begin(), row.cells.begin() + kFroudeColumn);
        lines.push_back(TableLine(printed, ReportLineRole::TableRow));
    }
    return lines;
}

std::vector<ReportLine> MixedProfileReportLines(const ProfileDocument& d, const CalendarDate& today,
                                                const std::vector<std::array<std::string, 3>>& jumpLines) {
    std::vector<ReportLine> lines = ProfileReportLines(d, today);
    lines[2] = Centred(kTitleFont, "MIXED-REGIME WATER-SURFACE PROFILE");
    const auto heading = std::find_if(lines.begin(), lines.end(), [](const ReportLine& l) {
        return l.role == ReportLineRole::TableHeading;
    });
    std::vector<ReportLine> jump;
    for (const std::array<std::string, 3>& texts : jumpLines)
        jump.push_back(SummaryLine(texts[0], texts[1], texts[2], !texts[2].empty()));
    jump.push_back(Empty(kBodyFont));
    lines.insert(heading, jump.begin(), jump.end());
    return lines;
}

}  // namespace rillo
