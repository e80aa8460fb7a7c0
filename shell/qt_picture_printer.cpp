#include "shell/qt_picture_printer.h"

#include <QFile>
#include <QPageLayout>
#include <QPrinter>

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
    return printer_.logicalDpiX() / kTwipsPerInch;
}

bool QtPicturePrinter::Fail(const std::string& description) {
    if (!failed_) failure_ = description;
    failed_ = true;
    return false;
}

bool QtPicturePrinter::StartDocument() {
    if (failed_) return false;
    if (painter_) return true;
    failure_.clear();
    painter_ = std::make_unique<QPainter>();
    if (!painter_->begin(&printer_)) {
        painter_.reset();
        const auto* printer = dynamic_cast<const QPrinter*>(&printer_);
        const bool noPrinter = printer && printer->outputFormat() == QPrinter::NativeFormat &&
                               printer->printerName().isEmpty();
        return Fail(noPrinter ? "There is no printer to print on." : "The printer could not start the document.");
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
    if (!printer_.newPage()) Fail("The printer could not start a new page.");
    return !failed_;
}

bool QtPicturePrinter::EndDocument() {
    bool ok = !failed_ && painter_ && painter_->end();
    if (!failed_ && !ok) Fail(painter_ ? "The printer could not finish the document." : "The document has no pages.");
    painter_.reset();
    // The next document starts afresh.
    failed_ = false;
    return ok;
}

PdfPicturePrinter::PdfPicturePrinter(const QString& path, const QPageLayout& layout, FileSystemIo& io)
    : PdfInMemory(layout), QtPicturePrinter(writer), path_(path), io_(io) {
    writer.setTitle(QStringLiteral("Water Surface Profile"));
}

bool PdfPicturePrinter::EndDocument() {
    if (!QtPicturePrinter::EndDocument()) return false;
    const QByteArray& pdf = buffer.data();
    if (std::optional<std::string> error = WriteFileAtomically(
            QFile::encodeName(path_).toStdString(), std::string_view(pdf.constData(), pdf.size()), io_)) {
        return Fail(*error);
    }
    return true;
}

}  // namespace rillo
