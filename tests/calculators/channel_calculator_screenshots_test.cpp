#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QPixmap>

#include "calculators/frm_critical.h"
#include "calculators/frm_jump.h"
#include "calculators/frm_mannings.h"
#include "calculators/frm_rating.h"
#include "calculators/frm_rating_curve.h"
#include "shell/qt_line_printer.h"
#include <QPdfWriter>
#include <QTimer>
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

// A 50-row table by depth, its curve with the velocity, and its printed
// report as a PDF beside the screenshots (for looking at, not for the guide).
TEST_F(ChannelCalculatorScreenshots, DISABLED_RatingTable) {
    FrmRating w(services, Opening(UnitSystem::English, ChannelType::Trapezoidal,
                                  {"", "", "100", "10", "0.013", "0.001", "", "2"}));
    w.txtFrom->setText("0.1");
    w.txtTo->setText("5");
    w.txtStep->setText("0.1");
    w.cmdCompute->click();
    ASSERT_EQ(w.grdRating->rowCount(), 50);
    w.resize(w.width(), 640);
    Save(w, "rating-table-english.png");

    FrmRating si(services, Opening(UnitSystem::SI, ChannelType::Circular,
                                   {"", "", "1", "1.2", "0.013", "0.002", "", ""}));
    si.optRatingBy[1]->setChecked(true);
    si.txtFrom->setText("0.1");
    si.txtTo->setText("1.5");
    si.txtStep->setText("0.1");
    si.cmdCompute->click();
    Save(si, "rating-table-si.png");

    QTimer::singleShot(0, [this] {
        auto* curve = qobject_cast<FrmRatingCurve*>(QApplication::activeModalWidget());
        ASSERT_NE(curve, nullptr);
        curve->chkVelocity->setChecked(true);
        Save(*curve, "rating-curve.png");
        curve->accept();
    });
    w.Plot();

    // The preview's document on a page of a PDF file instead of the recording printer.
    struct PdfPreview : testing::FakePlatformServices {
        void ShowPrintPreview(const std::function<void(LinePrinter&)>& printDocument) override {
            QPdfWriter writer(QDir(RILLO_TEST_DATA).filePath("../../build/rating-report.pdf"));
            QtLinePrinter printer(writer);
            printDocument(printer);
        }
    } pdf;
    FrmRating printed(pdf, Opening(UnitSystem::English, ChannelType::Trapezoidal,
                                   {"", "", "100", "10", "0.013", "0.001", "", "2"}));
    printed.txtFrom->setText("0.1");
    printed.txtTo->setText("5");
    printed.txtStep->setText("0.1");
    printed.cmdCompute->click();
    printed.cmdPrintPreview->click();
    EXPECT_TRUE(pdf.messages.empty());
    EXPECT_TRUE(services.messages.empty());
}

}  // namespace
}  // namespace rillo
