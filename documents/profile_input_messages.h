#pragma once

#include <QWidget>
#include <functional>
#include <optional>

#include "engine/input_checks.h"
#include "platform/platform_services.h"

namespace rillo {

// The profile's input checks with their messages, as Compute runs them: the
// roughness question (anything but Yes ends the command, the focus in the
// roughness field), then the first refusal's message with the focus in the
// field `fieldWidget` gives for it. Returns the inputs ready to compute, or
// nothing when a check ended the command. `sideShowsZero` runs when the side
// field read 0. A number out of range throws ComputationError.
std::optional<ProfileInputs> CheckProfileInputsShowingMessages(
    PlatformServices& services, const ProfileInputTexts& texts, ChannelType type, UnitSystem units,
    const std::function<QWidget*(InputField)>& fieldWidget, const std::function<void()>& sideShowsZero);

}  // namespace rillo
