#pragma once

#include "sections/channel_shapes.h"

namespace rillo {

class FrmMainInputs;
class MDIMain;

// The Channel Type menu command: makes `type` current with its display name
// as the channel name and caption, and sets the inputs view's width label and
// side field for it. Inputs and results stay as they are.
void SelectChannelType(MDIMain& main, ChannelType type);

// How the side label is written: the menu and unit commands write "Side
// slope:" and "Side height, ft:"; the channel-name dialog writes "Side Slope:"
// and "Side Height, ft", capitalised and without a colon for the height.
enum class SideCaptionStyle { Menu, Dialog };

// Checks the type's menu item and fits the inputs view to it: the width or
// diameter label, and the side field shown with its caption or hidden.
void ApplyChannelType(MDIMain& main, ChannelType type, SideCaptionStyle style);

// Shows or hides the side field together with its label.
void ShowSideField(FrmMainInputs& inputs, bool shown);

}  // namespace rillo
