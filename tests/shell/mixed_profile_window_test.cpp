#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QHeaderView>

#include "documents/frm_long_section.h"
#include "documents/frm_mixed_profile.h"
#include "shell/main_menus.h"
#include "shell/mdi_main.h"
#include "shell/profile_file_commands.h"
#include "tests/cli/cli_runner.h"
#include "tests/support/key_input.h"
#include "tests/support/main_window_harness.h"
#include "tests/support/modal_window.h"

namespace rillo {
namespace {

using testing::WhileModal;

// A rectangle 10 ft wide on a mild slope (critical depth 1.459 ft), 0.5 ft
// deep below a gate, a tailwater of 2.5 ft.
const ProfileInputTexts kRectangle = {"0+00.000", "10+00.000", "100", "10", "0.013", "0.001", "", "0"};

std::string Cell(const QTableWidget& grid, int row, int column) {
    const QTableWidgetItem* item = grid.item(row, column);
    return item ? item->text().toStdString() : std::string();
}

class MixedProfileWindowTest : public testing::MainWindowTest {
   protected:
    void SetUp() override {
        StartProgram();
        EnterInputs(kRectangle);
    }
    void Open(const std::function<void(FrmMixedProfile&)>& act) {
        WhileModal<FrmMixedProfile>([this] { Main().Menus().mnuMixedProfile->trigger(); }, act);
    }
    void Compute(FrmMixedProfile& w, const char* y1, const char* y2) {
        w.txtY1->setText(y1);
        w.txtY2->setText(y2);
        w.cmdCompute->click();
    }
};

// The window opens from Water Surface Profile on a copy of the inputs and
// shows what `rillo-cli mixed` prints; the main window is left as it was.
TEST_F(MixedProfileWindowTest, ComputesAsTheCommandLineAndLeavesTheMainWindowAlone) {
    EXPECT_EQ(Main().Menus().mnuMixedProfile->parentWidget(), Main().Menus().mnuProfile);
    const testing::CliRun cli = testing::RunRilloCli(
        {"mixed", "--end", "10+00.000", "--flow", "100", "--width", "10", "--n", "0.013", "--slope", "0.001",
         "--side", "0", "--upstream-depth", "0.5", "--downstream-depth", "2.5", "--format", "tsv"});
    ASSERT_EQ(cli.status, 0) << cli.err;
    const std::vector<std::string> lines = testing::Lines(cli.out);
    Open([&](FrmMixedProfile& w) {
        EXPECT_EQ(w.windowTitle(), "Mixed Flow Profile");
        EXPECT_EQ(w.txtInput[static_cast<int>(InputField::Flowrate)]->text(), "100");
        EXPECT_EQ(w.lblInput[static_cast<int>(InputField::StartStation)]->text(), "Start station, ft:");
        EXPECT_FALSE(w.cmdPrint->isEnabled()) << "nothing to print before Compute";
        testing::PressKey(w.txtY1, Qt::Key_F1);
        EXPECT_EQ(services.helpPages, std::vector<QString>{"mixed-flow-profile"});
        // The window's own copy: an edit here never reaches the inputs view.
        w.txtInput[static_cast<int>(InputField::ManningN)]->setText("0.013");
        Compute(w, "0.5", "2.5");
        EXPECT_TRUE(services.messages.empty());
        const QStringList shown = {w.lblNormalOutput->Result(),  w.lblCriticalOutput->Result(),
                                   w.lblStationOutput->Result(), w.lblBeforeOutput->Result(),
                                   w.lblAfterOutput->Result(),   w.lblLossOutput->Result(),
                                   w.lblLengthOutput->Result()};
        for (int i = 0; i < shown.size(); ++i)
            EXPECT_EQ(shown[i].toStdString(), testing::Fields(lines[static_cast<std::size_t>(i)])[1]);
        // The table: the command line's rows, the jump's two marked.
        const std::size_t first = 8;
        ASSERT_EQ(static_cast<std::size_t>(w.grdMixed->rowCount()), lines.size() - first);
        for (int r = 0; r < w.grdMixed->rowCount(); ++r) {
            const std::vector<std::string> cells =
                testing::Fields(lines[first + static_cast<std::size_t>(r)]);
            for (int c = 0; c < kProfileColumnCount; ++c)
                EXPECT_EQ(Cell(*w.grdMixed, r, c), cells[static_cast<std::size_t>(c)]);
        }
        const int jump = static_cast<int>(*w.Result().jumpRow);
        EXPECT_EQ(w.grdMixed->verticalHeaderItem(jump)->text(), "before the jump");
        EXPECT_EQ(w.grdMixed->verticalHeaderItem(jump + 1)->text(), "after the jump");
        EXPECT_EQ(w.grdMixed->verticalHeaderItem(0)->text(), "1");

        // The long section rises at the jump.
        WhileModal<FrmLongSection>([&] { w.cmdLongSection->click(); },
                                   [&](FrmLongSection& section) {
                                       ASSERT_TRUE(section.Section().jump.has_value());
                                       EXPECT_EQ(section.Section().jump->label,
                                                 "Jump at " + w.lblStationOutput->Result().toStdString());
                                       EXPECT_GT(section.Section().jump->highSurface,
                                                 section.Section().jump->lowSurface);
                                       section.accept();
                                   });

        w.cmdCopy->click();
        EXPECT_TRUE(services.clipboardText.contains("Jump station:\t" + w.lblStationOutput->Result()));
        EXPECT_TRUE(services.clipboardText.contains("\tbefore the jump\n"));
        services.printCopies.push_back(2);
        w.cmdPrint->click();
        w.cmdPrintPreview->click();
        ASSERT_EQ(services.printedDocuments.size(), 2u);
        for (const testing::PrintedDocument& printed : services.printedDocuments) {
            std::string all;
            for (const testing::PrintedLine& line : printed.lines)
                for (const testing::PrintedText& text : line.texts) all += text.text + "\n";
            EXPECT_NE(all.find("MIXED-REGIME WATER-SURFACE PROFILE"), std::string::npos);
            EXPECT_NE(all.find("Jump Station = " + w.lblStationOutput->Result().toStdString()),
                      std::string::npos);
            EXPECT_TRUE(printed.ended);
        }
        w.cmdClose->click();
    });
    EXPECT_EQ(Inputs().txtYCont->text(), "") << "the main window's inputs stay as they were";
    const ProfileDocument document = CurrentDocument(Main());
    EXPECT_EQ(document.summary.normalDepth, "") << "nor are its results written";
    EXPECT_EQ(document.manningN, "0.013");
}

// A refusal puts the focus in the field it names; a failed computation
// blanks what was shown.
TEST_F(MixedProfileWindowTest, RefusalsFocusTheirField) {
    Main().Menus().mnuSI->trigger();
    EnterInputs(kRectangle);
    Open([&](FrmMixedProfile& w) {
        EXPECT_EQ(w.lblY1->text(), "Upstream depth, m:");
        struct Case {
            const char* y1;
            const char* y2;
            QString title;
            QLineEdit* focus;
        };
        const std::vector<Case> cases = {
            {"5", "6", "Upstream Depth Error", w.txtY1},
            {"0.5", "1", "Downstream Depth Error", w.txtY2},
            {"", "6", "Insufficient Input Data", w.txtY1},
        };
        for (const Case& c : cases) {
            services.messages.clear();
            Compute(w, c.y1, c.y2);
            ASSERT_EQ(services.messages.size(), 1u) << c.y1;
            EXPECT_EQ(services.messages[0].title, c.title);
            EXPECT_EQ(services.focused, c.focus);
        }
        services.messages.clear();
        w.txtInput[static_cast<int>(InputField::Flowrate)]->clear();
        Compute(w, "0.5", "6");
        ASSERT_EQ(services.messages.size(), 1u);
        EXPECT_EQ(services.focused, w.txtInput[static_cast<int>(InputField::Flowrate)]);
        EXPECT_EQ(w.grdMixed->rowCount(), 0);
        w.cmdClose->click();
    });
}

// Renders the window and its long section into the documentation's
// screenshots, and the SI window into the temporary folder, to look at.
// Run by hand with --gtest_also_run_disabled_tests.
TEST_F(MixedProfileWindowTest, DISABLED_Screenshots) {
    const QString folder = QDir::cleanPath(QStringLiteral(RILLO_TEST_DATA "/../../docs/screenshots"));
    auto shoot = [&](const char* y1, const char* y2, const QString& windowFile, const QString& sectionFile) {
        Open([&](FrmMixedProfile& w) {
            Compute(w, y1, y2);
            QApplication::processEvents();
            EXPECT_TRUE(w.grab().save(windowFile));
            WhileModal<FrmLongSection>([&] { w.cmdLongSection->click(); },
                                       [&](FrmLongSection& section) {
                                           QApplication::processEvents();
                                           EXPECT_TRUE(section.grab().save(sectionFile));
                                           section.accept();
                                       });
            w.cmdClose->click();
        });
    };
    shoot("0.5", "2.5", QDir(folder).filePath("mixed-profile-english.png"),
          QDir(folder).filePath("mixed-long-section.png"));
    Main().Menus().mnuSI->trigger();
    EnterInputs({"0+00.000", "3+00.000", "3", "3", "0.013", "0.001", "", "0"});
    shoot("0.2", "0.8", QDir::temp().filePath("mixed-profile-si.png"), QDir::temp().filePath("mixed-long-section-si.png"));
}

}  // namespace
}  // namespace rillo
