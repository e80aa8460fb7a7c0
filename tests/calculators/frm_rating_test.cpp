#include "calculators/frm_rating.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include "calculators/frm_critical.h"
#include "calculators/frm_mannings.h"
#include "calculators/frm_rating_curve.h"
#include "tests/support/disk_full_io.h"
#include "tests/support/fake_platform_services.h"
#include "tests/support/key_input.h"

namespace rillo {
namespace {

using testing::FakePlatformServices;
using testing::ShowActive;

CalculatorOpening WorkedExample(ChannelType type = ChannelType::Trapezoidal,
                                UnitSystem units = UnitSystem::English) {
    return {units, type, {"", "", "100", "10", "0.013", "0.001", "", "2"}};
}

void Fill(FrmRating& w, bool byFlow, const char* from, const char* to, const char* step) {
    w.optRatingBy[byFlow ? 1 : 0]->setChecked(true);
    w.txtFrom->setText(from);
    w.txtTo->setText(to);
    w.txtStep->setText(step);
}

class RatingWindow : public ::testing::Test {
   protected:
    FakePlatformServices services;
};

TEST_F(RatingWindow, FillsTheGridAndCopiesExportsAndPrintsIt) {
    FrmRating w(services, WorkedExample());
    ShowActive(w);
    EXPECT_EQ((QStringList{w.txtB->text(), w.txtM->text(), w.txtn->text(), w.txtS->text()}),
              (QStringList{"10", "2", "0.013", "0.001"}));
    Fill(w, true, "50", "100", "25");
    EXPECT_EQ(w.lblFrom->text(), "From, ft^3/s:");
    w.cmdCompute->click();
    ASSERT_EQ(w.grdRating->rowCount(), 3);
    EXPECT_EQ(w.grdRating->item(2, 0)->text(), "1.721");
    EXPECT_EQ(w.grdRating->horizontalHeaderItem(10)->text(), "Mean Shear\nlb/ft^2");

    w.cmdCopy->click();
    const QStringList copied = services.clipboardText.split('\n');
    EXPECT_TRUE(copied[0].startsWith("Depth, ft\tFlowrate, ft^3/s\tArea, ft^2\t"));
    EXPECT_TRUE(copied[3].startsWith("1.721\t100.000\t23.138\t4.322\t"));

    QTemporaryDir dir;
    services.paths = {dir.filePath("rating")};
    w.cmdExport->click();
    QFile csv(dir.filePath("rating.csv"));
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
    const QStringList rows = QString::fromUtf8(csv.readAll()).split("\r\n");
    EXPECT_EQ(rows.size(), 5);  // headings, three rows, the empty text after the last CR LF
    EXPECT_TRUE(rows[3].startsWith("1.721,100.000,23.138,4.322,"));

    w.cmdPrintPreview->click();
    ASSERT_EQ(services.printedDocuments.size(), 1u);
    const testing::PrintedDocument& printed = services.printedDocuments.back();
    EXPECT_TRUE(printed.ended);
    std::string all;
    for (const auto& line : printed.lines)
        for (const auto& text : line.texts) all += text.text + "\n";
    for (const char* expected : {"RATING TABLE BY FLOWRATE", "Trapezoidal Channel", "Side Slope = 2",
                                 "From 50 to 100 by 25", "Mean Shear", "Page 1 of 1"})
        EXPECT_NE(all.find(expected), std::string::npos) << expected;
    EXPECT_NE(all.find("1.721"), std::string::npos);
    EXPECT_TRUE(services.messages.empty());
}

// What a refused table, an empty table or a failed export shows.
TEST_F(RatingWindow, Refusals) {
    FrmRating w(services, WorkedExample(ChannelType::Circular));
    ShowActive(w);
    w.txtB->setText("2");
    Fill(w, false, "0.5", "2.5", "0.5");
    w.cmdCompute->click();
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.messages[0].text,
              "At the depth 2.500: The depth cannot be greater than the height of the channel.");
    EXPECT_EQ(w.grdRating->rowCount(), 0);

