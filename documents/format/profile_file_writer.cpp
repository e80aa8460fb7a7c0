#include "documents/format/profile_file_writer.h"

#include "documents/format/print_zones.h"
#include "engine/float_guard.h"
#include "engine/numeric_text.h"
#include "engine/stationing.h"
#include "sections/channel_shapes.h"

namespace rillo {

namespace {

std::string_view UnitsLine(UnitSystem units) {
    return units == UnitSystem::English ? "English Units" : "SI Units";
}

std::string_view SideHeading(ChannelType type) {
    switch (ShapeOf(type).side) {
        case SideInput::SideSlope: return "Side Slope";
        case SideInput::SideHeight: return "Side Height";
        case SideInput::None: break;
    }
    return "";
}

// An input as its field holds it, less the blanks around it, which would
// run into the blanks between the items. A field that holds nothing else
// reads as 0 and is written so, as an empty side field always was.
std::string InputItem(std::string_view text) {
    auto isBlank = [](char c) { return c == ' ' || c == '\t' || c == '\n'; };
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    return text.empty() ? "0" : std::string(text);
}

std::string SideValue(const ProfileDocument& d) {
    if (!UsesSideInput(d.channelType)) return "";
    return InputItem(d.sideSlopeOrHeight);
}

}  // namespace

std::string ReachLengthText(const ProfileDocument& d) {
    ReachLengthResult reach = ReachLength(d.startStation, d.endStation);
    return ShortestNumber(ToSingle(reach.length));
}

std::vector<std::string> ProfileFileLines(const ProfileDocument& d) {
    std::vector<std::string> lines;
    lines.emplace_back(ShapeOf(d.channelType).fileHeading);
    lines.emplace_back(UnitsLine(d.unitSystem));
    lines.push_back(d.channelName);
    lines.push_back(JoinInPrintZones({"Length", "Discharge", "Diameter", "Manning's n", "Slope",
                                      "Control Depth", SideHeading(d.channelType)}));
    const std::string length = ReachLengthText(d);
    const std::string side = SideValue(d);
    lines.push_back(
        JoinInPrintZones({length, InputItem(d.flowrate), InputItem(d.widthOrDiameter), InputItem(d.manningN),
                          InputItem(d.bottomSlope), InputItem(d.controlDepth), side}));
    lines.push_back(JoinInPrintZones({"Normal Depth", "XSec Area", "Crit. Depth", "XSec Area", "Flow Type"}));
    const ProfileSummary& s = d.summary;
    lines.push_back(
        JoinInPrintZones({s.normalDepth, s.normalArea, s.criticalDepth, s.criticalArea, s.flowType}));
    lines.emplace_back();
    lines.push_back(
        JoinInPrintZones({"Station", "Depth", "Energy", "Area", "Velocity", "Top Width", "Momentum"}));
    for (const ProfileRow& row : d.table) {
        if (row.cells[kStationColumn].empty()) break;
        std::vector<std::string_view> stored(row.cells.begin(), row.cells.begin() + kFroudeColumn);
        lines.push_back(JoinInPrintZones(stored));
    }
    // A line feed inside a text would split its line and shift every line after it.
    for (std::string& line : lines) {
        for (char& c : line) {
            if (c == '\n') c = ' ';
        }
    }
    return lines;
}

std::string ProfileFileText(const ProfileDocument& document) {
    std::string text;
    for (const std::string& line : ProfileFileLines(document)) {
        text += line;
        text += "\r\n";
    }
    return text;
}

}  // namespace rillo
