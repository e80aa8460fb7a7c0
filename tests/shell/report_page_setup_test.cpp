#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>

#include "documents/print_profile_report.h"
#include "shell/page_layout_settings.h"
#include "shell/qt_line_printer.h"
#include "shell/qt_platform_services.h"
#include "tests/support/fake_platform_services.h"
#include "tests/support/sample_profiles.h"

namespace rillo {
namespace {

// A printer that hands everything on to a real one and keeps how far left
// and right of the printable area any text was drawn.
class MeasuringPrinter : public LinePrinter {
   public:
    explicit MeasuringPrinter(LinePrinter& to) : to_(to) {}
    void SetFont(const ReportFont& font) override { to_.SetFont(font); }
    double PrintableWidth() override { return to_.PrintableWidth(); }
    double TextWidth(std::string_view text) override { return to_.TextWidth(text); }
    double ColumnWidth() override { return to_.ColumnWidth(); }
    double PageHeight() override { return to_.PageHeight(); }
    double LineSpacing() override { return to_.LineSpacing(); }
    void PrintText(double x, std::string_view text) override {
        leftmost = std::min(leftmost, x);
        rightmost = std::max(rightmost, x + to_.TextWidth(text));
        printed += std::string(text) + "\n";
        to_.PrintText(x, text);
    }
    void EndLine() override { to_.EndLine(); }
    void MoveToFoot() override { to_.MoveToFoot(); }
    void NewPage() override { to_.NewPage(); }
    void EndDocument() override { to_.EndDocument(); }

    double leftmost = 0.0, rightmost = 0.0;
    std::string printed;

