#include "shell/channel_type_commands.h"

#include "documents/frm_main_inputs.h"
#include "shell/mdi_main.h"
#include "shell/unit_commands.h"

namespace rillo {

void ShowSideField(FrmMainInputs& inputs, bool shown) {
    inputs.lblSides->setVisible(shown);
    inputs.txtSlope->setVisible(shown);
}

void ApplyChannelType(MDIMain& main, ChannelType type, SideCaptionStyle style) {
    const UnitSystem units = main.State().unitSystem;
    const bool dialog = style == SideCaptionStyle::Dialog;
    main.CheckChannelTypeItem(type);
    FrmMainInputs& inputs = main.Inputs();
    inputs.lblDiamWidth->setText(DiamWidthCaption(type, units));
    switch (ShapeOf(type).side) {
        case SideInput::SideSlope:
            inputs.lblSides->setText(dialog ? "Side Slope:" : "Side slope:");
            ShowSideField(inputs, true);
            break;
        case SideInput::None: ShowSideField(inputs, false); break;
        case SideInput::SideHeight:
            if (dialog) {
                inputs.lblSides->setText(units == UnitSystem::English ? "Side Height, ft" : "Side Height, m");
            } else {
                inputs.lblSides->setText(SideHeightCaption(units));
            }
            ShowSideField(inputs, true);
            break;
    }
}

void SelectChannelType(MDIMain& main, ChannelType type) {
    AppState& state = main.State();
    state.channelName = QString::fromUtf8(ShapeOf(type).displayName);
    main.ShowCaptionWithChannelName();
    ApplyChannelType(main, type, SideCaptionStyle::Menu);
    state.plotCustomised = false;
}

}  // namespace rillo
