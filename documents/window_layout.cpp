#include "documents/window_layout.h"

#include <QWidget>
#include <cmath>
#include <limits>

#include "documents/document_sub_window.h"
#include "engine/float_guard.h"
#include "engine/numeric_text.h"
#include "platform/platform_services.h"
#include "platform/twips.h"

namespace rillo {

namespace {

const QString kSection = QStringLiteral("Dlgs");

// Twips far past any screen; larger stored values are treated as damaged.
constexpr double kLargestPlacementTwips = 1.0e7;

}  // namespace

int ReadPlacementTwips(PlatformServices& services, const QString& key, int defaultTwips) {
    const QString text = services.ReadSetting(kSection, key, QString::number(defaultTwips));
    std::optional<double> value;
    try {
        value = ParseWholeNumber(text.toStdString());
    } catch (const ComputationError&) {
        return defaultTwips;  // a number past the range of any real placement
    }
    if (!value || !std::isfinite(*value) || std::fabs(*value) > kLargestPlacementTwips) return defaultTwips;
    return static_cast<int>(std::lround(*value));
}

int ReadSizeTwips(PlatformServices& services, const QString& key, int defaultTwips) {
    const int twips = ReadPlacementTwips(services, key, defaultTwips);
    return twips < defaultTwips / 4 ? defaultTwips : twips;
}

void WritePlacementTwips(PlatformServices& services, const QString& key, int twips) {
    services.WriteSetting(kSection, key, QString::number(twips));
}

void ApplyWindowLayout(QWidget& window, const QString& viewName, PlatformServices& services,
                       int inputsViewWidthTwips) {
    auto read = [&](const char* key, int defaultTwips) {
        return TwipsToPixels(ReadPlacementTwips(services, key, defaultTwips));
    };
    if (viewName == "frmMainInputs") {
        const int top = read("InputsT", 0);
        const int left = read("InputsL", 0);
        window.move(left, top);
    } else if (viewName == "frmMainResults") {
        const int top = read("OutputsT", 3420);
        const int left = read("OutputsL", 0);
        window.move(left, top);
    } else if (viewName == "frmMainGrid") {
        const int top = read("GridT", 0);
        const int left = read("GridL", inputsViewWidthTwips);
        const int width = TwipsToPixels(ReadSizeTwips(services, "GridW", 9255));
        const int height = TwipsToPixels(ReadSizeTwips(services, "GridH", 6030));
        window.move(left, top);
        window.resize(width, height);
    }
}

void StoreWindowLayout(const QWidget& window, const QString& viewName, PlatformServices& services) {
    // A minimised or maximised view keeps the placement it is restored to.
    const auto* view = qobject_cast<const DocumentSubWindow*>(&window);
    const QRect placement = view ? view->NormalGeometry() : window.geometry();
    const int left = PixelsToTwips(placement.x());
    const int top = PixelsToTwips(placement.y());
    if (viewName == "frmMainInputs") {
        WritePlacementTwips(services, "InputsL", left);
        WritePlacementTwips(services, "InputsT", top);
    } else if (viewName == "frmMainResults") {
        WritePlacementTwips(services, "OutputsL", left);
        WritePlacementTwips(services, "OutputsT", top);
    } else if (viewName == "frmMainGrid") {
        WritePlacementTwips(services, "GridL", left);
        WritePlacementTwips(services, "GridT", top);
        WritePlacementTwips(services, "GridH", PixelsToTwips(placement.height()));
        WritePlacementTwips(services, "GridW", PixelsToTwips(placement.width()));
    }
}

}  // namespace rillo
