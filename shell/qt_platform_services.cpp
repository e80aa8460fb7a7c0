#include "shell/qt_platform_services.h"

#include <sys/stat.h>

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QRegularExpression>
#include <QScreen>
#include <QStandardPaths>
#include <QUrl>
#include <QWidget>
#include <cerrno>

#include "platform/center_on_screen.h"
#include "shell/help_collection.h"
#include "shell/help_window.h"
#include "shell/page_layout_settings.h"
#include "shell/qt_line_printer.h"

namespace rillo {

namespace {

const QString kSettingsApplication = QStringLiteral("Rillo2");

QMessageBox::Icon ToQtIcon(MessageIcon icon) {
    return icon == MessageIcon::Warning ? QMessageBox::Warning : QMessageBox::Information;
}

// A settings file is read and written only when it is a regular file (links
// followed) or does not exist yet: opening a pipe would wait for a writer
// forever, and writing would put a text file in place of a device.
bool IsUsableSettingsFile(const QString& file) {
    struct stat status {};
    if (::stat(QFile::encodeName(file).constData(), &status) != 0) return errno == ENOENT;
    return S_ISREG(status.st_mode);
}

}  // namespace

QString ToDisplayLineBreaks(QString text) {
    text.replace("\r\n", "\n");
    text.replace('\r', '\n');
    return text;
}

QString ToQtFileFilter(const QString& filter) {
    const QStringList parts = filter.split('|');
    QStringList qtFilters;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        const QString& description = parts[i];
        const QString patterns = QString(parts[i + 1]).replace(';', ' ');
        qtFilters << (description.contains('(') ? description : description + " (" + patterns + ")");
    }
    if (qtFilters.isEmpty() && !filter.isEmpty()) qtFilters << filter;
    return qtFilters.join(";;");
}

QtPlatformServices::QtPlatformServices() {
    // No configuration folder (no home folder): the values live in memory.
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    if (folder.isEmpty()) return;
    OpenSettings(folder + "/" + kSettingsApplication + "/" + kSettingsApplication + ".ini");
}

QtPlatformServices::QtPlatformServices(const QString& settingsFile) {
    OpenSettings(settingsFile);
}

void QtPlatformServices::OpenSettings(const QString& file) {
    settingsFile_ = file;
    if (IsUsableSettingsFile(file)) settings_ = std::make_unique<QSettings>(file, QSettings::IniFormat);
}

QtPlatformServices::~QtPlatformServices() = default;

MessageAnswer QtPlatformServices::ShowMessage(const QString& text, const QString& title, MessageIcon icon,
                                              MessageButtons buttons) {
    QMessageBox box(ToQtIcon(icon), title.isEmpty() ? kApplicationTitle : title, ToDisplayLineBreaks(text),
                    QMessageBox::NoButton, QApplication::activeWindow());
    // An address or a path in a message can be selected and copied.
    box.setTextInteractionFlags(Qt::TextSelectableByMouse);
    if (buttons == MessageButtons::YesNoCancel) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::Cancel);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
    }
    // A message is read with the normal arrow, even inside a busy command.
    QApplication::setOverrideCursor(Qt::ArrowCursor);
    const int answer = box.exec();
    QApplication::restoreOverrideCursor();
    switch (answer) {
        case QMessageBox::Yes: return MessageAnswer::Yes;
        case QMessageBox::No: return MessageAnswer::No;
        case QMessageBox::Ok: return MessageAnswer::Ok;
        default: return buttons == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::Cancel;
    }
}

void QtPlatformServices::ShowWaitCursor() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

void QtPlatformServices::RestoreCursor() {
    QApplication::restoreOverrideCursor();
}

void QtPlatformServices::ProcessPendingEvents() {
    QCoreApplication::processEvents();
}

void QtPlatformServices::Beep() {
    QApplication::beep();
}

void QtPlatformServices::SetFocus(QWidget* widget) {
    if (!widget) return;
    widget->activateWindow();
    widget->setFocus(Qt::OtherFocusReason);
}

void QtPlatformServices::SelectText(QLineEdit* field, int start, int length) {
    if (!field) return;
    const int size = static_cast<int>(field->text().size());
    const int from = std::clamp(start, 0, size);
    field->setSelection(from, std::clamp(length, 0, size - from));
}

