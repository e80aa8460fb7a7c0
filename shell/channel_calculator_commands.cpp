#include "shell/channel_calculator_commands.h"

#include "calculators/frm_critical.h"
#include "calculators/frm_jump.h"
#include "calculators/frm_mannings.h"
#include "calculators/frm_rating.h"
#include "engine/profile_fields.h"
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
    for (const ProfileField& field : FormFieldsOf(InputField{})) opening.inputs.*field.text = Text(in.Field(field.id));
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

void ShowRatingTable(MDIMain& main) {
    main.ShowStatusHint("Compute a rating table and curve of uniform flow by depth or by flowrate.");
    FrmRating window(main.Services(), CurrentCalculatorOpening(main), &main);
    window.exec();
}

}  // namespace rillo
