#include "shell/print_commands.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <optional>

#include "documents/format/profile_completeness.h"
#include "documents/print_profile_report.h"
#include "documents/report/table_text.h"
#include "platform/error_messages.h"
#include "platform/platform_services.h"
#include "shell/mdi_main.h"
#include "shell/profile_file_commands.h"

namespace rillo {

namespace {

// Marks the program as printing for the life of the object.
class PrintingNow {
   public:
    explicit PrintingNow(MDIMain& main) : state_(main.State()) { state_.printing = true; }
    ~PrintingNow() { state_.printing = false; }
    PrintingNow(const PrintingNow&) = delete;
    PrintingNow& operator=(const PrintingNow&) = delete;

   private:
    AppState& state_;
};

// The document, once the views are shown; nothing (after "Printing Error",
// or "Export Error" for an export of the table) when it holds no complete
// profile.
std::optional<ProfileDocument> PrintableDocument(MDIMain& main, bool exporting = false) {
    main.ShowHiddenViews();
    ProfileDocument document = CurrentDocument(main);
    if (ProfileIsComplete(document)) return document;
    main.Services().ShowMessage(
        QStringLiteral("You must enter all of the required inputs and calculate a profile before %1.")
            .arg(exporting ? QStringLiteral("exporting") : QStringLiteral("printing")),
        exporting ? QStringLiteral("Export Error") : QStringLiteral("Printing Error"),
        MessageIcon::Information);
    return std::nullopt;
}

void PrintReport(PlatformServices& services, LinePrinter& printer, const ProfileDocument& document,
                 int copies) {
    WaitCursor wait(services);
    const std::optional<std::string> failure = PrintProfileReport(
        printer, document, TodayOnThisComputer(), copies, [&services] { services.ProcessPendingEvents(); });
    if (failure) {
        ShowSystemError(services, QStringLiteral("Print Error"),
                        QStringLiteral("The following error occurred while printing:"),
                        QString::fromStdString(*failure));
    }
}

// The profile file's path with another extension, for the save dialog.
QString BesideProfileFile(const MDIMain& main, const QString& extension) {
    const QString& profile = main.State().currentFilePath;
    if (profile.isEmpty()) return QString();
    const QFileInfo info(profile);
    return info.dir().filePath(info.completeBaseName() + "." + extension);
}

QString WithExtension(QString path, const QString& extension) {
    if (!path.endsWith("." + extension, Qt::CaseInsensitive)) path += "." + extension;
    return path;
}

}  // namespace

void PrintProfile(MDIMain& main) {
    if (main.State().printing) return;
    const std::optional<ProfileDocument> document = PrintableDocument(main);
    if (!document) return;
    PlatformServices& services = main.Services();
    const std::optional<int> copies = services.AskPrintCopies();
    if (!copies) return;
    PrintingNow now(main);
    std::unique_ptr<LinePrinter> printer = services.BeginLinePrint();
    PrintReport(services, *printer, *document, std::max(*copies, 1));
}

void PageSetup(MDIMain& main) {
    if (main.State().printing) return;
    main.Services().ShowPageSetup();
}

void PrintPreview(MDIMain& main) {
    if (main.State().printing) return;
    const std::optional<ProfileDocument> document = PrintableDocument(main);
    if (!document) return;
    PlatformServices& services = main.Services();
    PrintingNow now(main);
    services.ShowPrintPreview(
        [&services, &document](LinePrinter& printer) { PrintReport(services, printer, *document, 1); });
}

void ExportPdf(MDIMain& main) {
    if (main.State().printing) return;
    const std::optional<ProfileDocument> document = PrintableDocument(main);
    if (!document) return;
    PlatformServices& services = main.Services();
    const std::optional<QString> path =
        services.AskSavePath({BesideProfileFile(main, "pdf"), QStringLiteral("PDF Document (*.pdf)|*.pdf"),
                              QStringLiteral("pdf")});
    if (!path) return;
    services.ProcessPendingEvents();
    PrintingNow now(main);
    std::unique_ptr<LinePrinter> printer = services.BeginPdfLinePrint(WithExtension(*path, "pdf"));
    PrintReport(services, *printer, *document, 1);
}

void ExportTable(MDIMain& main, FileSystemIo& io) {
    const std::optional<ProfileDocument> document = PrintableDocument(main, true);
    if (!document) return;
    PlatformServices& services = main.Services();
    const std::optional<QString> path =
        services.AskSavePath({BesideProfileFile(main, "csv"),
                              QStringLiteral("Comma-Separated Values (*.csv)|*.csv"), QStringLiteral("csv")});
    if (!path) return;
    services.ProcessPendingEvents();
    WaitCursor wait(services);
    const std::string csv = CommaSeparatedText(ProfileTableWithHeadings(*document));
    const QString target = WithExtension(*path, "csv");
    if (std::optional<std::string> error =
            WriteFileAtomically(QFile::encodeName(target).toStdString(), csv, io)) {
        ShowSystemError(services, QStringLiteral("Save Error"),
                        QStringLiteral("The following error occurred:"), QString::fromStdString(*error));
    }
}

}  // namespace rillo
