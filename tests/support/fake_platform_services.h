#pragma once

#include <QMap>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <deque>
#include <functional>
#include <optional>
#include <vector>

#include "platform/platform_services.h"
#include "tests/support/recording_line_printer.h"
#include "tests/support/recording_picture_printer.h"

namespace rillo::testing {

// One message box that a command showed.
struct ShownMessage {
    QString text;
    QString title;
    MessageIcon icon;
    MessageButtons buttons;
};

// Records every service call and answers from a script: message boxes take the
// next scripted answer (Ok when the script is empty), file dialogs the next
// scripted path (cancel when empty). Settings live in memory.
class FakePlatformServices : public PlatformServices {
   public:
    MessageAnswer ShowMessage(const QString& text, const QString& title, MessageIcon icon,
                              MessageButtons buttons) override {
        messages.push_back({text, title.isEmpty() ? kApplicationTitle : title, icon, buttons});
        if (answers.empty()) return buttons == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::Cancel;
        MessageAnswer a = answers.front();
        answers.pop_front();
        return a;
    }
    void ShowWaitCursor() override {
        ++waitDepth;
        ++waitCursorShown;
    }
    void RestoreCursor() override { --waitDepth; }
    void ProcessPendingEvents() override { ++pendingEventRuns; }
    void Beep() override { ++beeps; }
    void SetFocus(QWidget* widget) override {
        focused = widget;
        if (widget) widget->setFocus();
    }
    void SelectText(QLineEdit* field, int start, int length) override;
    QString ReadSetting(const QString& section, const QString& key, const QString& defaultValue) override {
        auto it = settings.find(section + "/" + key);
        return it == settings.end() ? defaultValue : *it;
    }
    void WriteSetting(const QString& section, const QString& key, const QString& value) override {
        settings[section + "/" + key] = value;
    }
    std::optional<QString> AskOpenPath(const FileDialogRequest& request) override {
        openRequests.push_back(request);
        return NextPath();
    }
    std::optional<QString> AskSavePath(const FileDialogRequest& request) override {
        saveRequests.push_back(request);
        std::optional<QString> path = NextPath();
        if (path && onSavePathChosen) onSavePathChosen(*path);
        return path;
    }
    std::optional<int> AskPrintCopies() override {
        ++printDialogs;
        if (printCopies.empty()) return std::nullopt;
        std::optional<int> copies = printCopies.front();
        printCopies.pop_front();
        return copies;
    }
    bool ShowPageSetup() override {
        ++pageSetups;
        return pageSetupAccepted;
    }
    PicturePrinter& PrinterForPictures() override { return picturePrinter; }
    std::unique_ptr<LinePrinter> BeginLinePrint() override { return Record(QStringLiteral("printer")); }
    std::unique_ptr<LinePrinter> BeginPdfLinePrint(const QString& path) override { return Record(path); }
    void ShowPrintPreview(const std::function<void(LinePrinter&)>& printDocument) override {
        ++previews;
        std::unique_ptr<LinePrinter> printer = Record(QStringLiteral("preview"));
        printDocument(*printer);
    }
    std::unique_ptr<PicturePrinter> BeginPdfPicturePrint(const QString& path) override {
        pdfPictures.emplace_back(path, PageLikeThePrinter());
        return std::make_unique<ForwardingPicturePrinter>(pdfPictures.back().second);
    }
    void ShowPicturePreview(const std::function<void(PicturePrinter&)>& printDocument) override {
        ++previews;
        previewPictures = PageLikeThePrinter();
        printDocument(previewPictures);
    }
    // One clipboard: what is put on it replaces whatever it held.
    void SetClipboardText(const QString& text) override {
        clipboardText = text;
        clipboardImage = QImage();
    }
    void SetClipboardImage(const QImage& image) override {
        clipboardImage = image;
        clipboardText.clear();
    }
    void ShowHelpContents() override { ++helpContents; }
    void ShowHelpSearch() override { ++helpSearches; }
    void CloseHelp() override { ++helpCloses; }
    QList<QRect> AvailableScreenAreas() override { return screens; }
    bool OpenWebPage(const QString& url) override {
        webPages.push_back(url);
        return webPageOpens;
    }
    void ShowHelpPage(const QString& pageId) override { helpPages.push_back(pageId); }

    // Script
    std::deque<MessageAnswer> answers;
    std::deque<std::optional<QString>> paths;
    std::deque<std::optional<int>> printCopies;  // print dialog answers; empty: cancel
    bool pageSetupAccepted = true;
    // The screens' available areas, the primary screen's first.
    QList<QRect> screens{QRect(0, 0, 1920, 1040)};
    int printFailsAtLine = -1;  // line printers fail from this line on; -1: never
    int printLinesPerPage = 60;
    bool webPageOpens = true;  // false: the system refuses to open web pages
    // Runs when the save dialog returns a path, before the command goes on:
    // a test can change the file system under the command's feet.
    std::function<void(const QString&)> onSavePathChosen;
    // Record
    std::vector<ShownMessage> messages;
    std::vector<FileDialogRequest> openRequests, saveRequests;
    QMap<QString, QString> settings;  // "Section/Key" -> value
    QPointer<QWidget> focused;
    int waitDepth = 0, waitCursorShown = 0, pendingEventRuns = 0, beeps = 0;
    int helpContents = 0, helpSearches = 0, helpCloses = 0;
    int printDialogs = 0, pageSetups = 0;
    int previews = 0;
    std::deque<PrintedDocument> printedDocuments;  // every document begun, in order
    QString clipboardText;
    RecordingPicturePrinter picturePrinter;
    RecordingPicturePrinter previewPictures;  // what the plot's last preview showed
    std::deque<std::pair<QString, RecordingPicturePrinter>> pdfPictures;  // each plot PDF by its path
    QImage clipboardImage;
    std::vector<QString> webPages;
    std::vector<QString> helpPages;  // pages asked for by F1, in order

   private:
    // The preview and PDF files take the printer's page set-up.
    RecordingPicturePrinter PageLikeThePrinter() const {
        RecordingPicturePrinter printer;
        printer.pageSize = picturePrinter.pageSize;
        printer.orientation = picturePrinter.orientation;
        return printer;
    }
    std::unique_ptr<LinePrinter> Record(const QString& target) {
        PrintedDocument& record = printedDocuments.emplace_back();
        record.target = target;
        return std::make_unique<RecordingLinePrinter>(record, 130, printLinesPerPage, printFailsAtLine);
    }
    std::optional<QString> NextPath() {
        if (paths.empty()) return std::nullopt;
        auto p = paths.front();
        paths.pop_front();
        return p;
    }
};

}  // namespace rillo::testing
