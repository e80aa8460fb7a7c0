#pragma once

#include <functional>

#include "engine/channel_type.h"

namespace rillo {

class FrmMainInputs;
class PlatformServices;

// Gives each field of the inputs view its keystroke and content rules, and
// the view its Enter handling: Enter moves through the fields and wraps from
// the last one shown (txtSlope, or txtYCont while the side field is hidden)
// back to txtXS1. `channelType` tells the current type at the time of the key.
void AttachInputFieldRules(FrmMainInputs& inputs, PlatformServices& services,
                           std::function<ChannelType()> channelType);

}  // namespace rillo
