#pragma once

#include <string>
#include <vector>

#include "documents/plot/plot_data.h"

namespace rillo {

// The points of a rating curve, one per row of the rating table.
struct RatingCurvePoints {
    std::vector<double> flow, depth, velocity;
};

// The rating curve as a chart: flowrate across, depth up the left axis and,
// when asked, velocity up the right one; titled `title`, axes with units.
PlotChart RatingCurveChart(const RatingCurvePoints& points, UnitSystem units, const std::string& title,
                           bool withVelocity);

}  // namespace rillo
