#include "documents/plot/rating_curve.h"

namespace rillo {

PlotChart RatingCurveChart(const RatingCurvePoints& points, UnitSystem units, const std::string& title,
                           bool withVelocity) {
    const bool english = units == UnitSystem::English;
    PlotChart chart;
    chart.title = title;
    chart.x = points.flow;
    chart.bottomTitle = english ? "Flowrate, ft^3/s" : "Flowrate, m^3/s";
    chart.leftTitle = english ? "Depth, ft" : "Depth, m";
    chart.series.push_back({kDepthColumn, chart.leftTitle, points.depth});
    if (withVelocity) {
        chart.rightTitle = english ? "Velocity, ft/s" : "Velocity, m/s";
        chart.series.push_back({kVelocityColumn, chart.rightTitle, points.velocity, true});
    }
    return chart;
}

}  // namespace rillo
