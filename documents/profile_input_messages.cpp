#include "documents/profile_input_messages.h"

#include "engine/float_guard.h"
#include "sections/profile_input_check.h"

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

}  // namespace

std::optional<ProfileInputs> CheckProfileInputsShowingMessages(
    PlatformServices& services, const ProfileInputTexts& texts, ChannelType type, UnitSystem units,
    const std::function<QWidget*(InputField)>& fieldWidget, const std::function<void()>& sideShowsZero) {
    InputCheckResult check = CheckProfileInputs(texts, type, units, false);
    if (check.outcome == InputCheckOutcome::ManningWarning) {
        if (ShowCheckMessage(services, check, MessageButtons::YesNoCancel) != MessageAnswer::Yes) {
            services.SetFocus(fieldWidget(InputField::ManningN));
            return std::nullopt;
        }
        check = CheckProfileInputs(texts, type, units, true);
    }

    switch (check.outcome) {
        case InputCheckOutcome::Ready:
            if (check.sideFieldShowsZero && sideShowsZero) sideShowsZero();
            return check.inputs;
        case InputCheckOutcome::EqualStations: return std::nullopt;
        case InputCheckOutcome::Unreadable: throw ComputationError(check.text);
        case InputCheckOutcome::MissingInput:
            services.SetFocus(fieldWidget(check.field));
            ShowCheckMessage(services, check);
            return std::nullopt;
        case InputCheckOutcome::StationNotation:
        case InputCheckOutcome::StationOrder:
        case InputCheckOutcome::ManningWarning:
        case InputCheckOutcome::ZeroSlope:
            if (!check.text.empty()) ShowCheckMessage(services, check);
            services.SetFocus(fieldWidget(check.field));
            return std::nullopt;
    }
    return std::nullopt;
}

}  // namespace rillo
