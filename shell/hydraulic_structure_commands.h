#pragma once

namespace rillo {

class MDIMain;

// The Tools menu's Weirs, Orifices and Underflow Gates commands (and their
// toolbar buttons): each loads its calculator afresh in the current unit
// system and shows it modally; the main window waits until it is closed.
void ShowWeirCalculator(MDIMain& main);
void ShowOrificeCalculator(MDIMain& main);
void ShowGateCalculator(MDIMain& main);

}  // namespace rillo
