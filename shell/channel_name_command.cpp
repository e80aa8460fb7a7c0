#include "shell/channel_name_command.h"

#include "documents/frm_main_inputs.h"
#include "shell/channel_type_commands.h"
#include "shell/frm_channel_name.h"
#include "shell/mdi_main.h"
#include "shell/unit_commands.h"

namespace rillo {

void ShowChannelNameDialog(MDIMain& main) {
    main.ShowStatusHint("Choose a channel type and enter the channel name.");
    {
        const AppState& state = main.State();
        FrmChannelName dialog(main.Services(), state.channelType, state.channelName, &main);
        if (dialog.exec() == QDialog::Accepted) ApplyChannelNameChoice(main, dialog.Choice());
    }
    main.State().plotCustomised = false;
}

void ApplyChannelNameChoice(MDIMain& main, const ChannelNameChoice& choice) {
    AppState& state = main.State();
    state.channelName = choice.channelName;
    main.ShowCaptionWithChannelName();
    if (!choice.channelType) return;

    const ChannelType type = *choice.channelType;
    main.CheckChannelTypeItem(type);
    FrmMainInputs& inputs = main.Inputs();
    inputs.lblDiamWidth->setText(DiamWidthCaption(type, state.unitSystem));
    switch (type) {
        case ChannelType::Trapezoidal:
            inputs.lblSides->setText("Side Slope:");
            ShowSideField(inputs, true);
            break;
        case ChannelType::Circular:
        case ChannelType::UShaped: ShowSideField(inputs, false); break;
        case ChannelType::ElongatedCircular:
            inputs.lblSides->setText(state.unitSystem == UnitSystem::English ? "Side Height, ft"
                                                                             : "Side Height, m");
            ShowSideField(inputs, true);
            break;
    }
}

}  // namespace rillo
