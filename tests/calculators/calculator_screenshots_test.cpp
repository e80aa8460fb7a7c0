#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>

#include "calculators/frm_gates.h"
#include "calculators/frm_orifices.h"
#include "calculators/frm_weirs.h"
#include "tests/support/fake_platform_services.h"
#include "tests/support/key_input.h"

namespace rillo {
namespace {

// Renders each calculator with a computed result into the documentation's
// screenshots. Run by hand on a display (for example under xvfb-run with
// QT_QPA_PLATFORM=xcb) with --gtest_also_run_disabled_tests.
class CalculatorScreenshots : public ::testing::Test {
   protected:
    void Save(QWidget& window, const char* name) {
        testing::ShowActive(window);
        QApplication::processEvents();
        const QString folder = QDir(RILLO_TEST_DATA).filePath("../../docs/screenshots");
        QDir().mkpath(folder);
        const QString file = QDir(folder).filePath(name);
        EXPECT_TRUE(window.grab().save(file)) << file.toStdString();
        EXPECT_TRUE(services.messages.empty());
    }

    testing::FakePlatformServices services;
};

TEST_F(CalculatorScreenshots, DISABLED_WeirFreeFlowing) {
    FrmWeirs w(services, UnitSystem::English);
    w.txtWeirL->setText("10");
    w.txtWeirH->setText("2");
    w.cmdComputeWeirFlow->click();
    Save(w, "weirs-free-flowing.png");
}

TEST_F(CalculatorScreenshots, DISABLED_WeirSubmerged) {
    FrmWeirs w(services, UnitSystem::English);
    w.optWeirShape[1]->click();
    w.tabWeirs->setCurrentIndex(1);
    w.txtWeirL->setText("90");
    w.txtWeirH->setText("2");
    w.txtDSWeirH->setText("1");
    w.cmdComputeWeirFlow->click();
    Save(w, "weirs-submerged.png");
}

TEST_F(CalculatorScreenshots, DISABLED_Orifice) {
    FrmOrifices w(services, UnitSystem::SI);
    w.txtH->setText("3");
    w.txtB->setText("0.8");
    w.txtC->setText("0.62");
    w.cmdCompute->click();
    Save(w, "orifices.png");
}

TEST_F(CalculatorScreenshots, DISABLED_Gate) {
    FrmGates w(services, UnitSystem::English);
    w.txtY1->setText("5");
    w.txtB->setText("4");
    w.txtGO->setText("1");
    w.cmdCompute->click();
    Save(w, "underflow-gates.png");
}

}  // namespace
}  // namespace rillo
