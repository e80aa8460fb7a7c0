#pragma once

#include <QPageLayout>
#include <QString>
#include <optional>
#include <string>

#include "documents/format/profile_document.h"
#include "shell/program_options.h"
#include "shell/qt_line_printer.h"

namespace rillo {

// Exit statuses of an export from the command line.
inline constexpr int kExportWritten = 0;
inline constexpr int kExportFailed = 1;   // the output could not be written
// A file that File, Open refuses, or an output that would write over the
// profile file or over the other output.
inline constexpr int kExportRefused = 2;

// Runs the exports the command line asks for, with no window: reads the
// profile file as File, Open does, then writes the report and/or the plot,
// PDF pages in `page` (the program passes the user's page set-up). Messages
// go to standard error; returns the exit status.
int RunHeadlessExport(const ProgramOptions& options, const QPageLayout& page = DefaultReportPageLayout());

// The report of the document, printed to a PDF file; the error text when it
// could not be written.
std::optional<std::string> ExportReportPdf(const ProfileDocument& document, const QString& pdfPath,
                                           const QPageLayout& page = DefaultReportPageLayout());

// The plot of the document with the default set-up, as a PNG, SVG or PDF
// file by the path's extension (a PDF page printed as the plot window prints
// it); the error text when it could not be written.
std::optional<std::string> ExportPlotImage(const ProfileDocument& document, const QString& imagePath,
                                           const QPageLayout& page = DefaultReportPageLayout());

// The long section of the document with the set-up a run starts with, as a
// PNG, SVG or PDF file by the path's extension (a PDF page printed as the
// long-section window prints it); the error text when it could not be written.
std::optional<std::string> ExportSectionImage(const ProfileDocument& document, const QString& imagePath,
                                              const QPageLayout& page = DefaultReportPageLayout());

}  // namespace rillo
