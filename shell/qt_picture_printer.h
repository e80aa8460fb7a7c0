#pragma once

#include <QPagedPaintDevice>
#include <QPainter>
#include <memory>

#include "documents/format/atomic_file_writer.h"
#include "platform/picture_printer.h"
#include "shell/qt_line_printer.h"

namespace rillo {

// Pictures on a Qt paged device (the program's one printer, the printer a
// print preview hands out, a PDF), drawn with a painter that is opened by the
// first picture and closed by EndDocument.
class QtPicturePrinter : public PicturePrinter {
   public:
    explicit QtPicturePrinter(QPagedPaintDevice& printer) : printer_(printer) {}
    ~QtPicturePrinter() override;
    QtPicturePrinter(const QtPicturePrinter&) = delete;
    QtPicturePrinter& operator=(const QtPicturePrinter&) = delete;

    QSizeF PageSize() override;
    PageOrientation Orientation() override;
    bool DrawPicture(const QImage& picture, const QRectF& place) override;
    bool NewPage() override;
    bool EndDocument() override;
    std::string Failure() const override { return failure_; }

   protected:
    bool Fail(const std::string& description);

   private:
    bool StartDocument();
    double DevicePixelsPerTwip() const;

    QPagedPaintDevice& printer_;
    std::unique_ptr<QPainter> painter_;
    bool failed_ = false;
    std::string failure_;
};

// The picture printer that writes a PDF file, drawn in memory and written
// to the path only once the document has ended whole (as PdfLinePrinter).
class PdfPicturePrinter : private PdfInMemory, public QtPicturePrinter {
   public:
    PdfPicturePrinter(const QString& path, const QPageLayout& layout, FileSystemIo& io = SystemFileSystemIo());
    bool EndDocument() override;

   private:
    QString path_;
    FileSystemIo& io_;
};

}  // namespace rillo
