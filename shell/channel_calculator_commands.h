#pragma once

namespace rillo {

class MDIMain;
struct CalculatorOpening;

// What the calculators that work on the profile's channel copy as they open:
// the unit system, the checked channel type and the inputs view's texts.
CalculatorOpening CurrentCalculatorOpening(MDIMain& main);

// "Critical &Depth and Slope" and the toolbar's Critical button: a new
// critical-depth calculator, modal until it is closed, then unloaded.
void ShowCriticalCalculator(MDIMain& main);

// "Depth, &Flowrate, Slope, and Roughness" and the toolbar's Mannings button:
// a new Manning's calculator, modal until it is closed, then unloaded.
void ShowManningsCalculator(MDIMain& main);

// "Hydraulic &Jump" and the toolbar's Jump button: its status hint, then a
// new hydraulic jump calculator, modal until it is closed, then unloaded.
void ShowJumpCalculator(MDIMain& main);

// "&Rating Table" and the toolbar's Rating button: its status hint, then a
// new Rating Table window, modal until it is closed, then unloaded.
void ShowRatingTable(MDIMain& main);

// "&Mixed Flow Profile" under Water Surface Profile: its status hint, then a
// new mixed flow profile window on a copy of the profile's inputs, modal
// until it is closed; the main window's inputs and results stay as they are.
void ShowMixedProfile(MDIMain& main);

}  // namespace rillo
