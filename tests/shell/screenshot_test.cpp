#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QPixmap>

#include "tests/support/main_window_harness.h"
#include "tests/support/sample_profiles.h"

namespace rillo {
namespace {

// Renders the main window after computing the worked example into the
// documentation's screenshots. Run by hand on a display (for example under
// xvfb-run with QT_QPA_PLATFORM=xcb) with --gtest_also_run_disabled_tests.
class ScreenshotTest : public testing::MainWindowTest {};

TEST_F(ScreenshotTest, DISABLED_MainWindowWithTheWorkedExample) {
    MDIMain& main = StartProgram();
    EnterInputs(testing::WorkedExampleTexts());
    ComputeFromMenu();
    ASSERT_TRUE(services.messages.empty());
    QApplication::processEvents();

    const QString folder = QDir(RILLO_TEST_DATA).filePath("../../docs/screenshots");
    ASSERT_TRUE(QDir().mkpath(folder));
    const QString file = QDir(folder).filePath("main-window-worked-example.png");
    EXPECT_TRUE(main.grab().save(file)) << file.toStdString();
}

}  // namespace
}  // namespace rillo
