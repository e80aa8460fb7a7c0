#include "shell/headless_export.h"

#include <sys/stat.h>

#include <QFile>
#include <QFileInfo>
#include <cstdio>
#include <utility>
#include <vector>

#include "documents/format/profile_file_reader.h"

namespace rillo {

namespace {

void PrintError(const std::string& text) {
    std::fprintf(stderr, "rillo: %s\n", text.c_str());
}

// Whether two names lead to one file, however they are spelled: the same
// path, or one existing file reached through links, "..", or another hard link.
bool SameFile(const QString& a, const QString& b) {
    if (QFileInfo(a).absoluteFilePath() == QFileInfo(b).absoluteFilePath()) return true;
    struct stat first {};
    struct stat second {};
    return ::stat(QFile::encodeName(a).constData(), &first) == 0 &&
           ::stat(QFile::encodeName(b).constData(), &second) == 0 && first.st_dev == second.st_dev &&
           first.st_ino == second.st_ino;
}

// Why the outputs may not be written: one of them is the profile file, or
// both are one file; nothing when they are sound.
std::optional<std::string> OutputConflict(const ProgramOptions& options) {
    std::vector<std::pair<const char*, QString>> outputs;
    if (!options.exportPdf.isEmpty()) outputs.emplace_back("--export-pdf", options.exportPdf);
    if (!options.exportPlot.isEmpty()) outputs.emplace_back("--export-plot", options.exportPlot);
    if (!options.exportSection.isEmpty()) outputs.emplace_back("--export-section", options.exportSection);
    for (const auto& [option, path] : outputs) {
        if (SameFile(path, options.fileToOpen)) {
            return std::string(option) + ": " + path.toStdString() +
                   " is the profile file to read; an export never writes over it.";
        }
    }
    for (std::size_t a = 0; a < outputs.size(); ++a) {
        for (std::size_t b = a + 1; b < outputs.size(); ++b) {
            if (SameFile(outputs[a].second, outputs[b].second))
                return std::string(outputs[a].first) + " and " + outputs[b].first + " name the same file.";
        }
    }
    return std::nullopt;
}

}  // namespace

int RunHeadlessExport(const ProgramOptions& options, const QPageLayout& page) {
    if (std::optional<std::string> conflict = OutputConflict(options)) {
        PrintError(*conflict);
        return kExportRefused;
    }
    const ProfileReadResult read = ReadProfileFile(QFile::encodeName(options.fileToOpen).toStdString());
    if (!read.ok()) {
        // The title leads where there is one; otherwise the reason follows.
        const OpenRefusal refusal = OpenRefusalOf(read.status);
        PrintError(refusal.title.empty() ? refusal.text + " (" + read.reason + ")"
                                         : refusal.title + ": " + refusal.text);
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
    if (!options.exportSection.isEmpty()) {
        if (std::optional<std::string> error = ExportSectionImage(read.document, options.exportSection, page)) {
            PrintError("cannot write " + options.exportSection.toStdString() + ": " + *error);
            status = kExportFailed;
        }
    }
    return status;
}

}  // namespace rillo
