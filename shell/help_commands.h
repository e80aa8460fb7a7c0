#pragma once

#include <QString>

namespace rillo {

class MDIMain;
class PlatformServices;

// The technical support web page that "Obtaining Technical Support" opens in
// the browser, set when the program is built; it needs no help files.
QString TechnicalSupportAddress();

// Asks the system to open a web page; when it refuses (no browser), shows the
// address in a message under `title`, so that the user can open it by hand.
// `what` names the page in the message ("the technical support page").
void OpenWebPageOrShowAddress(PlatformServices& services, const QString& url, const QString& title,
                              const QString& what);

// Help > Obtaining Technical Support.
void ObtainTechnicalSupport(MDIMain& main);

}  // namespace rillo
