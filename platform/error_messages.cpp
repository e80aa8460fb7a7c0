#include "platform/error_messages.h"

#include "platform/platform_services.h"

namespace rillo {

QString UnexpectedFailureLongText() {
    return QStringLiteral(
        "Rillo has been thoroughly tested for errors; "
        "however, errors occasionally occur for unknown reasons."
        "\r\r"
        "Our technical support staff is "
        "committed to fixing these errors, and providing you with "
        "a prompt solution.  Please send a description of what you "
        "were doing before you received this message, along with "
        "your name, address, and phone number or email address "
        "to the Rillo Tech Support department."
        "\r\r"
        "Please refer to the online help file for Tech Support locations.");
}

QString UnexpectedFailureShortText() {
    return QStringLiteral("An unknown error has occurred.  Please contact tech support.");
}

QString StartupFailureText() {
    return QStringLiteral("An unknown error has occurred, and\rRillo cannot start.\r\rPlease contact Quillbeck at\r") +
           kSupportAddress + QStringLiteral(" for assistance.");
}

void ShowUnexpectedFailureLong(PlatformServices& services) {
    services.ShowMessage(UnexpectedFailureLongText(), QStringLiteral("Unknown error"), MessageIcon::Information);
}

void ShowUnexpectedFailureShort(PlatformServices& services) {
    services.ShowMessage(UnexpectedFailureShortText(), kApplicationTitle, MessageIcon::Warning);
}

void ShowSystemError(PlatformServices& services, const QString& title, const QString& lead,
                     const QString& systemDescription) {
    const QString text = lead.isEmpty() ? systemDescription : lead + "\r" + systemDescription;
    services.ShowMessage(text, title, MessageIcon::Warning);
}

void ShowStartupFailure(PlatformServices& services) {
    services.ShowMessage(StartupFailureText(), kApplicationTitle, MessageIcon::Warning);
}

}  // namespace rillo
