// The Compute command end to end in the real main window (offscreen): the
// worked example typed into the inputs view, Compute from its menu item, and
// the window events run until the views have repainted what it wrote.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

#include "documents/frm_main_grid.h"
#include "documents/frm_main_inputs.h"
#include "documents/frm_main_results.h"
#include "shell/main_menus.h"
#include "shell/mdi_main.h"
#include "shell/qt_platform_services.h"
#include "shell/start_up.h"

namespace rillo {
namespace {

void TypeInto(QLineEdit* field, const char* text) {
    field->selectAll();
    QTest::keyClicks(field, QString::fromLatin1(text));
}

// With `repaint`, the time runs on until the views have repainted; without,
// it covers the command alone (checks, computation and the texts written).
void TimeComputeCommand(benchmark::State& state, bool repaint) {
    // Settings of its own, so that no user's settings are read or written.
    QTemporaryDir folder;
    QtPlatformServices services(folder.filePath("Rillo2.ini"));
    MDIMain window(services);
    if (!RunStartUp(window)) {
        state.SkipWithError("the main window did not start");
        return;
    }
    FrmMainInputs& in = window.Inputs();
    TypeInto(in.txtXS1, "0+00.000");
    TypeInto(in.txtXS2, "10+00.000");
    TypeInto(in.txtQ, "100");
    TypeInto(in.txtD, "10");
    TypeInto(in.txtRN, "0.013");
    TypeInto(in.txtSO, "0.001");
    TypeInto(in.txtSlope, "2");
    QApplication::processEvents();

    for (auto _ : state) {
        window.Menus().mnuCompute->trigger();
        if (repaint) {
            QApplication::processEvents();
        } else {
            state.PauseTiming();
            QApplication::processEvents();
            state.ResumeTiming();
        }
    }
    if (window.Results().lblNormalDepth->text() != "1.721")
        state.SkipWithError("the worked example went wrong");
    window.close();
}
void BM_ComputeCommandWorkedExample(benchmark::State& state) {
    TimeComputeCommand(state, true);
}
BENCHMARK(BM_ComputeCommandWorkedExample)->Unit(benchmark::kMillisecond);

void BM_ComputeCommandWithoutRepaint(benchmark::State& state) {
    TimeComputeCommand(state, false);
}
BENCHMARK(BM_ComputeCommandWithoutRepaint)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace rillo

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName("Rillo2");
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
