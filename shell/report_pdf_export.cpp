#include "shell/headless_export.h"

namespace rillo {

// Replaced by the printed report.
std::optional<std::string> ExportReportPdf(const ProfileDocument&, const QString&) {
    return "the report cannot be printed by this build";
}

}  // namespace rillo
