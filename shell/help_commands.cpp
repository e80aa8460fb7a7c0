#include "shell/help_commands.h"

#include "platform/platform_services.h"
#include "shell/mdi_main.h"

// Set by the build, which also writes it into the user guide's support page.
#ifndef RILLO_SUPPORT_URL
#error "RILLO_SUPPORT_URL names the technical support web page"
#endif

namespace rillo {

QString TechnicalSupportAddress() {
    return QStringLiteral(RILLO_SUPPORT_URL);
}

void OpenWebPageOrShowAddress(PlatformServices& services, const QString& url, const QString& title,
                              const QString& what) {
    if (services.OpenWebPage(url)) return;
    services.ShowMessage(QStringLiteral("Rillo could not open %1 in a web browser.\r\r"
                                        "Please open this address yourself:\r%2")
                             .arg(what, url),
                         title, MessageIcon::Information);
}

void ObtainTechnicalSupport(MDIMain& main) {
    OpenWebPageOrShowAddress(main.Services(), TechnicalSupportAddress(),
                             QStringLiteral("Obtaining Technical Support"),
                             QStringLiteral("the technical support page"));
}

}  // namespace rillo
