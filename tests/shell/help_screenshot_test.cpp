#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QHelpSearchEngine>
#include <QHelpSearchQueryWidget>
#include <QPixmap>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include "shell/help_browser.h"
#include "shell/help_window.h"
#include "shell/qt_platform_services.h"

namespace rillo {
namespace {

// Renders the help window into the documentation's screenshots. Run by hand
// on a display (for example under xvfb-run with QT_QPA_PLATFORM=xcb) with
// --gtest_also_run_disabled_tests.
class HelpScreenshotTest : public ::testing::Test {
   protected:
    void SetUp() override {
        services.UseHelpFiles(RILLO_HELP_COLLECTION, dir.filePath("help"));
        services.WriteSetting("Dlgs", "HelpL", "0");
        services.WriteSetting("Dlgs", "HelpT", "0");
        services.WriteSetting("Dlgs", "HelpW", "16500");  // 1100 by 760 pixels
        services.WriteSetting("Dlgs", "HelpH", "11400");
    }
    void Save(const char* name) {
        QTest::qWait(300);
        const QString folder = QDir(RILLO_TEST_DATA).filePath("../../docs/screenshots");
        QDir().mkpath(folder);
        const QString file = QDir(folder).filePath(name);
        EXPECT_TRUE(services.Help()->grab().save(file)) << file.toStdString();
    }

    QTemporaryDir dir;
    QtPlatformServices services{dir.filePath("Rillo2.ini")};
};

TEST_F(HelpScreenshotTest, DISABLED_ContentsPage) {
    services.ShowHelpContents();
    Save("help-contents.png");
}

TEST_F(HelpScreenshotTest, DISABLED_SearchResult) {
    services.ShowHelpPage("table-view");
    HelpWindow& help = *services.Help();
    help.Tabs()->setCurrentIndex(HelpWindow::SearchTab);
    QHelpSearchEngine* search = help.Engine().searchEngine();
    QElapsedTimer clock;
    clock.start();
    while (!search->queryWidget()->isEnabled() && clock.elapsed() < 60000) QTest::qWait(50);
    search->queryWidget()->setSearchInput("Froude");
    emit search->queryWidget()->search();
    QTest::qWait(1000);
    Save("help-search-froude.png");
}

TEST_F(HelpScreenshotTest, DISABLED_CalculatorPage) {
    services.ShowHelpPage("weir-calculator");
    Save("help-weir-calculator.png");
}

}  // namespace
}  // namespace rillo
