#pragma once

#include "engine/channel_type.h"

namespace rillo {

class FrmMainInputs;
class MDIMain;

// The Channel Type menu command: makes `type` current with its display name
// as the channel name and caption, and sets the inputs view's width label and
// side field for it. Inputs and results stay as they are.
void SelectChannelType(MDIMain& main, ChannelType type);

// Shows or hides the side field together with its label.
void ShowSideField(FrmMainInputs& inputs, bool shown);

}  // namespace rillo
