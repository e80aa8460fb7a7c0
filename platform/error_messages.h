#pragma once

#include <QString>

namespace rillo {

class PlatformServices;

// Where users are sent for help with a failure.
inline const QString kSupportAddress = QStringLiteral("support@quillbeck.com");

// The texts of the generic failure messages; lines are broken by carriage returns.
QString UnexpectedFailureLongText();
QString UnexpectedFailureShortText();
QString StartupFailureText();

// "Unknown error", information icon: a failure inside the Compute command.
void ShowUnexpectedFailureLong(PlatformServices& services);
// The application's title, warning icon: a failure inside a calculator or the plot.
void ShowUnexpectedFailureShort(PlatformServices& services);
// Warning icon: the lead text, a line break and the system's description of
// the failure; without a lead text the description stands alone.
void ShowSystemError(PlatformServices& services, const QString& title, const QString& lead,
                     const QString& systemDescription);
// The application title, warning icon: start-up could not finish.
void ShowStartupFailure(PlatformServices& services);

}  // namespace rillo
