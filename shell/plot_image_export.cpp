#include "shell/headless_export.h"

namespace rillo {

// Replaced by the plot.
std::optional<std::string> ExportPlotImage(const ProfileDocument&, const QString&) {
    return "the plot cannot be drawn by this build";
}

}  // namespace rillo
