#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>

#include "documents/frm_plot.h"
#include "documents/frm_plot_setup.h"
#include "shell/plot_command.h"
#include "tests/support/main_window_harness.h"
#include "tests/support/sample_profiles.h"

namespace rillo {
namespace {

// Renders the plot window and its set-up dialog for the worked example into
// the documentation's screenshots. Run by hand on a display (for example under
// xvfb-run with QT_QPA_PLATFORM=xcb) with --gtest_also_run_disabled_tests.
class PlotScreenshotTest : public testing::MainWindowTest {
   protected:
    void SetUp() override {
        MDIMain& main = StartProgram();
        EnterInputs(testing::WorkedExampleTexts());
        ComputeFromMenu();
        ASSERT_TRUE(services.messages.empty());
        plot_ = std::make_unique<FrmPlot>(
            services, PlotSetupDialog(main), [&main] { return CurrentPlotSource(main); },
            main.State().plotCustomised, &main);
        ASSERT_TRUE(plot_->BuildPlotData());
    }
    void TearDown() override {
        plot_.reset();
        MainWindowTest::TearDown();
    }
    static void Save(QWidget& window, const char* name) {
        window.show();
        QApplication::processEvents();
        const QString folder = QDir(RILLO_TEST_DATA).filePath("../../docs/screenshots");
        QDir().mkpath(folder);
        const QString file = QDir(folder).filePath(name);
        EXPECT_TRUE(window.grab().save(file)) << file.toStdString();
        window.hide();
    }

    std::unique_ptr<FrmPlot> plot_;
};

TEST_F(PlotScreenshotTest, DISABLED_PlotWindowLineAndAreaAndTheSetUp) {
    Save(*plot_, "plot-worked-example.png");

    FrmPlotSetup& setup = PlotSetupDialog(Main());
    setup.FillTitles("Trapezoidal Channel", "Channel Length, ft", "Depth, energy, area, velocity, width");
    setup.SelectStyle(PlotChartType::Area, false);
    Save(setup, "plot-setup-dialog.png");

    Main().State().plotCustomised = true;
    ASSERT_TRUE(plot_->BuildPlotData());
    Save(*plot_, "plot-worked-example-area.png");
}

}  // namespace
}  // namespace rillo
