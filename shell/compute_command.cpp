#include "shell/compute_command.h"

#include "documents/document_texts.h"
#include "engine/float_guard.h"
#include "platform/error_messages.h"
#include "platform/platform_services.h"
#include "sections/profile_dispatch.h"
#include "sections/profile_input_check.h"
#include "shell/mdi_main.h"

namespace rillo {

namespace {

MessageIcon IconOf(MessageKind kind) {
    return kind == MessageKind::Warning ? MessageIcon::Warning : MessageIcon::Information;
}

MessageAnswer ShowCheckMessage(PlatformServices& services, const InputCheckResult& check,
                               MessageButtons buttons = MessageButtons::Ok) {
    return services.ShowMessage(QString::fromStdString(check.text), QString::fromStdString(check.title),
                                IconOf(check.kind), buttons);
}

// Runs the checks; returns the inputs ready to compute, or nothing when a
// check ended the command (after its message and focus).
std::optional<ProfileInputs> CheckInputs(MDIMain& main) {
    PlatformServices& services = main.Services();
    FrmMainInputs& inputs = main.Inputs();
    const ProfileInputTexts texts = ReadInputTexts(inputs);
    const ChannelType type = main.State().channelType;
    const UnitSystem units = main.State().unitSystem;

    InputCheckResult check = CheckProfileInputs(texts, type, units, false);
    if (check.outcome == InputCheckOutcome::ManningWarning) {
        if (ShowCheckMessage(services, check, MessageButtons::YesNoCancel) != MessageAnswer::Yes) {
            services.SetFocus(inputs.txtRN);
            return std::nullopt;
        }
        check = CheckProfileInputs(texts, type, units, true);
    }

    switch (check.outcome) {
        case InputCheckOutcome::Ready:
            if (check.sideFieldShowsZero) inputs.txtSlope->setText("0");
            return check.inputs;
        case InputCheckOutcome::EqualStations: return std::nullopt;
        case InputCheckOutcome::Unreadable: throw ComputationError(check.text);
        case InputCheckOutcome::MissingInput:
            services.SetFocus(inputs.Field(check.field));
            ShowCheckMessage(services, check);
            return std::nullopt;
        case InputCheckOutcome::StationNotation:
        case InputCheckOutcome::StationOrder:
        case InputCheckOutcome::ManningWarning:
        case InputCheckOutcome::ZeroSlope:
            if (!check.text.empty()) ShowCheckMessage(services, check);
            services.SetFocus(inputs.Field(check.field));
            return std::nullopt;
    }
    return std::nullopt;
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
