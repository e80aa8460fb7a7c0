#include "shell/long_section_command.h"

#include "documents/format/profile_completeness.h"
#include "documents/frm_long_section.h"
#include "shell/mdi_main.h"
#include "shell/profile_file_commands.h"

namespace rillo {

QString LongSectionErrorText() {
    return QStringLiteral(
        "Rillo cannot draw a long section \runtil it has computed a water surface profile.\r\r"
        "Please enter all of the required inputs \rand select Compute from the Tools|Water Surface Profile menu.");
}

void ShowLongSection(MDIMain& main) {
    PlatformServices& services = main.Services();
    main.ShowHiddenViews();
    if (!ProfileIsComplete(CurrentDocument(main))) {
        services.ShowMessage(LongSectionErrorText(), QStringLiteral("Long Section"), MessageIcon::Information);
        return;
    }
    FrmLongSection window(
        services, [&main] { return CurrentDocument(main); }, main.State().longSection, &main);
    if (!window.BuildSection()) return;
    window.exec();
    services.ProcessPendingEvents();
}

}  // namespace rillo
