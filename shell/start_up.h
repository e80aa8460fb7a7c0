#pragma once

#include <QString>

namespace rillo {

class MDIMain;

// Starts the program in its main window. A failure during start-up restores
// the normal cursor, shows the start-up failure message and returns false:
// the program then ends.
bool RunStartUp(MDIMain& main);

// Opens the profile file named on the command line once the program has
// started, as File, Open would: a file it refuses shows its message and the
// program goes on with the empty profile. A relative path is taken from the
// current folder, so that the recent-files list keeps a path that still
// opens from anywhere.
void OpenFileGivenAtStartUp(MDIMain& main, const QString& path);

}  // namespace rillo
