#include "shell/compute_command.h"

#include "documents/document_texts.h"
#include "documents/profile_input_messages.h"
#include "engine/float_guard.h"
#include "platform/error_messages.h"
#include "platform/platform_services.h"
#include "sections/profile_dispatch.h"
#include "sections/profile_input_check.h"
#include "shell/mdi_main.h"

namespace rillo {

namespace {

// Runs the checks; returns the inputs ready to compute, or nothing when a
// check ended the command (after its message and focus).
std::optional<ProfileInputs> CheckInputs(MDIMain& main) {
    FrmMainInputs& inputs = main.Inputs();
    return CheckProfileInputsShowingMessages(
        main.Services(), ReadInputTexts(inputs), main.State().channelType, main.State().unitSystem,
        [&inputs](InputField field) { return inputs.Field(field); },
        [&inputs] { inputs.txtSlope->setText("0"); });
}

}  // namespace

void Compute(MDIMain& main) {
    PlatformServices& services = main.Services();
    try {
        main.ShowHiddenViews();
        WaitCursor wait(services);
        const std::optional<ProfileInputs> ready = CheckInputs(main);
        if (!ready) return;

        FrmMainGrid& grid = main.Grid();
        FrmMainResults& results = main.Results();
        grid.ClearProfileTable();
        results.ClearProfileSummary();

        const ProfileResult result = ComputeProfileFor(*ready);
        WriteProfileResult(result, main.Inputs(), results, grid);
        if (result.failure) {
            services.ShowMessage(QString::fromStdString(result.failure->text),
                                 QString::fromStdString(result.failure->title), MessageIcon::Information);
        }
        // A profile short of the far end says so; any other clears a note left by the last one.
        main.ShowStatusHint(QString::fromStdString(result.earlyEndNote));
        grid.ShowFirstDataRow();
    } catch (...) {
        // The wait cursor is already restored here.
        ShowUnexpectedFailureLong(services);
    }
}

}  // namespace rillo
