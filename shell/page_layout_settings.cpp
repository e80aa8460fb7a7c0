#include "shell/page_layout_settings.h"

#include <QPrinter>
#include <algorithm>
#include <cmath>
#include <optional>

#include "platform/platform_services.h"
#include "platform/setting.h"
#include "shell/qt_line_printer.h"

namespace rillo {

namespace {

// The values of the page set-up in the settings store, as text.
using PrintSetting = Setting<QString>;
const PrintSetting kPaperWidth{"Print", "PaperWidth", QString()};  // empty: the paper of the default set-up
const PrintSetting kPaperHeight{"Print", "PaperHeight", QString()};
const PrintSetting kOrientation{"Print", "Orientation", QStringLiteral("Portrait")};
const PrintSetting kMargins[4] = {{"Print", "LeftMargin", QStringLiteral("15")},
                                  {"Print", "TopMargin", QStringLiteral("15")},
                                  {"Print", "RightMargin", QStringLiteral("15")},
                                  {"Print", "BottomMargin", QStringLiteral("15")}};

// Paper from a postcard to a large plotter roll; margins up to a metre.
constexpr double kLeastPaperMm = 50.0, kLargestPaperMm = 5000.0;
constexpr double kLargestMarginMm = 1000.0;
constexpr double kLeastPrintableMm = 10.0;

// A stored length in millimetres within [least, largest]; nothing for any other text.
std::optional<double> ReadLength(PlatformServices& services, const PrintSetting& setting, double least,
                                 double largest) {
    bool ok = false;
    const double value = setting.Read(services).trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value) || value < least || value > largest) return std::nullopt;
    return value;
}

QString Millimetres(double value) {
    return QString::number(value, 'g', 6);
}

QMarginsF DefaultMargins() {
    return DefaultReportPageLayout().margins(QPageLayout::Millimeter);
}

}  // namespace

QPageLayout UsablePageLayout(const QPageLayout& layout) {
    QPageLayout usable(layout.pageSize(), layout.orientation(), layout.margins(QPageLayout::Millimeter),
                       QPageLayout::Millimeter);
    const QSizeF paper = usable.fullRect(QPageLayout::Millimeter).size();
    const QMarginsF m = usable.margins();
    if (paper.width() - m.left() - m.right() < kLeastPrintableMm ||
        paper.height() - m.top() - m.bottom() < kLeastPrintableMm) {
        usable.setMargins(DefaultMargins());
    }
    return usable;
}

QPageLayout StoredPageLayout(PlatformServices& services) {
    QPageSize paper = DefaultReportPageLayout().pageSize();
    const std::optional<double> width = ReadLength(services, kPaperWidth, kLeastPaperMm, kLargestPaperMm);
    const std::optional<double> height = ReadLength(services, kPaperHeight, kLeastPaperMm, kLargestPaperMm);
    if (width && height) {
        // A standard paper keeps its name ("A4"), so the printer feeds the right tray.
        paper = QPageSize(QSizeF(*width, *height), QPageSize::Millimeter, QString(), QPageSize::FuzzyMatch);
    }
    const QPageLayout::Orientation orientation =
        kOrientation.Read(services) == QLatin1String("Landscape") ? QPageLayout::Landscape : QPageLayout::Portrait;
    double margins[4];
    for (int i = 0; i < 4; ++i) {
        margins[i] = ReadLength(services, kMargins[i], 0.0, kLargestMarginMm)
                         .value_or(kMargins[i].Default().toDouble());
    }
    return UsablePageLayout(QPageLayout(paper, orientation,
                                        QMarginsF(margins[0], margins[1], margins[2], margins[3]),
                                        QPageLayout::Millimeter, QMarginsF()));
}

void StorePageLayout(PlatformServices& services, const QPageLayout& layout) {
    const QSizeF paper = layout.pageSize().size(QPageSize::Millimeter);
    kPaperWidth.Write(services, Millimetres(paper.width()));
    kPaperHeight.Write(services, Millimetres(paper.height()));
    kOrientation.Write(services,
          layout.orientation() == QPageLayout::Landscape ? QStringLiteral("Landscape") : QStringLiteral("Portrait"));
    const QMarginsF m = layout.margins(QPageLayout::Millimeter);
    const double margins[4] = {m.left(), m.top(), m.right(), m.bottom()};
    for (int i = 0; i < 4; ++i) kMargins[i].Write(services, Millimetres(margins[i]));
}

void ApplyPageLayout(QPrinter& printer, const QPageLayout& layout) {
    printer.setPageSize(layout.pageSize());
    printer.setPageOrientation(layout.orientation());
    QPageLayout printable = printer.pageLayout();
    printable.setUnits(QPageLayout::Millimeter);
    const QMarginsF least = printable.minimumMargins();
    const QMarginsF wanted = layout.margins(QPageLayout::Millimeter);
    printer.setPageMargins(QMarginsF(std::max(wanted.left(), least.left()), std::max(wanted.top(), least.top()),
                                     std::max(wanted.right(), least.right()),
                                     std::max(wanted.bottom(), least.bottom())),
                           QPageLayout::Millimeter);
}

}  // namespace rillo
