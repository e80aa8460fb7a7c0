#pragma once

#include <QBuffer>
#include <QFont>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>

#include "documents/format/atomic_file_writer.h"
#include "platform/line_printer.h"

namespace rillo {

// The line printer on a Qt paged device (a QPrinter, the printer a print
// preview hands out, a QPdfWriter): text drawn with a QPainter from the top
// left of the printable area, lines spaced by the font's line spacing. The
// painter starts with the first line, so an empty document sends no page.
class QtLinePrinter : public LinePrinter {
   public:
    explicit QtLinePrinter(QPagedPaintDevice& device);
    ~QtLinePrinter() override;
    QtLinePrinter(const QtLinePrinter&) = delete;
    QtLinePrinter& operator=(const QtLinePrinter&) = delete;

    void SetFont(const ReportFont& font) override;
    double PrintableWidth() override;
    double TextWidth(std::string_view text) override;
    double ColumnWidth() override;
    double PageHeight() override;
    double LineSpacing() override;
    void PrintText(double x, std::string_view text) override;
    void EndLine() override;
    void MoveToFoot() override;
    void NewPage() override;
    // Ends the document, which sends it; after a failure, sends what was printed.
    void EndDocument() override;

   protected:
    // Whether a call has failed; the document is then incomplete.
    bool Failed() const { return failed_; }
    // Whether anything was printed.
    bool Started() const { return started_; }

   private:
    [[noreturn]] void Fail(const char* description);
    // Before the first text or the end of a line: starts the document, or a
    // new page when one is due or the line does not fit below the last.
    void StartLine();

    QPagedPaintDevice& device_;
    QPainter painter_;
    QFont font_;
    bool started_ = false, ended_ = false, failed_ = false;
    bool lineStarted_ = false, pageHasLines_ = false, newPageDue_ = false, footDue_ = false;
    double top_ = 0.0;  // of the current line
    double lineHeight_ = 0.0, lineAscent_ = 0.0;
};

// What a PDF is drawn into before it is written: a buffer in memory.
struct PdfInMemory {
    explicit PdfInMemory(const QPageLayout& layout);
    QBuffer buffer;
    QPdfWriter writer;
};

// The line printer that writes a PDF file: the document is drawn in memory
// and written to the path only once it has ended whole, through a temporary
// file beside it that is then renamed over it. A failure on the way leaves
// the path as it was.
class PdfLinePrinter : private PdfInMemory, public QtLinePrinter {
   public:
    PdfLinePrinter(const QString& path, const QPageLayout& layout, FileSystemIo& io = SystemFileSystemIo());
    void EndDocument() override;

   private:
    QString path_;
    FileSystemIo& io_;
    bool ended_ = false;
};

// The page set-up until the user chooses one: Letter in the United States,
// A4 elsewhere, portrait, with margins of 15 mm.
QPageLayout DefaultReportPageLayout();

}  // namespace rillo
