#pragma once

#include <string>

#include "engine/channel_type.h"
#include "engine/input_checks.h"
#include "engine/profile_records.h"
#include "engine/units.h"

namespace rillo {

// The texts of one profile document as the three views hold them: the inputs
// as typed (the input fields' texts), the summary labels and the table rows
// as shown (UTF-8). Save writes these texts; Open fills them back.
struct ProfileDocument : ProfileInputTexts {
    ChannelType channelType = ChannelType::Trapezoidal;
    UnitSystem unitSystem = UnitSystem::English;
    std::string channelName = "Trapezoidal Channel";

    ProfileSummary summary;
    ProfileTable table;  // the data rows; a row with an empty station ends the table
};

}  // namespace rillo
