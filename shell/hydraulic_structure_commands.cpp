#include "shell/hydraulic_structure_commands.h"

#include "calculators/frm_gates.h"
#include "calculators/frm_orifices.h"
#include "calculators/frm_weirs.h"
#include "shell/mdi_main.h"

namespace rillo {

namespace {

// Loads the window, shows it until it is closed, and unloads it.
template <typename Window>
void RunCalculator(MDIMain& main) {
    Window window(main.Services(), main.State().unitSystem, &main);
    window.exec();
}

}  // namespace

void ShowWeirCalculator(MDIMain& main) {
    RunCalculator<FrmWeirs>(main);
}

void ShowOrificeCalculator(MDIMain& main) {
    RunCalculator<FrmOrifices>(main);
}

void ShowGateCalculator(MDIMain& main) {
    RunCalculator<FrmGates>(main);
}

}  // namespace rillo
