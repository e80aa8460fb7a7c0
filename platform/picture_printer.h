#pragma once

#include <QImage>
#include <QRectF>
#include <QSizeF>
#include <string>

namespace rillo {

enum class PageOrientation { Portrait, Landscape };

// The printer as the plot prints: pictures placed on pages. Lengths are in
// twips, measured from the corner of the printable area. The document starts
// with the first picture; each call reports whether the printer took it, and
// once one fails the rest fail too.
class PicturePrinter {
   public:
    virtual ~PicturePrinter() = default;

    // The printable width and height of a page.
    virtual QSizeF PageSize() = 0;
    virtual PageOrientation Orientation() = 0;
    // Draws the picture scaled into the rectangle.
    virtual bool DrawPicture(const QImage& picture, const QRectF& place) = 0;
    virtual bool NewPage() = 0;
    // Ends the document and sends it to the printer.
    virtual bool EndDocument() = 0;
    // The system's description of the first failure of the document.
    virtual std::string Failure() const = 0;
};

}  // namespace rillo
