#pragma once

#include <string>

#include "engine/channel_type.h"
#include "engine/profile_records.h"
#include "engine/units.h"

namespace rillo {

// The texts of one profile document as the three views hold them: the inputs
// as typed, the summary labels and the table rows as shown (UTF-8). Save
// writes these texts; Open fills them back.
struct ProfileDocument {
    ChannelType channelType = ChannelType::Trapezoidal;
    UnitSystem unitSystem = UnitSystem::English;
    std::string channelName = "Trapezoidal Channel";

    std::string startStation;       // txtXS1
    std::string endStation;         // txtXS2
    std::string flowrate;           // txtQ
    std::string widthOrDiameter;    // txtD
    std::string manningN;           // txtRN
    std::string bottomSlope;        // txtSO
    std::string controlDepth;       // txtYCont
    std::string sideSlopeOrHeight;  // txtSlope

    ProfileSummary summary;
    ProfileTable table;  // the data rows; a row with an empty station ends the table
};

}  // namespace rillo
