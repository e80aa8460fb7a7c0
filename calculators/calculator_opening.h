#pragma once

#include "engine/channel_type.h"
#include "engine/input_checks.h"
#include "engine/units.h"

namespace rillo {

// What the critical-depth and Manning's calculators copy from the main window
// as they open: the unit system, the checked channel type and the texts of
// the profile's inputs view. Nothing flows back.
struct CalculatorOpening {
    UnitSystem units = UnitSystem::English;
    ChannelType channelType = ChannelType::Trapezoidal;
    ProfileInputTexts inputs;
};

}  // namespace rillo
