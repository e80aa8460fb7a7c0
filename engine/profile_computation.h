#pragma once

#include <string>

#include "engine/channel_section.h"
#include "engine/float_guard.h"
#include "engine/profile_records.h"
#include "engine/units.h"

namespace rillo {

// What the profile computation needs beside the shape.
struct ProfileRunInputs {
    StationText startStation;  // as typed
    StationText endStation;    // as typed
    float manningN = 0.0f;
    float bottomSlope = 0.0f;
    float flowrate = 0.0f;
    float controlDepth = 0.0f;  // 0: use the critical depth
    UnitSystem unitSystem = UnitSystem::English;
};

// The steady gradually-varied-flow profile of a prismatic reach, by direct
// integration over depth: equal depth increments from the control depth
// toward the depth the profile approaches, dx/dy integrated over each pair of
// increments by Simpson's rule, stations accumulated from the control section
// until the far end of the reach is passed (the last depth interpolated back
// to it) or the depth range is used up. Any run-time error ends the run with
// the shape's "Invalid Channel Geometry" message; what was produced before it
// is kept.
ProfileResult ComputeProfile(const ChannelSection& section, const ProfileRunInputs& inputs);

// Computes the row set of depth y (specific energy, area, velocity, top
// width, momentum, Froude number, velocity head, hydraulic radius, wetted
// perimeter) and appends its row to `table`, cell by cell: a fault in the row
// set, or one flagged before it, appends nothing (it throws the guard's
// ComputationError); one thrown while the cells are written leaves the row
// cut short.
void AppendProfileRow(const ChannelSection& section, float q, float g, const FloatGuard& guard,
                      const std::string& stationText, float y, ProfileTable& table);

}  // namespace rillo
