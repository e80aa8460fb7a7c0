#pragma once

#include <array>
#include <string>

#include "engine/units.h"

namespace rillo {

// The quantities that can be plotted: box i plots table column i + 1 (depth,
// specific energy, area, velocity, top width, momentum, Froude number).
inline constexpr int kPlotQuantityCount = 7;

// The caption of quantity box `index` for the unit system ("Depth, ft",
// "Momentum, m^3", "Froude Number").
std::string PlotQuantityCaption(int index, UnitSystem units);

// "Channel Length, ft" or "Channel Length, m": the bottom title of a plot
// that has not been customised.
std::string DefaultBottomTitle(UnitSystem units);

// The choices of the plot set-up dialog. The dialog lives for the whole run,
// so these persist from one plot to the next (they are not stored between runs).
struct PlotSetup {
    std::array<bool, kPlotQuantityCount> plotThis = {true, true, true, true, true, false, true};
    bool areaStyle = false;  // "Area" rather than "Line"
    bool dotted = false;     // "Dotted" rather than "Solid" line styles
    bool graphTitleChecked = false;
    bool bottomTitleChecked = false;
    bool leftTitleChecked = false;
    std::string graphTitle;
    std::string bottomTitle;
    std::string leftTitle;
};

}  // namespace rillo
