#include "engine/table_headings.h"

#include <array>

namespace rillo {

namespace {

struct ColumnHeadings {
    std::string_view quantity;
    std::string_view english;
    std::string_view si;
};

constexpr std::array<ColumnHeadings, kProfileColumnCount> kHeadings = {{
    {"Station", "ft", "m"},
    {"Depth", "ft", "m"},
    {"Specific", "Energy, ft", "m"},
    {"Area", "ft^2", "m^2"},
    {"Velocity", "ft/s", "m/s"},
    {"Top", "Width, ft", "Width, m"},
    {"Momentum", "ft^3", "m^3"},
    {"Froude", "Number", "Number"},
    {"Velocity", "Head, ft", "Head, m"},
    {"Hydraulic", "Radius, ft", "Radius, m"},
    {"Wetted", "Per, ft", "Per, m"},
}};

}  // namespace

std::string_view TableHeading(int column, int headingRow, UnitSystem units) {
    if (column < 0 || column >= kProfileColumnCount) return {};
    const ColumnHeadings& h = kHeadings[static_cast<std::size_t>(column)];
    if (headingRow == 0) return h.quantity;
    return units == UnitSystem::English ? h.english : h.si;
}

std::string_view SummaryCaption(SummaryItem item, UnitSystem units) {
    const bool english = units == UnitSystem::English;
    switch (item) {
        case SummaryItem::NormalDepth: return english ? "Normal depth, ft:" : "Normal depth, m:";
        case SummaryItem::NormalArea: return english ? "Normal area, ft^2:" : "Normal area, m^2:";
        case SummaryItem::CriticalDepth: return english ? "Critical depth, ft:" : "Critical depth, m:";
        case SummaryItem::CriticalArea: return english ? "Critical area, ft^2:" : "Critical area, m^2:";
        case SummaryItem::FlowType: return "Flow type:";
        case SummaryItem::ProfileType: return "Profile type:";
    }
    return {};
}

}  // namespace rillo