   private:
    LinePrinter& to_;
};

// With Qt's own fonts on PDF pages of every margin from 5 to 100 mm, on two
// papers either way up, and names up to 300 characters: nothing is drawn
// outside the printable width and every table heading is printed whole.
TEST(ReportPageFit, NothingIsDrawnPastTheMarginsWhateverTheMarginsAndTheName) {
    const ProfileDocument worked = testing::WorkedExampleDocument();
    const double margins[] = {5, 12.7, 25.4, 40, 63, 100};
    const QPageSize papers[] = {QPageSize(QPageSize::A4), QPageSize(QPageSize::Letter)};
    for (const QPageSize& paper : papers) {
        for (auto orientation : {QPageLayout::Portrait, QPageLayout::Landscape}) {
            for (double left : margins) {
                for (std::size_t nameLength : {19u, 150u, 300u}) {
                    const double right = nameLength == 150 ? 5.0 : left;  // unequal margins too
                    SCOPED_TRACE(paper.name().toStdString() + " " + std::to_string(orientation) + " margins " +
                                 std::to_string(left) + "/" + std::to_string(right) + " name " +
                                 std::to_string(nameLength));
                    const QPageLayout layout(paper, orientation, QMarginsF(left, left, right, left),
                                             QPageLayout::Millimeter);
                    if (layout.paintRect(QPageLayout::Millimeter).width() <= 0) continue;
                    ProfileDocument document = worked;
                    document.channelName.clear();
                    for (std::size_t i = 0; i < nameLength; ++i) document.channelName += "Mill race "[i % 10];
                    PdfInMemory pdf(layout);
                    QtLinePrinter qt(pdf.writer);
                    MeasuringPrinter printer(qt);
                    ASSERT_EQ(PrintProfileReport(printer, document, {2024, 3, 4}, 1), std::nullopt);
                    EXPECT_GE(printer.leftmost, 0.0);
                    EXPECT_LE(printer.rightmost, qt.PrintableWidth());
                    for (const char* word : {"Momentum", "subcritical", "Top Width", "Page 1 of"}) {
                        EXPECT_NE(printer.printed.find(word), std::string::npos) << word;
                    }
                }
            }
        }
    }
}

// What pdftotext reads back at a 40 mm left margin: the last column and the
// flow type whole, the name wrapped onto lines of its own with nothing lost.
TEST(ReportPageFit, AWideLeftMarginShrinksTheReportButCutsNothing) {
    ProfileDocument document = testing::WorkedExampleDocument();
    document.channelName = std::string(70, 'N') + " " + std::string(79, 'M');
    QTemporaryDir folder;
    const QString path = folder.filePath("narrow.pdf");
    {
        PdfLinePrinter printer(path, QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait,
                                                 QMarginsF(40, 25.4, 25.4, 25.4), QPageLayout::Millimeter));
        ASSERT_EQ(PrintProfileReport(printer, document, {2024, 3, 4}, 1), std::nullopt);
    }
    QProcess process;
    process.start("pdftotext", {"-layout", path, "-"});
    ASSERT_TRUE(process.waitForFinished(30000));
    const QString text = QString::fromUtf8(process.readAllStandardOutput());
    EXPECT_TRUE(text.contains("Momentum")) << text.toStdString();
    EXPECT_TRUE(text.contains("Flow Type = subcritical"));
    // The name goes on over three lines, the long word broken between letters.
    const QString name = QString(70, 'N') + QString(79, 'M');
    EXPECT_TRUE(QString(text).remove(QRegularExpression("\\s")).contains(name));
    EXPECT_FALSE(text.contains(name));
    EXPECT_TRUE(text.contains("Page 1 of 1"));
}

TEST(PageSetupSettings, TheStoredSetUpReadsBackAndAnUnusableValueTakesItsDefault) {
    const QPageLayout fallback = DefaultReportPageLayout();
    struct Case {
        const char* what;
        QMap<QString, QString> stored;
        QSizeF paperMm;
        QPageLayout::Orientation orientation;
        QMarginsF marginsMm;
    };
    const QSizeF defaultPaper = fallback.pageSize().size(QPageSize::Millimeter);
    const Case cases[] = {
        {"nothing stored", {}, defaultPaper, QPageLayout::Portrait, {15, 15, 15, 15}},
        {"a whole set-up",
         {{"Print/PaperWidth", "215.9"}, {"Print/PaperHeight", "279.4"}, {"Print/Orientation", "Landscape"},
          {"Print/LeftMargin", "10"}, {"Print/TopMargin", "25.4"}, {"Print/RightMargin", "40"},
          {"Print/BottomMargin", "0"}},
         {215.9, 279.4}, QPageLayout::Landscape, {10, 25.4, 40, 0}},
        {"texts that are no lengths",
         {{"Print/PaperWidth", "wide"}, {"Print/PaperHeight", "297"}, {"Print/Orientation", "sideways"},
          {"Print/LeftMargin", "-3"}, {"Print/TopMargin", "nan"}, {"Print/RightMargin", "1e308"},
          {"Print/BottomMargin", ""}},
         defaultPaper, QPageLayout::Portrait, {15, 15, 15, 15}},
        {"paper smaller than a postcard", {{"Print/PaperWidth", "1"}, {"Print/PaperHeight", "1"}},
         defaultPaper, QPageLayout::Portrait, {15, 15, 15, 15}},
        {"margins that leave nothing to print on",
         {{"Print/PaperWidth", "210"}, {"Print/PaperHeight", "297"}, {"Print/LeftMargin", "100"},
          {"Print/RightMargin", "105"}},
         {210, 297}, QPageLayout::Portrait, {15, 15, 15, 15}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        testing::FakePlatformServices services;
        services.settings = c.stored;
        const QPageLayout layout = StoredPageLayout(services);
        const QSizeF paper = layout.pageSize().size(QPageSize::Millimeter);
        EXPECT_NEAR(paper.width(), c.paperMm.width(), 0.1);
        EXPECT_NEAR(paper.height(), c.paperMm.height(), 0.1);
        EXPECT_EQ(layout.orientation(), c.orientation);
        const QMarginsF m = layout.margins(QPageLayout::Millimeter);
        EXPECT_NEAR(m.left(), c.marginsMm.left(), 0.01);
        EXPECT_NEAR(m.top(), c.marginsMm.top(), 0.01);
        EXPECT_NEAR(m.right(), c.marginsMm.right(), 0.01);
        EXPECT_NEAR(m.bottom(), c.marginsMm.bottom(), 0.01);

        // What is stored reads back as it was.
        testing::FakePlatformServices again;
        StorePageLayout(again, layout);
        const QPageLayout back = StoredPageLayout(again);
        EXPECT_TRUE(back.isEquivalentTo(layout));
        EXPECT_EQ(back.pageSize().id(), layout.pageSize().id()) << "a standard paper keeps its name";
    }
}

// The print preview and the PDF take the page set-up kept in the settings
// file: the same printable area, its margins as stored, from one run to the next.
TEST(PageSetupSettings, PreviewAndPdfShareTheStoredSetUp) {
    QTemporaryDir folder;
    const QString settings = folder.filePath("Rillo2.ini");
    for (const auto& [left, right] : {std::pair{10.0, 10.0}, std::pair{40.0, 25.4}}) {
        {
            QtPlatformServices writing(settings);
            StorePageLayout(writing, QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                                 QMarginsF(left, 20, right, 20), QPageLayout::Millimeter));
        }
        QtPlatformServices services(settings);
        const QMarginsF printerMargins = services.Printer().pageLayout().margins(QPageLayout::Millimeter);
        EXPECT_NEAR(printerMargins.left(), left, 0.01);
        EXPECT_NEAR(printerMargins.right(), right, 0.01);
        // Width to height of the printable area: independent of each device's resolution.
        const double expected = (210.0 - left - right) / (297.0 - 40.0);
        double previewShape = 0.0;
        QTimer::singleShot(0, [] {
            if (QWidget* preview = QApplication::activeModalWidget()) preview->close();
        });
        services.ShowPrintPreview(
            [&](LinePrinter& printer) { previewShape = printer.PrintableWidth() / printer.PageHeight(); });
        EXPECT_NEAR(previewShape, expected, 0.002);
        const std::unique_ptr<LinePrinter> pdf = services.BeginPdfLinePrint(folder.filePath("report.pdf"));
        EXPECT_NEAR(pdf->PrintableWidth() / pdf->PageHeight(), expected, 0.002);
    }
}

// Page Setup keeps what OK chose for the next run; Cancel keeps nothing.
TEST(PageSetupSettings, OkInPageSetupStoresTheSetUpAndCancelDoesNot) {
    QTemporaryDir folder;
    const QString settings = folder.filePath("Rillo2.ini");
    for (bool ok : {false, true}) {
        QtPlatformServices services(settings);
        services.Printer().setPageMargins(QMarginsF(12, 13, 14, 16), QPageLayout::Millimeter);
        QTimer::singleShot(0, [ok] {
            if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                ok ? dialog->accept() : dialog->reject();
            }
        });
        EXPECT_EQ(services.ShowPageSetup(), ok);
        EXPECT_EQ(services.ReadSetting("Print", "LeftMargin", "none"), ok ? "12" : "none");
        EXPECT_EQ(services.ReadSetting("Print", "BottomMargin", "none"), ok ? "16" : "none");
    }
}

}  // namespace
}  // namespace rillo
