#include "shell/qt_picture_printer.h"

#include <QPageLayout>

namespace rillo {

namespace {

constexpr double kTwipsPerPoint = 20.0;
constexpr double kTwipsPerInch = 1440.0;

}  // namespace

QtPicturePrinter::~QtPicturePrinter() {
    if (painter_ && painter_->isActive()) painter_->end();
}

QSizeF QtPicturePrinter::PageSize() {
    return printer_.pageLayout().paintRect(QPageLayout::Point).size() * kTwipsPerPoint;
}

PageOrientation QtPicturePrinter::Orientation() {
    return printer_.pageLayout().orientation() == QPageLayout::Landscape ? PageOrientation::Landscape
                                                                         : PageOrientation::Portrait;
}

double QtPicturePrinter::DevicePixelsPerTwip() const {
    return printer_.resolution() / kTwipsPerInch;
}

bool QtPicturePrinter::StartDocument() {
    if (failed_) return false;
    if (painter_) return true;
    painter_ = std::make_unique<QPainter>();
    if (!painter_->begin(&printer_)) {
        painter_.reset();
        failed_ = true;
        return false;
    }
    painter_->setRenderHint(QPainter::SmoothPixmapTransform);
    return true;
}

bool QtPicturePrinter::DrawPicture(const QImage& picture, const QRectF& place) {
    if (picture.isNull() || !StartDocument()) return false;
    const double scale = DevicePixelsPerTwip();
    const QRectF target(place.left() * scale, place.top() * scale, place.width() * scale,
                        place.height() * scale);
    painter_->drawImage(target, picture);
    return true;
}

bool QtPicturePrinter::NewPage() {
    if (!StartDocument()) return false;
    if (!printer_.newPage()) failed_ = true;
    return !failed_;
}

bool QtPicturePrinter::EndDocument() {
    const bool ok = !failed_ && painter_ && painter_->end();
    painter_.reset();
    failed_ = false;
    return ok;
}

}  // namespace rillo
