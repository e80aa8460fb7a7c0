#include "shell/start_up.h"

#include "platform/error_messages.h"
#include "shell/mdi_main.h"

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

}  // namespace rillo
