#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "documents/format/profile_document.h"

namespace rillo {

// The lines a long section can show, in legend order.
enum class SectionLineKind { Bed, WaterSurface, EnergyLine, NormalDepth, CriticalDepth, Crown };
inline constexpr int kSectionLineKindCount = 6;

enum class SectionLineStyle { Solid, Dashed, Dotted };

// The legend name of a line: "Bed", "Water surface", "Energy line",
// "Normal depth", "Critical depth", "Crown".
const char* SectionLineName(SectionLineKind kind);

// The choices of the long section's set-up; they last for the rest of the run.
struct LongSectionSetup {
    // The bed elevation at the start station as typed; empty: the bed at the
    // downstream end of the reach is at elevation 0.
    std::string startBedElevation;
    std::array<bool, kSectionLineKindCount> show = {true, true, true, true, true, true};
};

struct SectionPoint {
    double station = 0.0;
    double elevation = 0.0;
};

struct SectionLine {
    SectionLineKind kind = SectionLineKind::Bed;
    std::string name;
    SectionLineStyle style = SectionLineStyle::Solid;
    std::vector<SectionPoint> points;  // in the order of the table's rows, or start to end
};

// A station or elevation tick and its text.
struct AxisTick {
    double value = 0.0;
    std::string label;
};

// The control section: where the computation started, with its depth.
struct SectionControl {
    double station = 0.0;
    double bedElevation = 0.0;
    double surfaceElevation = 0.0;
    std::string label;  // "Control depth 1.329 ft"
};

// Where the computed rows stop short of the far end of the reach.
struct SectionEarlyEnd {
    double station = 0.0;
    std::string label;  // "profile ends at 4+30.000"
};

// A hydraulic jump in a mixed-regime profile: the water surface rises at one
// station from the depth before it to the depth after it.
struct SectionJump {
    double station = 0.0;
    double lowSurface = 0.0;   // elevation of the water before the jump
    double highSurface = 0.0;  // and after it
    std::string label;         // "Jump at 3+45.678"
};

// Everything the long section draws, in stations and elevations. Stations
// increase downstream, so the water always flows towards the end station.
struct LongSection {
    std::string title;           // the channel name
    std::string stationTitle;    // "Station, ft"
    std::string elevationTitle;  // "Elevation, ft"
    std::string profileClass;    // "mild, M-2"
    std::string flowType;        // "subcritical"
    double startStation = 0.0;
    double endStation = 0.0;
    std::vector<SectionLine> lines;  // the shown lines, in legend order
    SectionControl control;
    // The flow arrow sits beside the control section and points downstream.
    double flowArrowStation = 0.0;
    std::optional<SectionEarlyEnd> earlyEnd;
    std::optional<SectionJump> jump;
    double lowestElevation = 0.0;  // of the bed and every shown line
    double highestElevation = 0.0;
};

// The long section of a computed profile, from what Save writes: the inputs,
// the summary texts and the station, depth and specific-energy columns. The
// bed falls at the bottom slope from the start station; the water surface and
// energy line are the bed plus the depth and specific energy of each row;
// normal depth (dashed) is left out where the slope is not positive or the
// summary has none; critical depth is dotted; closed conduits add the crown.
// Texts that do not read as numbers, or stations out of order, throw
// ComputationError.
LongSection BuildLongSection(const ProfileDocument& document, const LongSectionSetup& setup);

// The long section of a mixed-regime profile, whose rows run from the start
// station to the end station with the jump's two rows at one station, the
// first of them `jumpRow` (none: no jump in the reach). The control mark
// names the upstream depth, or the downstream one when the tailwater
// `drowned` the jump; the water surface and energy line rise and fall at the
// jump, which is marked.
LongSection BuildMixedLongSection(const ProfileDocument& document, const LongSectionSetup& setup,
                                  std::optional<std::size_t> jumpRow, bool drowned);

// The scale of a long section drawn into a plot area of a given size.
struct LongSectionFrame {
    double elevationLow = 0.0;   // the elevation axis runs from here ...
    double elevationHigh = 1.0;  // ... to here
    std::vector<AxisTick> stationTicks;
    std::vector<AxisTick> elevationTicks;
    double exaggeration = 1.0;      // vertical scale over horizontal scale
    std::string exaggerationLabel;  // "Vertical exaggeration 50:1"
};

// Fits the drawing to a plot area `width` x `height` (any unit, pixels on
// the screen): station ticks at a round interval (1, 2 or 5 times a power of
// ten) no closer than `stationLabelRoom`, elevation ticks likewise no closer
// than `elevationLabelRoom`, and a round vertical exaggeration, the largest
// that keeps the lines in the lower part of the area with room above them for
// the labels. A plot area without size throws ComputationError.
LongSectionFrame FitLongSectionFrame(const LongSection& section, double width, double height,
                                     double stationLabelRoom, double elevationLabelRoom);

// A station tick's text: stationing notation with as few decimals as the
// interval needs: 200 -> "2+00", 1000 -> "10+00", 2.5 (interval 0.5) -> "0+02.5".
std::string StationTickLabel(double station, double interval);

}  // namespace rillo
