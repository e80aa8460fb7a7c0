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

TEST_F(ScreenshotTest, DISABLED_AboutBox) {
    FrmAbout about(&StartProgram());
    about.show();
    QApplication::processEvents();
    const QString file = ScreenshotPath("about-box.png");
    EXPECT_TRUE(about.grab().save(file)) << file.toStdString();
}

}  // namespace
}  // namespace rillo
