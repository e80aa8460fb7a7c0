#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "engine/channel_type.h"
#include "engine/stationing.h"
#include "engine/units.h"

namespace rillo {

// What Compute hands to a profile computation, read from the inputs view.
struct ProfileInputs {
    StationText startStation;
    StationText endStation;
    float reachLength = 0.0f;
    float flowrate = 0.0f;
    float widthOrDiameter = 0.0f;
    float manningN = 0.0f;
    float bottomSlope = 0.0f;
    float controlDepth = 0.0f;       // 0 when none was given
    float sideSlopeOrHeight = 0.0f;  // trapezoid and elongated circular only
    ChannelType channelType = ChannelType::Trapezoidal;
    UnitSystem unitSystem = UnitSystem::English;
};

// The summary as the results view shows it; an empty text is a label that has
// not been written ("----" stands for a missing normal depth).
struct ProfileSummary {
    std::string normalDepth;
    std::string normalArea;
    std::string criticalDepth;
    std::string criticalArea;
    std::string flowType;
    std::string profileType;
};

// Columns of one table row.
enum ProfileColumn : int {
    kStationColumn,
    kDepthColumn,
    kSpecificEnergyColumn,
    kAreaColumn,
    kVelocityColumn,
    kTopWidthColumn,
    kMomentumColumn,
    kFroudeColumn,
    kVelocityHeadColumn,
    kHydraulicRadiusColumn,
    kWettedPerimeterColumn,
    kProfileColumnCount
};

// One computed station, as the eleven cell texts of its table row. A row cut
// short by a failure keeps the cells written before it and empty texts after.
struct ProfileRow {
    std::array<std::string, kProfileColumnCount> cells;
    // The depth the row was computed at, unrounded; 0 for a row read back
    // from a file or a view, which hold only the texts.
    float depth = 0.0f;
};

using ProfileTable = std::vector<ProfileRow>;

// The message a failed computation shows.
struct ProfileFailure {
    std::string title;
    std::string text;
    // A depth search ended on the top of its bracket: the depth lies beyond
    // it, nothing was computed and nothing written. The inputs ask for more
    // than the program can answer, rather than the computation failing.
    bool depthBeyondSearch = false;
};

// Everything a profile computation writes: on failure, exactly what it wrote
// before the failure, and the message to show.
struct ProfileResult {
    ProfileSummary summary;
    std::optional<std::string> controlDepthText;  // written back into the control-depth field
    ProfileTable table;
    std::optional<ProfileFailure> failure;
    // Said when the depth range is used up before the far end of the reach:
    // the rows end at a station short of it. Empty when the profile reaches it.
    std::string earlyEndNote;

    bool ok() const { return !failure.has_value(); }
};

}  // namespace rillo
