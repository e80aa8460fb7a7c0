#include "shell/headless_export.h"

#include <QFile>
#include <cstdio>

#include "documents/format/profile_file_reader.h"

namespace rillo {

namespace {

void PrintError(const std::string& text) {
    std::fprintf(stderr, "rillo: %s\n", text.c_str());
}

}  // namespace

int RunHeadlessExport(const ProgramOptions& options, const QPageLayout& page) {
    const ProfileReadResult read = ReadProfileFile(QFile::encodeName(options.fileToOpen).toStdString());
    if (read.status == ProfileReadStatus::UnknownChannelType) {
        PrintError("File Open Error: Unknown channel type. Cannot open file.");
        return kExportRefused;
    }
    if (!read.ok()) {
        PrintError("File cannot be opened. (" + read.reason + ")");
        return kExportRefused;
    }
    int status = kExportWritten;
    if (!options.exportPdf.isEmpty()) {
        if (std::optional<std::string> error = ExportReportPdf(read.document, options.exportPdf, page)) {
            PrintError("cannot write " + options.exportPdf.toStdString() + ": " + *error);
            status = kExportFailed;
        }
    }
    if (!options.exportPlot.isEmpty()) {
        if (std::optional<std::string> error = ExportPlotImage(read.document, options.exportPlot, page)) {
            PrintError("cannot write " + options.exportPlot.toStdString() + ": " + *error);
            status = kExportFailed;
        }
    }
    return status;
}

}  // namespace rillo
