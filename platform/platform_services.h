#pragma once

#include <QImage>
#include <QList>
#include <QRect>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>

#include "platform/line_printer.h"
#include "engine/product_version.h"

class QWidget;
class QLineEdit;

namespace rillo {

class PicturePrinter;

enum class MessageIcon { Information, Warning };
enum class MessageButtons { Ok, YesNoCancel };
enum class MessageAnswer { Ok, Yes, No, Cancel };

// What a file dialog is preset with.
struct FileDialogRequest {
    QString fileName;          // preset file name or path
    QString filter;            // "Flow Profile (*.flo)|*.flo"
    QString defaultExtension;  // "flo", or empty
};

// Every service of the windowing platform that the commands use. The program
// installs QtPlatformServices; tests install a scripted fake, so each command
// can be driven end to end without a person.
class PlatformServices {
   public:
    virtual ~PlatformServices() = default;

    // Modal message box; returns the button chosen (closing the box counts as
    // Cancel where there is one). An empty title shows the application title.
    virtual MessageAnswer ShowMessage(const QString& text, const QString& title, MessageIcon icon,
                                      MessageButtons buttons = MessageButtons::Ok) = 0;

    // Application-wide wait cursor; RestoreCursor undoes one ShowWaitCursor.
    virtual void ShowWaitCursor() = 0;
    virtual void RestoreCursor() = 0;
    // Lets pending window events run.
    virtual void ProcessPendingEvents() = 0;
    virtual void Beep() = 0;

    // Keyboard focus and text selection.
    virtual void SetFocus(QWidget* widget) = 0;
    virtual void SelectText(QLineEdit* field, int start, int length) = 0;

    // Per-user settings store of the application "Rillo2"; every value is text.
    virtual QString ReadSetting(const QString& section, const QString& key, const QString& defaultValue) = 0;
    virtual void WriteSetting(const QString& section, const QString& key, const QString& value) = 0;

    // Common file dialogs; nothing when the user cancels.
    virtual std::optional<QString> AskOpenPath(const FileDialogRequest& request) = 0;
    virtual std::optional<QString> AskSavePath(const FileDialogRequest& request) = 0;

    // The print dialog of the one printer that all printing uses: copies preset
    // to 1, no print-to-file choice, no page range, no selection. Returns the
    // copies count as the dialog reads it (0 is possible), nothing when the
    // user cancels. The printer itself prints one copy of what it is sent.
    virtual std::optional<int> AskPrintCopies() = 0;
    // The page set-up dialog on that printer; its choices apply to later
    // printing. Returns false when the user cancels, which changes nothing.
    virtual bool ShowPageSetup() = 0;
    // That printer as the plot uses it: pictures placed on pages.
    virtual PicturePrinter& PrinterForPictures() = 0;
    // A line printer for one document on that printer, as the dialogs left it;
    // the document is sent when it ends.
    virtual std::unique_ptr<LinePrinter> BeginLinePrint() = 0;
    // A line printer for one document written as a PDF file at `path`, on the
    // printer's page layout. The file appears only once the document has ended
    // whole; a failure leaves what was at the path as it was.
    virtual std::unique_ptr<LinePrinter> BeginPdfLinePrint(const QString& path) = 0;
    // The modal print preview of that printer: `printDocument` prints one
    // document to the line printer it is given, whenever the preview needs it.
    virtual void ShowPrintPreview(const std::function<void(LinePrinter&)>& printDocument) = 0;

    // The same for the plot: a picture printer for one document written as a
    // PDF file at `path` on the printer's page layout (the file appears only
    // once the document has ended whole), and the print preview of pictures.
    virtual std::unique_ptr<PicturePrinter> BeginPdfPicturePrint(const QString& path) = 0;
    virtual void ShowPicturePreview(const std::function<void(PicturePrinter&)>& printDocument) = 0;

    // The system clipboard.
    virtual void SetClipboardText(const QString& text) = 0;
    virtual void SetClipboardImage(const QImage& image) = 0;

    // The areas of the screens that windows may take (without task bars and
    // docks), in global pixels, the primary screen's first.
    virtual QList<QRect> AvailableScreenAreas() = 0;

    // Help file, its keyword search and its closing; a web page in the browser.
    // Contents opens the user guide at the main window's page; Search at its
    // index of keywords.
    virtual void ShowHelpContents() = 0;
    virtual void ShowHelpSearch() = 0;
    virtual void CloseHelp() = 0;
    // Returns false when the system refused to open the page (no browser), so
    // that the caller can show the address. A page of the user guide
    // ("qthelp:" address) opens in the help window.
    virtual bool OpenWebPage(const QString& url) = 0;
    // Opens the user guide at one page, named as its file without ".html"
    // ("critical-depth-calculator"); F1 asks for the page of its window.
    virtual void ShowHelpPage(const QString& pageId) = 0;
};

// Shows the wait cursor for the life of the object, so that the normal cursor
// comes back on every path, failures included.
class WaitCursor {
   public:
    explicit WaitCursor(PlatformServices& services) : services_(services) { services_.ShowWaitCursor(); }
    ~WaitCursor() { services_.RestoreCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

   private:
    PlatformServices& services_;
};

// The application title, shown by a message box given no title.
inline const QString kApplicationTitle = QString::fromUtf8(kProductTitle.data(), qsizetype(kProductTitle.size()));
// The help window's title, and the title of the help's own messages.
inline const QString kHelpWindowTitle = kApplicationTitle + QStringLiteral(" Help");

}  // namespace rillo
