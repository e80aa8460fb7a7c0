#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QPixmap>

#include "calculators/frm_critical.h"
#include "calculators/frm_jump.h"
#include "calculators/frm_mannings.h"
#include "tests/support/fake_platform_services.h"
#include "tests/support/sample_profiles.h"

namespace rillo {
namespace {

// Renders the two channel calculators with a computed result into the
// documentation's screenshots. Run by hand on a display (for example under
// xvfb-run with QT_QPA_PLATFORM=xcb) with --gtest_also_run_disabled_tests.
class ChannelCalculatorScreenshots : public ::testing::Test {
   protected:
    static CalculatorOpening Opening(UnitSystem units, ChannelType type, ProfileInputTexts inputs) {
        return {units, type, std::move(inputs)};
    }
    static void Save(QWidget& window, const char* name) {
        window.show();
        QApplication::processEvents();
        const QString folder = QDir(RILLO_TEST_DATA).filePath("../../docs/screenshots");
        QDir().mkpath(folder);
        const QString file = QDir(folder).filePath(name);
        EXPECT_TRUE(window.grab().save(file)) << file.toStdString();
    }

    testing::FakePlatformServices services;
};

TEST_F(ChannelCalculatorScreenshots, DISABLED_CriticalDepthAndSlope) {
    FrmCritical english(services,
                        testing::TextbookCalculatorOpening(ChannelType::Trapezoidal, UnitSystem::English));
    english.cmdCompute->click();
    Save(english, "critical-english.png");

    FrmCritical si(services, Opening(UnitSystem::SI, ChannelType::ElongatedCircular,
                                     {"", "", "10", "2", "0.013", "0.001", "", "1"}));
    si.cmdCompute->click();
    Save(si, "critical-si.png");
    EXPECT_TRUE(services.messages.empty());
}

TEST_F(ChannelCalculatorScreenshots, DISABLED_Mannings) {
    FrmMannings english(services,
                        testing::TextbookCalculatorOpening(ChannelType::Trapezoidal, UnitSystem::English));
    english.cmdCompute->click();
    Save(english, "mannings-english.png");

    FrmMannings si(services, Opening(UnitSystem::SI, ChannelType::Trapezoidal,
                                     {"", "", "1.6", "6", "0.015", "0.0025", "", "0"}));
    si.tabMannings1->setCurrentIndex(1);
    si.cmdCompute->click();
    Save(si, "mannings-si.png");
    EXPECT_TRUE(services.messages.empty());
}

TEST_F(ChannelCalculatorScreenshots, DISABLED_HydraulicJump) {
    FrmJump english(services, Opening(UnitSystem::English, ChannelType::Trapezoidal,
                                      {"", "", "100", "10", "0.013", "0.001", "", "0"}));
    english.txtY1->setText("0.5");
    english.cmdCompute->click();
    Save(english, "jump-english.png");

    FrmJump si(services, Opening(UnitSystem::SI, ChannelType::Circular,
                                 {"", "", "1", "1.5", "0.013", "0.001", "", ""}));
    si.txtY1->setText("0.2");
    si.cmdCompute->click();
    Save(si, "jump-si.png");
    EXPECT_TRUE(services.messages.empty());
}

}  // namespace
}  // namespace rillo
