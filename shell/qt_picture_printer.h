#pragma once

#include <QPainter>
#include <QPrinter>
#include <memory>

#include "platform/picture_printer.h"

namespace rillo {

// Pictures on the program's one printer, drawn with a painter that is opened
// by the first picture and closed by EndDocument.
class QtPicturePrinter : public PicturePrinter {
   public:
    explicit QtPicturePrinter(QPrinter& printer) : printer_(printer) {}
    ~QtPicturePrinter() override;

    QSizeF PageSize() override;
    PageOrientation Orientation() override;
    bool DrawPicture(const QImage& picture, const QRectF& place) override;
    bool NewPage() override;
    bool EndDocument() override;

   private:
    bool StartDocument();
    double DevicePixelsPerTwip() const;

    QPrinter& printer_;
    std::unique_ptr<QPainter> painter_;
    bool failed_ = false;
};

}  // namespace rillo
