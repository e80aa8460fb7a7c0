#include "shell/start_up.h"

#include <QFileInfo>

#include "platform/error_messages.h"
#include "shell/mdi_main.h"
#include "shell/profile_file_commands.h"

namespace rillo {

bool RunStartUp(MDIMain& main) {
    try {
        main.Start();  // its wait cursor is gone once it throws
        return true;
    } catch (...) {
        ShowStartupFailure(main.Services());
        return false;
    }
}

void OpenFileGivenAtStartUp(MDIMain& main, const QString& path) {
    main.ShowDocumentViews();
    ReadProfileFile(main, QFileInfo(path).absoluteFilePath());
}

}  // namespace rillo
