#include "documents/plot/plot_setup.h"

namespace rillo {

namespace {

struct QuantityCaption {
    const char* english;
    const char* si;
};

constexpr std::array<QuantityCaption, kPlotQuantityCount> kCaptions = {{
    {"Depth, ft", "Depth, m"},
    {"Energy, ft", "Energy, m"},
    {"Area, ft^2", "Area, m^2"},
    {"Velocity, ft/s", "Velocity, m/s"},
    {"Top Width, ft", "Top Width, m"},
    {"Momentum, ft^3", "Momentum, m^3"},
    {"Froude Number", "Froude Number"},
}};

}  // namespace

std::string PlotQuantityCaption(int index, UnitSystem units) {
    if (index < 0 || index >= kPlotQuantityCount) return {};
    const QuantityCaption& c = kCaptions[static_cast<std::size_t>(index)];
    return units == UnitSystem::English ? c.english : c.si;
}

std::string DefaultBottomTitle(UnitSystem units) {
    return units == UnitSystem::English ? "Channel Length, ft" : "Channel Length, m";
}

}  // namespace rillo
