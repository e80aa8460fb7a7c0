#include "documents/format/profile_completeness.h"
#include "documents/long_section_drawing.h"
#include "documents/plot_printing.h"
#include "platform/twips.h"
#include "shell/headless_export.h"
#include "shell/long_section_command.h"
#include "shell/qt_picture_printer.h"

namespace rillo {

std::optional<std::string> ExportSectionImage(const ProfileDocument& document, const QString& imagePath,
                                              const QPageLayout& page) {
    // The command refuses such a profile too; an empty drawing never replaces a picture.
    if (!ProfileIsComplete(document)) {
        return "Long Section: " + LongSectionErrorText().replace('\r', ' ').simplified().toStdString();
    }
    LongSection section;
    try {
        section = BuildLongSection(document, LongSectionSetup{});
    } catch (const std::exception& e) {
        return std::string("the long section cannot be drawn: ") + e.what();
    }
    if (imagePath.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive)) {
        PdfPicturePrinter printer(imagePath, page);
        const QSizeF twips(PixelsToTwips(kLongSectionSize.width()), PixelsToTwips(kLongSectionSize.height()));
        return PrintPlotPicture(printer, RenderLongSectionImage(section, kLongSectionSize, 4.0), twips, 1);
    }
    return WriteLongSectionImageFile(section, kLongSectionSize, imagePath);
}

}  // namespace rillo
