#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>

#include "documents/frm_long_section.h"
#include "shell/mdi_main.h"
#include "shell/profile_file_commands.h"
#include "tests/support/main_window_harness.h"
#include "tests/support/sample_profiles.h"

namespace rillo {
namespace {

// Renders the long-section window of the worked example into the
// documentation's screenshots ("-200" when run with QT_SCALE_FACTOR=2), and
// the smallest window it may be made. Run by hand with
// --gtest_also_run_disabled_tests.
class LongSectionScreenshotTest : public testing::MainWindowTest {};

TEST_F(LongSectionScreenshotTest, DISABLED_WorkedExampleWindow) {
    MDIMain& main = StartProgram();
    EnterInputs(testing::WorkedExampleTexts());
    ComputeFromMenu();
    ASSERT_TRUE(services.messages.empty());
    FrmLongSection window(services, [&main] { return CurrentDocument(main); }, main.State().longSection, &main);
    ASSERT_TRUE(window.BuildSection());
    const bool doubled = qEnvironmentVariable("QT_SCALE_FACTOR") == "2";
    const QString folder = QDir::cleanPath(QStringLiteral(RILLO_TEST_DATA "/../../docs/screenshots"));
    window.show();
    QApplication::processEvents();
    EXPECT_TRUE(window.grab().save(
        QDir(folder).filePath(doubled ? "long-section-window-200.png" : "long-section-window.png")));
    window.resize(window.minimumSizeHint());
    window.picLongSection->resize(400, 300);
    window.resize(window.sizeHint().boundedTo(window.size()));
    window.adjustSize();
    window.resize(window.minimumSize());
    QApplication::processEvents();
    EXPECT_TRUE(window.picLongSection->grab().save(QDir::temp().filePath(doubled ? "long-section-small-200.png"
                                                                               : "long-section-small.png")));
    window.hide();
}

}  // namespace
}  // namespace rillo
