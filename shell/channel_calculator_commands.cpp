#include "shell/channel_calculator_commands.h"

#include "calculators/frm_critical.h"
#include "calculators/frm_jump.h"
#include "calculators/frm_mannings.h"
#include "calculators/frm_rating.h"
#include "documents/frm_mixed_profile.h"
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
    for (const ProfileField& field : FormFieldsOf(InputField{}))
        opening.inputs.*field.text = Text(in.Field(field.id));
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

void ShowMixedProfile(MDIMain& main) {
    main.ShowStatusHint("Locate the hydraulic jump in a reach controlled at both ends.");
    MixedProfileOpening opening{CurrentCalculatorOpening(main), {}, main.State().channelName.toStdString()};
    for (const ProfileField& field : FormFieldsOf(InputField{}))
        opening.captions[static_cast<std::size_t>(field.id)] =
            main.Inputs().Label(field.id)->text().toStdString();
    FrmMixedProfile window(main.Services(), opening, main.State().longSection, &main);
    window.exec();
}

}  // namespace rillo
