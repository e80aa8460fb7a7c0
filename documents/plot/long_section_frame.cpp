#include <algorithm>
#include <cmath>
#include <cstdio>

#include "documents/plot/long_section.h"
#include "engine/float_guard.h"
#include "engine/stationing.h"

namespace rillo {

namespace {

// The lines fill at most this share of the plot's height; the rest, mostly
// above them, holds the labels.
constexpr double kLinesShare = 0.7;
constexpr double kShareOfRoomBelow = 0.25;
constexpr int kMostTicks = 200;

// The smallest of 1, 2 and 5 times a power of ten that is at least `least`.
double RoundInterval(double least) {
    const double power = std::pow(10.0, std::floor(std::log10(least)));
    for (double m : {1.0, 2.0, 5.0, 10.0}) {
        if (m * power >= least * (1.0 - 1e-12)) return m * power;
    }
    return 10.0 * power;
}

// The drawing scales engineers use: 1, 1.5, 2, 2.5, 3, 4, 5, 6 and 8 times a
// power of ten; the largest that is at most `most`, or the smallest at least
// `least`.
constexpr double kScales[] = {1.0, 1.5, 2.0, 2.5, 3.0, 4.0, 5.0, 6.0, 8.0};

double ScaleAtMost(double most) {
    const double power = std::pow(10.0, std::floor(std::log10(most)));
    for (auto m = std::rbegin(kScales); m != std::rend(kScales); ++m) {
        if (*m * power <= most * (1.0 + 1e-12)) return *m * power;
    }
    return power;
}

double ScaleAtLeast(double least) {
    const double power = std::pow(10.0, std::floor(std::log10(least)));
    for (double m : kScales) {
        if (m * power >= least * (1.0 - 1e-12)) return m * power;
    }
    return 10.0 * power;
}

int DecimalsOf(double interval) {
    if (interval >= 1.0) return 0;
    return std::clamp(static_cast<int>(std::ceil(-std::log10(interval) - 1e-9)), 0, 3);
}

std::string Number(double value, int decimals) {
    if (value == 0.0) value = 0.0;  // no "-0"
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

std::string ShortNumber(double value) {
    char text[64];
    std::snprintf(text, sizeof text, "%.10g", value);
    return text;
}

// The multiples of `interval` from `low` to `high`, each labelled by `label`.
template <typename Label>
std::vector<AxisTick> TicksOf(double low, double high, double interval, Label label) {
    std::vector<AxisTick> ticks;
    const double first = std::ceil(low / interval - 1e-9);
    for (int i = 0; i < kMostTicks; ++i) {
        double value = (first + i) * interval;
        if (value > high + interval * 1e-9) break;
        if (value == 0.0) value = 0.0;
        ticks.push_back({value, label(value)});
    }
    return ticks;
}

}  // namespace

std::string StationTickLabel(double station, double interval) {
    const int decimals = DecimalsOf(interval);
    std::string text = FormatStation(station).text;  // "12+34.500"
    const std::size_t point = text.find('.');
    if (point == std::string::npos) return text;
    return decimals == 0 ? text.substr(0, point) : text.substr(0, point + 1 + static_cast<std::size_t>(decimals));
}

LongSectionFrame FitLongSectionFrame(const LongSection& s, double width, double height, double stationLabelRoom,
                                     double elevationLabelRoom) {
    if (!(width > 0.0) || !(height > 0.0) || !std::isfinite(width) || !std::isfinite(height))
        throw ComputationError("the drawing has no room");
    const double reach = s.endStation - s.startStation;
    if (!(reach > 0.0) || !std::isfinite(reach)) throw ComputationError("the reach has no length");
    LongSectionFrame f;

    const int stationTicks = std::max(1, static_cast<int>(width / std::max(stationLabelRoom, 1.0)));
    const double stationInterval = RoundInterval(reach / stationTicks);
    f.stationTicks = TicksOf(s.startStation, s.endStation, stationInterval,
                             [stationInterval](double v) { return StationTickLabel(v, stationInterval); });

    // Units of length per unit of the drawing, across and up.
    const double across = reach / width;
    const double rise = std::max(s.highestElevation - s.lowestElevation, 1e-3);
    const double upAtMost = rise / (height * kLinesShare);  // the finest vertical scale that fits
    const double most = across / upAtMost;                  // the largest exaggeration that fits
    if (!std::isfinite(most) || !(most > 0.0)) throw ComputationError("the drawing has no room");
    if (most >= 1.0) {
        f.exaggeration = ScaleAtMost(most);
        f.exaggerationLabel = "Vertical exaggeration " + ShortNumber(f.exaggeration) + ":1";
    } else {
        const double shrink = ScaleAtLeast(1.0 / most);
        f.exaggeration = 1.0 / shrink;
        f.exaggerationLabel = "Vertical exaggeration 1:" + ShortNumber(shrink);
    }
    const double span = height * across / f.exaggeration;
    f.elevationLow = s.lowestElevation - (span - rise) * kShareOfRoomBelow;
    f.elevationHigh = f.elevationLow + span;

    const int elevationTicks = std::max(2, static_cast<int>(height / std::max(elevationLabelRoom, 1.0)));
    const double elevationInterval = RoundInterval(span / elevationTicks);
    const int decimals = DecimalsOf(elevationInterval);
    f.elevationTicks = TicksOf(f.elevationLow, f.elevationHigh, elevationInterval,
                               [decimals](double v) { return Number(v, decimals); });
    return f;
}

}  // namespace rillo
