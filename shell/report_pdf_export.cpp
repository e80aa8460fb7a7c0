#include "documents/format/profile_completeness.h"
#include "documents/print_profile_report.h"
#include "shell/headless_export.h"
#include "shell/qt_line_printer.h"

namespace rillo {

std::optional<std::string> ExportReportPdf(const ProfileDocument& document, const QString& pdfPath,
                                           const QPageLayout& page) {
    // The program refuses to print such a profile too.
    if (!ProfileIsComplete(document)) return "the file holds no computed profile to print";
    PdfLinePrinter printer(pdfPath, page);
    return PrintProfileReport(printer, document, TodayOnThisComputer(), 1);
}

}  // namespace rillo