QString QtPlatformServices::ReadSetting(const QString& section, const QString& key,
                                        const QString& defaultValue) {
    const QString name = section + "/" + key;
    if (!settings_) return unsavedSettings_.value(name, defaultValue);
    const QVariant value = settings_->value(name);
    return value.isValid() ? value.toString() : defaultValue;
}

void QtPlatformServices::WriteSetting(const QString& section, const QString& key, const QString& value) {
    const QString name = section + "/" + key;
    if (!settings_) {
        unsavedSettings_.insert(name, value);
        return;
    }
    // No sync here: the store writes the file once for all the values set
    // before the event loop runs again, and at the end.
    settings_->setValue(name, value);
}

std::optional<QString> QtPlatformServices::AskOpenPath(const FileDialogRequest& request) {
    const QString path = QFileDialog::getOpenFileName(QApplication::activeWindow(), QString(),
                                                      request.fileName, ToQtFileFilter(request.filter));
    if (path.isEmpty()) return std::nullopt;
    return path;
}

std::optional<QString> QtPlatformServices::AskSavePath(const FileDialogRequest& request) {
    QFileDialog dialog(QApplication::activeWindow(), QString(), request.fileName,
                       ToQtFileFilter(request.filter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(request.defaultExtension);
    // A name typed without its extension takes the one of the chosen file type.
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString& filter) {
        const QRegularExpressionMatch type = QRegularExpression(R"(\(\*\.(\w+)\))").match(filter);
        if (type.hasMatch()) dialog.setDefaultSuffix(type.captured(1));
    });
    if (!request.fileName.isEmpty()) dialog.selectFile(request.fileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

QPrinter& QtPlatformServices::Printer() {
    if (!printer_) {
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
        ApplyPageLayout(*printer_, StoredPageLayout(*this));
    }
    return *printer_;
}

std::optional<int> QtPlatformServices::AskPrintCopies() {
    QPrinter& printer = Printer();
    printer.setCopyCount(1);
    QPrintDialog dialog(&printer, QApplication::activeWindow());
    dialog.setOption(QAbstractPrintDialog::PrintToFile, false);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    const int copies = printer.copyCount();
    // The program prints each copy itself, each on its own page.
    printer.setCopyCount(1);
    // Another printer chosen may print less close to the edge.
    ApplyPageLayout(printer, printer.pageLayout());
    return copies;
}

bool QtPlatformServices::ShowPageSetup() {
    QPrinter& printer = Printer();
    const QPageLayout before = printer.pageLayout();
    QPageSetupDialog dialog(&printer, QApplication::activeWindow());
    if (dialog.exec() != QDialog::Accepted) {
        printer.setPageLayout(before);  // the dialog may have changed the printer as it went
        return false;
    }
    const QPageLayout chosen = UsablePageLayout(printer.pageLayout());
    ApplyPageLayout(printer, chosen);
    StorePageLayout(*this, chosen);
    return true;
}

PicturePrinter& QtPlatformServices::PrinterForPictures() {
    if (!picturePrinter_) picturePrinter_ = std::make_unique<QtPicturePrinter>(Printer());
    return *picturePrinter_;
}

std::unique_ptr<LinePrinter> QtPlatformServices::BeginLinePrint() {
    return std::make_unique<QtLinePrinter>(Printer());
}

std::unique_ptr<LinePrinter> QtPlatformServices::BeginPdfLinePrint(const QString& path) {
    return std::make_unique<PdfLinePrinter>(path, Printer().pageLayout());
}

void QtPlatformServices::RunPrintPreview(const std::function<void(QPrinter&)>& paint) {
    QPrinter& printer = Printer();
    const QPageLayout before = printer.pageLayout();
    QPrintPreviewDialog dialog(&printer, QApplication::activeWindow());
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&paint](QPrinter* previewed) { paint(*previewed); });
    // Tall enough to read a whole page, on any screen.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        dialog.resize(std::min(900, area.width() * 9 / 10), area.height() * 9 / 10);
    }
    CenterOnScreen(dialog);
    dialog.exec();
    // The preview's own page set-up button chooses for later printing too.
    if (!printer.pageLayout().isEquivalentTo(before)) {
        const QPageLayout chosen = UsablePageLayout(printer.pageLayout());
        ApplyPageLayout(printer, chosen);
        StorePageLayout(*this, chosen);
    }
}

