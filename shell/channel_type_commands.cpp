#include "shell/channel_type_commands.h"

#include "documents/frm_main_inputs.h"
#include "shell/mdi_main.h"
#include "shell/unit_commands.h"

namespace rillo {

void ShowSideField(FrmMainInputs& inputs, bool shown) {
    inputs.lblSides->setVisible(shown);
    inputs.txtSlope->setVisible(shown);
}

void SelectChannelType(MDIMain& main, ChannelType type) {
    AppState& state = main.State();
    state.channelName = QString::fromUtf8(DisplayName(type));
    main.ShowCaptionWithChannelName();
    main.CheckChannelTypeItem(type);
    FrmMainInputs& inputs = main.Inputs();
    inputs.lblDiamWidth->setText(DiamWidthCaption(type, state.unitSystem));
    switch (type) {
        case ChannelType::Trapezoidal:
            inputs.lblSides->setText("Side slope:");
            ShowSideField(inputs, true);
            break;
        case ChannelType::Circular:
        case ChannelType::UShaped: ShowSideField(inputs, false); break;
        case ChannelType::ElongatedCircular:
            inputs.lblSides->setText(SideHeightCaption(state.unitSystem));
            ShowSideField(inputs, true);
            break;
    }
    state.plotCustomised = false;
}

}  // namespace rillo
