#pragma once

#include <QHash>
#include <QPrinter>
#include <QSettings>
#include <memory>

#include "platform/platform_services.h"
#include "shell/qt_picture_printer.h"

namespace rillo {

class HelpWindow;

// The platform services of the running program: Qt message boxes, the
// override cursor, and the per-user settings store as an INI file in the
// user's configuration folder under the application name "Rillo2". Written
// values reach the file when the event loop next runs and at the end, once
// for all the values written in between. A settings file that is not a
// regular file (a pipe, a device, a link to one) is neither read nor
// written: the program runs on the defaults and keeps its values in memory.
class QtPlatformServices : public PlatformServices {
   public:
    QtPlatformServices();
    // Keeps the settings in the given INI file instead.
    explicit QtPlatformServices(const QString& settingsFile);
    ~QtPlatformServices() override;

    MessageAnswer ShowMessage(const QString& text, const QString& title, MessageIcon icon,
                              MessageButtons buttons = MessageButtons::Ok) override;
    void ShowWaitCursor() override;
    void RestoreCursor() override;
    void ProcessPendingEvents() override;
    void Beep() override;
    void SetFocus(QWidget* widget) override;
    void SelectText(QLineEdit* field, int start, int length) override;
    QString ReadSetting(const QString& section, const QString& key, const QString& defaultValue) override;
    void WriteSetting(const QString& section, const QString& key, const QString& value) override;
    std::optional<QString> AskOpenPath(const FileDialogRequest& request) override;
    std::optional<QString> AskSavePath(const FileDialogRequest& request) override;
    std::optional<int> AskPrintCopies() override;
    bool ShowPageSetup() override;
    PicturePrinter& PrinterForPictures() override;
    std::unique_ptr<LinePrinter> BeginLinePrint() override;
    std::unique_ptr<LinePrinter> BeginPdfLinePrint(const QString& path) override;
    void ShowPrintPreview(const std::function<void(LinePrinter&)>& printDocument) override;
    std::unique_ptr<PicturePrinter> BeginPdfPicturePrint(const QString& path) override;
    void ShowPicturePreview(const std::function<void(PicturePrinter&)>& printDocument) override;
    void SetClipboardText(const QString& text) override;
    void SetClipboardImage(const QImage& image) override;
    void ShowHelpContents() override;
    void ShowHelpSearch() override;
    void CloseHelp() override;
    bool OpenWebPage(const QString& url) override;
    QList<QRect> AvailableScreenAreas() override;
    void ShowHelpPage(const QString& pageId) override;

    // Where the help comes from: the installed collection (by default found
    // beside the program or in ../share/rillo/) and the per-user folder the
    // help works in (by default the application's local data folder).
    void UseHelpFiles(const QString& installedCollection, const QString& workFolder);
    // The help window, once help has been opened; null before.
    HelpWindow* Help() const { return help_.get(); }

    // The file the settings are kept in.
    QString SettingsFile() const;

    // The one printer of the program, made on first use: the page set-up and
    // print dialogs choose it and every printed document goes to it.
    QPrinter& Printer();
    // The modal print preview of the printer; `paint` draws the document on
    // the printer the preview hands it, whenever the preview needs it.
    void RunPrintPreview(const std::function<void(QPrinter&)>& paint);

   private:
    void OpenSettings(const QString& file);

    QString settingsFile_;
    std::unique_ptr<QSettings> settings_;      // none when the file must not be touched
    QHash<QString, QString> unsavedSettings_;  // the values instead, then
    std::unique_ptr<QPrinter> printer_;
    std::unique_ptr<QtPicturePrinter> picturePrinter_;  // draws on printer_

    // The help window, made on first use; null (after a message) when the
    // user guide cannot be opened.
    HelpWindow* OpenHelp();

    std::unique_ptr<HelpWindow> help_;
    QString installedHelp_;
    QString helpWorkFolder_;
};

// A message text with the program's carriage-return line breaks turned into
// the line feeds a Qt message box shows.
QString ToDisplayLineBreaks(QString text);

// "Flow Profile (*.flo)|*.flo" to the Qt filter "Flow Profile (*.flo)".
QString ToQtFileFilter(const QString& filter);

}  // namespace rillo
