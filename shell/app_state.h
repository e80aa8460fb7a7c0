#pragma once

#include <QString>

#include "documents/plot/long_section.h"
#include "engine/channel_type.h"
#include "engine/units.h"
#include "platform/platform_services.h"

namespace rillo {

// The program-wide state that lives outside the three document views.
struct AppState {
    UnitSystem unitSystem = UnitSystem::English;
    // The checked item of the Channel Type menu; the menu mirrors it.
    ChannelType channelType = ChannelType::Trapezoidal;
    QString channelName = QStringLiteral("Trapezoidal Channel");
    // The main window's caption at the end of start-up.
    QString baseCaption = kApplicationTitle;
    // The path last opened or saved; proposed by the Save dialog.
    QString currentFilePath;
    // Set when the user customised the plot set-up; cleared by the unit and
    // channel-type commands.
    bool plotCustomised = false;
    // The long section's set-up, kept for the rest of the run.
    LongSectionSetup longSection;
    // A report is printing: pending events run meanwhile, and a print command
    // chosen then is ignored, so the one printer serves one document.
    bool printing = false;
};

}  // namespace rillo
