#pragma once

#include <QString>

namespace rillo {

class MDIMain;

// The Long Section command: shows the hidden views, refuses when no profile
// has been computed, and shows the long section of the document as Save
// would write it, in a modal window.
void ShowLongSection(MDIMain& main);

// The message shown when there is no computed profile to draw; lines broken
// by carriage returns.
QString LongSectionErrorText();

}  // namespace rillo