void QtPlatformServices::ShowPrintPreview(const std::function<void(LinePrinter&)>& printDocument) {
    RunPrintPreview([&printDocument](QPrinter& printer) {
        QtLinePrinter linePrinter(printer);
        // A failure must not unwind through the dialog; the caller reports its own.
        try {
            printDocument(linePrinter);
        } catch (const std::exception&) {
        }
    });
}

std::unique_ptr<PicturePrinter> QtPlatformServices::BeginPdfPicturePrint(const QString& path) {
    return std::make_unique<PdfPicturePrinter>(path, Printer().pageLayout());
}

void QtPlatformServices::ShowPicturePreview(const std::function<void(PicturePrinter&)>& printDocument) {
    RunPrintPreview([&printDocument](QPrinter& printer) {
        QtPicturePrinter picturePrinter(printer);
        try {
            printDocument(picturePrinter);
        } catch (const std::exception&) {
        }
    });
}

void QtPlatformServices::SetClipboardText(const QString& text) {
    QGuiApplication::clipboard()->setText(text);
}

void QtPlatformServices::SetClipboardImage(const QImage& image) {
    QGuiApplication::clipboard()->setImage(image);
}

void QtPlatformServices::UseHelpFiles(const QString& installedCollection, const QString& workFolder) {
    installedHelp_ = installedCollection;
    helpWorkFolder_ = workFolder;
}

HelpWindow* QtPlatformServices::OpenHelp() {
    if (help_) return help_.get();
    const QString installed = installedHelp_.isEmpty()
                                  ? FindInstalledHelpCollection(QCoreApplication::applicationDirPath())
                                  : installedHelp_;
    QString problem;
    if (installed.isEmpty()) {
        problem = QStringLiteral(
                      "The help files %1 and %2 are neither beside the program nor in its "
                      "share/rillo folder.")
                      .arg(kHelpCollectionFile, kHelpDocumentationFile);
    } else {
        const QString work = helpWorkFolder_.isEmpty() ? DefaultHelpWorkFolder() : helpWorkFolder_;
        // A copy damaged since it was made (a crash, a full disk) is made afresh once.
        for (bool renew : {false, true}) {
            const PreparedHelpCollection prepared = PrepareHelpCollection(installed, work, renew);
            problem = prepared.error;
            if (!problem.isEmpty()) break;
            auto window = std::make_unique<HelpWindow>(*this, prepared.collectionFile);
            problem = window->Problem();
            if (problem.isEmpty()) {
                help_ = std::move(window);
                break;
            }
        }
    }
    if (!help_) {
        ShowMessage(QStringLiteral("Rillo cannot open its help.\r\r") + problem,
                    kHelpWindowTitle, MessageIcon::Warning);
    }
    return help_.get();
}

void QtPlatformServices::ShowHelpContents() {
    if (HelpWindow* help = OpenHelp()) help->ShowContents();
}

void QtPlatformServices::ShowHelpSearch() {
    if (HelpWindow* help = OpenHelp()) help->ShowIndex();
}

void QtPlatformServices::ShowHelpPage(const QString& pageId) {
    if (HelpWindow* help = OpenHelp()) help->ShowPage(pageId);
}

void QtPlatformServices::CloseHelp() {
    if (help_) help_->CloseHelp();
}

bool QtPlatformServices::OpenWebPage(const QString& address) {
    const QUrl url(address);
    // A page of the user guide opens in the help window, which reports its
    // own failures.
    if (url.scheme() == QLatin1String("qthelp")) {
        if (HelpWindow* help = OpenHelp()) {
            if (!help->ShowUrl(url)) help->ShowPage(QStringLiteral("index"));
        }
        return true;
    }
    return QDesktopServices::openUrl(url);
}

QList<QRect> QtPlatformServices::AvailableScreenAreas() {
    QList<QRect> areas;
    QScreen* primary = QGuiApplication::primaryScreen();
    if (primary) areas << primary->availableGeometry();
    for (QScreen* screen : QGuiApplication::screens()) {
        if (screen != primary) areas << screen->availableGeometry();
    }
    return areas;
}

QString QtPlatformServices::SettingsFile() const {
    return settingsFile_;
}

}  // namespace rillo
