#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QPixmap>

#include "shell/frm_about.h"
#include "tests/support/main_window_harness.h"
#include "tests/support/sample_profiles.h"

namespace rillo {
namespace {

// Renders the main window after computing the worked example into the
// documentation's screenshots. Run by hand on a display (for example under
// xvfb-run with QT_QPA_PLATFORM=xcb) with --gtest_also_run_disabled_tests.
class ScreenshotTest : public testing::MainWindowTest {
   protected:
    static QString ScreenshotPath(const char* name) {
        const QString folder = QDir(RILLO_TEST_DATA).filePath("../../docs/screenshots");
        QDir().mkpath(folder);
        return QDir(folder).filePath(name);
    }
};

TEST_F(ScreenshotTest, DISABLED_MainWindowWithTheWorkedExample) {
    MDIMain& main = StartProgram();
    EnterInputs(testing::WorkedExampleTexts());
    ComputeFromMenu();
    ASSERT_TRUE(services.messages.empty());
    QApplication::processEvents();

    const QString file = ScreenshotPath("main-window-worked-example.png");
    EXPECT_TRUE(main.grab().save(file)) << file.toStdString();
}

TEST_F(ScreenshotTest, DISABLED_InputsViewElongatedSi) {
    MDIMain& main = StartProgram();
    main.Menus().mnuSI->trigger();
    main.Menus().mnuChannelType[3]->trigger();
    EnterInputs({"0+00.000", "2+50.000", "3.5", "1.2", "0.013", "0.002", "1.082", "0.6"});
    QApplication::processEvents();
    const QString file = ScreenshotPath("inputs-elongated-si.png");
    EXPECT_TRUE(main.InputsWindow().grab().save(file)) << file.toStdString();
}

TEST_F(ScreenshotTest, DISABLED_AboutBox) {
    FrmAbout about(&StartProgram());
    about.show();
    QApplication::processEvents();
    const QString file = ScreenshotPath("about-box.png");
    EXPECT_TRUE(about.grab().save(file)) << file.toStdString();
}

}  // namespace
}  // namespace rillo