    Fill(w, false, "0.001", "100", "0.001");
    w.cmdCompute->click();
    EXPECT_EQ(services.messages.back().title, "Rating Table");
    EXPECT_EQ(services.focused, w.txtStep);

    w.cmdCopy->click();
    EXPECT_EQ(services.messages.back().text, "Compute a rating table first.");
    EXPECT_TRUE(services.clipboardText.isEmpty());

    Fill(w, false, "0.5", "1.5", "0.5");
    w.cmdCompute->click();
    ASSERT_EQ(w.grdRating->rowCount(), 3);
    testing::DiskFullIo full;
    FrmRating onFullDisk(services, WorkedExample(), nullptr, full);
    Fill(onFullDisk, false, "1", "2", "1");
    onFullDisk.cmdCompute->click();
    QTemporaryDir dir;
    services.paths = {dir.filePath("full.csv")};
    const std::size_t before = services.messages.size();
    onFullDisk.cmdExport->click();
    ASSERT_EQ(services.messages.size(), before + 1);
    EXPECT_EQ(services.messages.back().title, "Save Error");
    EXPECT_FALSE(QFile::exists(dir.filePath("full.csv")));
}

TEST_F(RatingWindow, TheCurveDrawsDepthAgainstFlowAndVelocityOnRequest) {
    FrmRating w(services, WorkedExample());
    ShowActive(w);
    Fill(w, false, "0.5", "3", "0.5");
    w.cmdCompute->click();
    ASSERT_EQ(w.Rows().size(), 6u);
    QTimer::singleShot(0, [this] {
        auto* curve = qobject_cast<FrmRatingCurve*>(QApplication::activeModalWidget());
        ASSERT_NE(curve, nullptr);
        const PlotChart& chart = curve->Chart();
        EXPECT_EQ(chart.series.size(), 1u);
        EXPECT_EQ(chart.x.size(), 6u);
        EXPECT_EQ(chart.series[0].values.back(), 3.0);
        curve->chkVelocity->setChecked(true);
        EXPECT_TRUE(curve->Chart().series.at(1).rightAxis);
        EXPECT_EQ(curve->Chart().rightTitle, "Velocity, ft/s");
        curve->cmdCopy->click();
        EXPECT_FALSE(services.clipboardImage.isNull());
        curve->cmdClose->click();
    });
    w.cmdPlot->click();
    EXPECT_EQ(services.messages.size(), 1u);  // "The graph has been copied..."
}

// The second results groups: as the formulas give them, conduit rows only for conduits.
TEST_F(RatingWindow, CalculatorsShowTheDesignQuantities) {
    FrmMannings m(services, WorkedExample());
    ShowActive(m);
    m.cmdCompute->click();
    EXPECT_EQ(m.frmDesign->Caption(2)->text(), "Froude number:");
    EXPECT_EQ(m.frmDesign->Result(3)->text(), "subcritical");
    EXPECT_EQ(m.frmDesign->Result(5)->text(), "1.329");  // the worked example's critical depth
    EXPECT_EQ(m.frmDesign->Result(6)->text(), "mild");
    EXPECT_FALSE(m.frmDesign->Result(9)->isVisible());
    m.optChanType[1]->setChecked(true);
    EXPECT_TRUE(m.frmDesign->Result(9)->isVisible());
    m.tabMannings1->setCurrentIndex(1);  // the depth given: the crown of a 10 ft pipe
    m.txtQ->setText("10");
    m.cmdCompute->click();
    EXPECT_EQ(m.frmDesign->Result(2)->text(), "----");

    FrmCritical c(services,
                  {UnitSystem::SI, ChannelType::Trapezoidal, {"", "", "10", "3", "0.015", "", "", "1.5"}});
    ShowActive(c);
    c.cmdCompute->click();
    EXPECT_EQ(c.frmCriticalFlow->Caption(3)->text(), "Minimum specific energy, m:");
    EXPECT_FALSE(c.frmCriticalFlow->Result(3)->text().isEmpty());
    EXPECT_TRUE(services.messages.empty());
}

}  // namespace
}  // namespace rillo
