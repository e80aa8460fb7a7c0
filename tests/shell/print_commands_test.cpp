#include "shell/print_commands.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QTemporaryDir>
#include <QTest>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "documents/print_profile_report.h"
#include "documents/report/long_date.h"
#include "documents/report/table_text.h"
#include "shell/profile_file_commands.h"
#include "shell/qt_platform_services.h"
#include "tests/support/disk_full_io.h"
#include "tests/support/main_window_harness.h"
#include "tests/support/sample_profiles.h"

namespace rillo {
namespace {

namespace fs = std::filesystem;
using testing::MainWindowTest;

const QString kPrintingError =
    "You must enter all of the required inputs and calculate a profile before printing.";

std::string Contents(const QString& path) {
    std::ifstream in(QFile::encodeName(path).toStdString(), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

class PrintCommandsTest : public MainWindowTest {
   protected:
    void SetUp() override { StartProgram(); }
    void ComputeWorkedExample() {
        EnterInputs(testing::WorkedExampleTexts());
        ComputeFromMenu();
        ASSERT_TRUE(services.messages.empty());
    }
    const MainMenus& Menus() { return Main().Menus(); }
};

TEST_F(PrintCommandsTest, EveryReportCommandRefusesAnIncompleteProfile) {
    EnterInputs(testing::WorkedExampleTexts());  // inputs, but nothing computed
    Main().GridWindow().hide();
    const QString exportingError =
        "You must enter all of the required inputs and calculate a profile before exporting.";
    const struct {
        QAction* item;
        QString text, title;
    } cases[] = {
        {Menus().mnuPrint, kPrintingError, "Printing Error"},
        {Menus().mnuPrintPreview, kPrintingError, "Printing Error"},
        {Menus().mnuExportPdf, kPrintingError, "Printing Error"},
        {Menus().mnuExportTable, exportingError, "Export Error"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.item->objectName().toStdString());
        services.messages.clear();
        services.paths.push_back("/tmp/never-written");
        c.item->trigger();
        ASSERT_EQ(services.messages.size(), 1u);
        EXPECT_EQ(services.messages[0].text, c.text);
        EXPECT_EQ(services.messages[0].title, c.title);
        EXPECT_EQ(services.messages[0].icon, MessageIcon::Information);
        EXPECT_TRUE(Main().GridWindow().isVisible()) << "the hidden views are shown first";
        services.paths.clear();
    }
    EXPECT_EQ(services.printDialogs, 0);
    EXPECT_TRUE(services.saveRequests.empty());
    EXPECT_TRUE(services.printedDocuments.empty());
}

TEST_F(PrintCommandsTest, PrintAsksForCopiesAndPrintsThatManyReports) {
    ComputeWorkedExample();
    const int rows = static_cast<int>(CurrentDocument(Main()).table.size());
    services.printCopies = {std::nullopt, 0, 2};
    Menus().mnuPrint->trigger();  // cancelled
    EXPECT_EQ(services.printDialogs, 1);
    EXPECT_TRUE(services.printedDocuments.empty());

    RunToolbarButton(Menus(), "Print");  // a count of 0 prints one copy
    ASSERT_EQ(services.printedDocuments.size(), 1u);
    const testing::PrintedDocument& one = services.printedDocuments[0];
    EXPECT_EQ(one.target, "printer");
    EXPECT_TRUE(one.ended);
    EXPECT_EQ(static_cast<int>(one.lines.size()), 13 + rows + 1) << "the rows and the page's footer";
    EXPECT_EQ(one.lines[4].texts.at(0).text, LongDate(TodayOnThisComputer()));
    EXPECT_EQ(one.lines[3].texts.at(0).text, "Trapezoidal Channel");

    Menus().mnuPrint->trigger();
    ASSERT_EQ(services.printedDocuments.size(), 2u);
    EXPECT_EQ(services.printedDocuments[1].Pages(), 2);
    EXPECT_EQ(services.printedDocuments[1].lines.size(), 2 * one.lines.size());
    EXPECT_GT(services.waitCursorShown, 0);
    EXPECT_GT(services.pendingEventRuns, rows);
    EXPECT_TRUE(services.messages.empty());
}

TEST_F(PrintCommandsTest, APrinterFailureShowsPrintErrorAndEndsTheDocument) {
    ComputeWorkedExample();
    services.printCopies = {1};
    services.printFailsAtLine = 15;
    Menus().mnuPrint->trigger();
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.messages[0].title, "Print Error");
    EXPECT_EQ(services.messages[0].text,
              "The following error occurred while printing:\rThe printer is out of paper.");
    EXPECT_EQ(services.messages[0].icon, MessageIcon::Warning);
    ASSERT_EQ(services.printedDocuments.size(), 1u);
    EXPECT_TRUE(services.printedDocuments[0].ended);
    EXPECT_EQ(services.printedDocuments[0].lines.size(), 15u);
    EXPECT_EQ(services.waitDepth, 0);
}

TEST_F(PrintCommandsTest, PageSetupPreviewAndExportPdfUseTheSameReport) {
    ComputeWorkedExample();
    services.pageSetupAccepted = false;
    Menus().mnuPageSetup->trigger();
    EXPECT_EQ(services.pageSetups, 1);
    EXPECT_TRUE(services.printedDocuments.empty());

    Menus().mnuPrintPreview->trigger();
    EXPECT_EQ(services.previews, 1);
    services.paths = {"/somewhere/report", "/somewhere/Report.PDF", std::nullopt};
    Menus().mnuExportPdf->trigger();
    Menus().mnuExportPdf->trigger();
    Menus().mnuExportPdf->trigger();  // cancelled
    ASSERT_EQ(services.printedDocuments.size(), 3u);
    EXPECT_EQ(services.printedDocuments[0].target, "preview");
    EXPECT_EQ(services.printedDocuments[1].target, "/somewhere/report.pdf");
    EXPECT_EQ(services.printedDocuments[2].target, "/somewhere/Report.PDF");
    for (const auto& document : services.printedDocuments) {
        EXPECT_TRUE(document.ended);
        EXPECT_EQ(document.lines.size(), services.printedDocuments[0].lines.size());
    }
    ASSERT_EQ(services.saveRequests.size(), 3u);
    EXPECT_EQ(services.saveRequests[0].filter, "PDF Document (*.pdf)|*.pdf");
    EXPECT_EQ(services.saveRequests[0].defaultExtension, "pdf");
    EXPECT_TRUE(services.messages.empty());
}

TEST_F(PrintCommandsTest, ExportPdfProposesTheProfileFilesName) {
    ComputeWorkedExample();
    Main().State().currentFilePath = "/work/reach 1.flo";
    Menus().mnuExportPdf->trigger();  // cancelled
    Menus().mnuExportTable->trigger();
    ASSERT_EQ(services.saveRequests.size(), 2u);
    EXPECT_EQ(services.saveRequests[0].fileName, "/work/reach 1.pdf");
    EXPECT_EQ(services.saveRequests[1].fileName, "/work/reach 1.csv");
}

TEST_F(PrintCommandsTest, ExportTableWritesTheWholeTableAsCsv) {
    ComputeWorkedExample();
    QTemporaryDir folder;
    services.paths = {folder.filePath("table")};
    Menus().mnuExportTable->trigger();
    EXPECT_TRUE(services.messages.empty());
    const std::string csv = Contents(folder.filePath("table.csv"));
    EXPECT_EQ(csv, CommaSeparatedText(ProfileTableWithHeadings(CurrentDocument(Main()))));
    EXPECT_EQ(csv.substr(0, csv.find("\r\n")),
              "Station,Depth,Specific,Area,Velocity,Top,Momentum,Froude,Velocity,"
              "Hydraulic,Wetted");
    EXPECT_NE(csv.find("\r\n10+00.000,1.329,1.878,16.817,5.946,15.315,28.857,1.000,0.549,1.055,15.942\r\n"),
              std::string::npos);
    EXPECT_EQ(services.saveRequests.at(0).filter, "Comma-Separated Values (*.csv)|*.csv");
}

// A station before the origin reads as a formula in a spreadsheet
// ("-1+50.000" is 49); the export and Copy both write it as text.
TEST_F(PrintCommandsTest, ExportTableAndCopyWriteFormulaLikeCellsAsText) {
    ComputeWorkedExample();
    Grid().SetCellText(2, 0, "-1+50.000");
    QTemporaryDir folder;
    services.paths = {folder.filePath("table.csv")};
    Menus().mnuExportTable->trigger();
    EXPECT_NE(Contents(folder.filePath("table.csv")).find("\r\n'-1+50.000,1.329,"), std::string::npos);
    Grid().grdFlowData->clearSelection();
    Grid().copyAction->trigger();
    EXPECT_TRUE(services.clipboardText.contains("\n'-1+50.000\t1.329\t"));
}

TEST_F(PrintCommandsTest, ExportTableOnAFullDiskShowsSaveErrorAndLeavesNoFile) {
    ComputeWorkedExample();
    QTemporaryDir folder;
    services.paths = {folder.filePath("table.csv")};
    testing::DiskFullIo full;
    ExportTable(Main(), full);
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.messages[0].title, "Save Error");
    EXPECT_TRUE(services.messages[0].text.startsWith("The following error occurred:\r"));
    EXPECT_TRUE(QDir(folder.path()).isEmpty());
}

TEST_F(PrintCommandsTest, CopyTakesTheSelectionOrTheWholeTableWithItsHeadings) {
    ComputeWorkedExample();
    FrmMainGrid& grid = Grid();
    grid.grdFlowData->clearSelection();
    grid.copyAction->trigger();
    EXPECT_EQ(services.clipboardText.toStdString(),
              TabSeparatedText(ProfileTableWithHeadings(CurrentDocument(Main()))));

    // Rows 2 and 3, columns 1 and 3, and one cell of row 5: the rows and
    // columns of the selection, cells not chosen left empty.
    auto select = [&grid](int row, int column) {
        grid.grdFlowData->selectionModel()->select(grid.grdFlowData->model()->index(row, column),
                                                   QItemSelectionModel::Select);
    };
    for (int row : {2, 3}) {
        for (int column : {1, 3}) select(row, column);
    }
    select(5, 3);
    select(90, 3);  // below the end of the table
    grid.copyAction->trigger();
    const auto cell = [&grid](int row, int column) { return grid.CellText(row, column); };
    EXPECT_EQ(services.clipboardText, "Depth\tArea\nft\tft^2\n" + cell(2, 1) + "\t" + cell(2, 3) + "\n" +
                                          cell(3, 1) + "\t" + cell(3, 3) + "\n\t" + cell(5, 3) + "\n");
}

// The real clipboard and the real keys, over the program's own services.
TEST(TableViewCopy, CtrlCAndTheContextMenuItemPutTheTableOnTheSystemClipboard) {
    QTemporaryDir folder;
    QtPlatformServices services(folder.filePath("settings.ini"));
    MDIMain main(services);
    main.Start();
    const ProfileInputTexts texts = testing::WorkedExampleTexts();
    FrmMainInputs& in = main.Inputs();
    in.txtXS1->setText("0+00.000");
    in.txtXS2->setText("10+00.000");
    in.txtQ->setText("100");
    in.txtD->setText("10");
    in.txtRN->setText("0.013");
    in.txtSO->setText("0.001");
    in.txtSlope->setText("2");
    main.Menus().mnuCompute->trigger();
    const QString whole =
        QString::fromStdString(TabSeparatedText(ProfileTableWithHeadings(CurrentDocument(main))));
    ASSERT_TRUE(whole.contains("10+00.000\t1.329\t1.878"));

    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->setText("before");
    QTableWidget* table = main.Grid().grdFlowData;
    table->setFocus();
    QTest::keyClick(table, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(clipboard->text(), whole);

    clipboard->setText("before");
    EXPECT_TRUE(table->actions().contains(main.Grid().copyAction));
    EXPECT_EQ(table->contextMenuPolicy(), Qt::ActionsContextMenu);
    table->setCurrentCell(2, 0);  // selects the station of the first row
    main.Grid().copyAction->trigger();
    EXPECT_EQ(clipboard->text(), "Station\nft\n10+00.000\n");
    main.close();
}

}  // namespace
}  // namespace rillo
