#include "shell/channel_calculator_commands.h"

#include "calculators/frm_critical.h"
#include "calculators/frm_jump.h"
#include "calculators/frm_mannings.h"
#include "shell/mdi_main.h"

namespace rillo {

namespace {

std::string Text(const QLineEdit* field) {
    return field->text().toStdString();
}

}  // namespace

CalculatorOpening CurrentCalculatorOpening(MDIMain& main) {
    CalculatorOpening opening;
    opening.units = main.State().unitSystem;
    opening.channelType = main.State().channelType;
    const FrmMainInputs& in = main.Inputs();
    opening.inputs.startStation = Text(in.txtXS1);
    opening.inputs.endStation = Text(in.txtXS2);
    opening.inputs.flowrate = Text(in.txtQ);
    opening.inputs.widthOrDiameter = Text(in.txtD);
    opening.inputs.manningN = Text(in.txtRN);
    opening.inputs.bottomSlope = Text(in.txtSO);
    opening.inputs.controlDepth = Text(in.txtYCont);
    opening.inputs.sideSlopeOrHeight = Text(in.txtSlope);
    return opening;
}

void ShowCriticalCalculator(MDIMain& main) {
    FrmCritical window(main.Services(), CurrentCalculatorOpening(main), &main);
    window.exec();
}

void ShowManningsCalculator(MDIMain& main) {
    FrmMannings window(main.Services(), CurrentCalculatorOpening(main), &main);
    window.exec();
}

void ShowJumpCalculator(MDIMain& main) {
    main.ShowStatusHint("Compute the sequent depth, energy loss and length of a hydraulic jump.");
    FrmJump window(main.Services(), CurrentCalculatorOpening(main), &main);
    window.exec();
}

}  // namespace rillo
