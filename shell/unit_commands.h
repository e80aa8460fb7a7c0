#pragma once

#include <QString>

#include "engine/channel_type.h"
#include "engine/units.h"

namespace rillo {

class FrmMainInputs;
class FrmMainResults;
class MDIMain;
class PlatformServices;

// The stored unit system: "1" is English, anything else SI (a missing
// value reads as "1").
UnitSystem ReadStoredUnitSystem(PlatformServices& services);

// The English and SI menu commands: makes `units` current, checks its menu
// item, relabels both views and the table's unit row, and stores the choice.
// Numbers in the views are left as they are.
void SetUnitSystem(MDIMain& main, UnitSystem units);

// The captions that carry units: the stations, the flowrate, the control
// depth and the width or diameter (which follows the channel type).
void ApplyUnitLabels(FrmMainInputs& inputs, UnitSystem units, ChannelType type);
// The normal and critical depth and area captions.
void ApplyUnitLabels(FrmMainResults& results, UnitSystem units);

// The width-or-diameter caption: "Width, ft:" for a trapezoid, "Diameter, m:"...
QString DiamWidthCaption(ChannelType type, UnitSystem units);
// The side-height caption of the elongated circular channel: "Side height, ft:".
QString SideHeightCaption(UnitSystem units);

}  // namespace rillo
