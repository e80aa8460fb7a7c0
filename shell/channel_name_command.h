#pragma once

namespace rillo {

class MDIMain;
struct ChannelNameChoice;

// The "Channel Type and &Name" command: shows its status hint, lets the user
// choose the type and name in the modal dialog, applies them on OK, and in
// either case clears the plot-customised flag.
void ShowChannelNameDialog(MDIMain& main);

// OK of the dialog: the name and caption, and the type with the inputs view's
// labels. The dialog writes its own side captions, with capitals: "Side Slope:",
// "Side Height, ft", "Side Height, m".
void ApplyChannelNameChoice(MDIMain& main, const ChannelNameChoice& choice);

}  // namespace rillo
