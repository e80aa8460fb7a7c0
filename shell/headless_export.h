#pragma once

#include <QString>
#include <optional>
#include <string>

#include "documents/format/profile_document.h"
#include "shell/program_options.h"

namespace rillo {

// Exit statuses of an export from the command line.
inline constexpr int kExportWritten = 0;
inline constexpr int kExportFailed = 1;   // the output could not be written
// A file that File, Open refuses, or an output that would write over the
// profile file or over the other output.
inline constexpr int kExportRefused = 2;

// Runs the exports the command line asks for, with no window: reads the
// profile file as File, Open does, then writes the report and/or the plot.
// Messages go to standard error; returns the exit status.
int RunHeadlessExport(const ProgramOptions& options);

// The report of the document, printed to a PDF file; the error text when it
// could not be written.
std::optional<std::string> ExportReportPdf(const ProfileDocument& document, const QString& pdfPath);

// The plot of the document with the default set-up, as a PNG or SVG file by
// the path's extension; the error text when it could not be written.
std::optional<std::string> ExportPlotImage(const ProfileDocument& document, const QString& imagePath);

}  // namespace rillo
