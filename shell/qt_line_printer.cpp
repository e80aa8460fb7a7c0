#include "shell/qt_line_printer.h"
#include "platform/platform_services.h"

#include <QFile>
#include <QFontMetricsF>
#include <QLocale>
#include <QPrinter>
#include <algorithm>

namespace rillo {

namespace {

constexpr double kDefaultMarginMm = 15.0;

QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

QtLinePrinter::QtLinePrinter(QPagedPaintDevice& device) : device_(device) {
    SetFont(ReportFont{});
}

// A document given up before its end is not sent.
QtLinePrinter::~QtLinePrinter() {
    if (!painter_.isActive()) return;
    if (auto* printer = dynamic_cast<QPrinter*>(&device_)) printer->abort();
    painter_.end();
}

void QtLinePrinter::Fail(const char* description) {
    failed_ = true;
    throw LinePrintError(description);
}

void QtLinePrinter::SetFont(const ReportFont& font) {
    // Asked for by name; where it is missing (Linux), the system substitutes
    // its metric twin (Liberation Serif for Times New Roman).
    font_ = QFont(QString::fromStdString(font.family));
    font_.setStyleHint(QFont::Serif);
    font_.setPointSizeF(font.pointSize);
    font_.setBold(font.emphasised);
    if (painter_.isActive()) painter_.setFont(font_);
}

double QtLinePrinter::PrintableWidth() {
    return device_.width();
}

double QtLinePrinter::TextWidth(std::string_view text) {
    return QFontMetricsF(font_, &device_).horizontalAdvance(FromUtf8(text));
}

// Not the font's own average (QFontMetricsF::averageCharWidth): newer fonts
// average over every glyph, Greek and Cyrillic included, which makes Liberation
// Serif's column half as wide again as that of Times New Roman, whose widths it shares.
double QtLinePrinter::ColumnWidth() {
    const QFontMetricsF metrics(font_, &device_);
    return AverageCharacterWidth([&metrics](char c) { return metrics.horizontalAdvance(QChar(c)); });
}

double QtLinePrinter::PageHeight() {
    return device_.height();
}

double QtLinePrinter::LineSpacing() {
    return QFontMetricsF(font_, &device_).lineSpacing();
}

void QtLinePrinter::StartLine() {
    if (lineStarted_) return;
    if (ended_) Fail("The document has already been sent to the printer.");
    const QFontMetricsF metrics(font_, &device_);
    if (!started_) {
        if (!painter_.begin(&device_)) {
            const auto* printer = dynamic_cast<const QPrinter*>(&device_);
            const bool noPrinter = printer && printer->outputFormat() == QPrinter::NativeFormat &&
                                   printer->printerName().isEmpty();
            Fail(noPrinter ? "There is no printer to print on."
                           : "The printer could not start the document.");
        }
        started_ = true;
    } else if (newPageDue_ || (!footDue_ && pageHasLines_ && top_ + metrics.height() > device_.height())) {
        if (!device_.newPage()) Fail("The printer could not start a new page.");
        top_ = 0.0;
        pageHasLines_ = false;
    }
    newPageDue_ = false;
    if (footDue_) top_ = std::max(top_, device_.height() - std::max(metrics.lineSpacing(), metrics.height()));
    footDue_ = false;
    painter_.setFont(font_);
    lineHeight_ = metrics.lineSpacing();
    lineAscent_ = metrics.ascent();
    lineStarted_ = true;
    pageHasLines_ = true;
}

void QtLinePrinter::PrintText(double x, std::string_view text) {
    StartLine();
    painter_.drawText(QPointF(x, top_ + lineAscent_), FromUtf8(text));
}

void QtLinePrinter::EndLine() {
    StartLine();
    top_ += lineHeight_;
    lineStarted_ = false;
}

void QtLinePrinter::MoveToFoot() {
    footDue_ = true;
}

void QtLinePrinter::NewPage() {
    if (pageHasLines_) newPageDue_ = true;
}

void QtLinePrinter::EndDocument() {
    if (ended_) return;
    ended_ = true;
    if (!painter_.isActive()) return;
    const bool ended = painter_.end();
    const auto* printer = dynamic_cast<const QPrinter*>(&device_);
    if (!failed_ && (!ended || (printer && printer->printerState() == QPrinter::Error))) {
        Fail("The printer could not finish the document.");
    }
}

PdfInMemory::PdfInMemory(const QPageLayout& layout) : writer(&buffer) {
    buffer.open(QIODevice::WriteOnly);
    writer.setPageLayout(layout);
    writer.setCreator(kApplicationTitle);
    writer.setTitle(QStringLiteral("Steady-state water-surface profile"));
}

PdfLinePrinter::PdfLinePrinter(const QString& path, const QPageLayout& layout, FileSystemIo& io)
    : PdfInMemory(layout), QtLinePrinter(writer), path_(path), io_(io) {}

void PdfLinePrinter::EndDocument() {
    if (ended_) return;
    ended_ = true;
    const bool failedBefore = Failed();
    QtLinePrinter::EndDocument();
    // An incomplete document is never written.
    if (failedBefore) return;
    if (!Started() || buffer.data().isEmpty()) throw LinePrintError("The document has no pages.");
    const QByteArray& pdf = buffer.data();
    if (std::optional<std::string> error = WriteFileAtomically(
            QFile::encodeName(path_).toStdString(), std::string_view(pdf.constData(), pdf.size()), io_)) {
        throw LinePrintError(*error);
    }
}

QPageLayout DefaultReportPageLayout() {
    const bool letter = QLocale::system().territory() == QLocale::UnitedStates;
    return QPageLayout(QPageSize(letter ? QPageSize::Letter : QPageSize::A4), QPageLayout::Portrait,
                       QMarginsF(kDefaultMarginMm, kDefaultMarginMm, kDefaultMarginMm, kDefaultMarginMm),
                       QPageLayout::Millimeter);
}

}  // namespace rillo
