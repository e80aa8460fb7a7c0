#include "shell/channel_name_command.h"

#include "shell/channel_type_commands.h"
#include "shell/frm_channel_name.h"
#include "shell/mdi_main.h"

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

    ApplyChannelType(main, *choice.channelType, SideCaptionStyle::Dialog);
}

}  // namespace rillo
