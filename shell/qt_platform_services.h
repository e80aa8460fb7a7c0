#pragma once

#include <QPrinter>
#include <QSettings>
#include <memory>

#include "platform/platform_services.h"

namespace rillo {

// The platform services of the running program: Qt message boxes, the
// override cursor, and the per-user settings store as an INI file in the
// user's configuration folder under the application name "Rillo2".
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
    std::unique_ptr<LinePrinter> BeginLinePrint() override;
    std::unique_ptr<LinePrinter> BeginPdfLinePrint(const QString& path) override;
    void ShowPrintPreview(const std::function<void(LinePrinter&)>& printDocument) override;
    void SetClipboardText(const QString& text) override;
    void SetClipboardImage(const QImage& image) override;
    void ShowHelpContents() override;
    void ShowHelpSearch() override;
    void CloseHelp() override;
    void OpenWebPage(const QString& url) override;

    // The file the settings are kept in.
    QString SettingsFile() const;

    // The one printer of the program, made on first use: the page set-up and
    // print dialogs choose it and every printed document goes to it.
    QPrinter& Printer();

   private:
    std::unique_ptr<QSettings> settings_;
    std::unique_ptr<QPrinter> printer_;
};

// A message text with the program's carriage-return line breaks turned into
// the line feeds a Qt message box shows.
QString ToDisplayLineBreaks(QString text);

// "Flow Profile (*.flo)|*.flo" to the Qt filter "Flow Profile (*.flo)".
QString ToQtFileFilter(const QString& filter);

}  // namespace rillo
