#pragma once

#include <QString>

namespace rillo {

class MDIMain;
class PlatformServices;

// The address "Obtaining Technical Support" opens, set when the program is
// built: a web page, or by default the user guide's "Getting support" page.
QString TechnicalSupportAddress();

// Asks the system to open a web page; when it refuses (no browser), shows the
// address in a message under `title`, so that the user can open it by hand.
// `what` names the page in the message ("the technical support page").
void OpenWebPageOrShowAddress(PlatformServices& services, const QString& url, const QString& title,
                              const QString& what);

// Help > Obtaining Technical Support.
void ObtainTechnicalSupport(MDIMain& main);

}  // namespace rillo
