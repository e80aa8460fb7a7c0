#pragma once

namespace rillo {

class MDIMain;

// Starts the program in its main window. A failure during start-up restores
// the normal cursor, shows the start-up failure message and returns false:
// the program then ends.
bool RunStartUp(MDIMain& main);

}  // namespace rillo
