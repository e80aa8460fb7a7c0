#include <gtest/gtest.h>

#include <QMdiSubWindow>
#include <cfenv>
#include <cmath>

#include "documents/document_texts.h"
#include "engine/numeric_text.h"
#include "sections/profile_dispatch.h"
#include "sections/profile_input_check.h"
#include "shell/channel_type_commands.h"
#include "platform/error_messages.h"
#include "shell/unit_commands.h"
#include "tests/support/main_window_harness.h"
#include "tests/support/sample_profiles.h"

namespace rillo {
namespace {

using testing::MainWindowTest;
using testing::WorkedExampleTexts;

const QString kInsufficient = "Insufficient Input Data";

class ComputeCommandTest : public MainWindowTest {
protected:
    void SetUp() override { StartProgram(); }

    QStringList GridRow(int row) {
        QStringList cells;
        for (int col = 0; col < FrmMainGrid::kColumnCount; ++col) cells << Grid().CellText(row, col);
        return cells;
    }

    int FilledRows() {
        int rows = 0;
        while (!Grid().CellText(FrmMainGrid::kFirstDataRow + rows, 0).isEmpty()) ++rows;
        return rows;
    }

    QStringList SummaryTexts() {
        FrmMainResults& r = Results();
        return {r.lblNormalDepth->text(), r.lblNormalArea->text(), r.lblCriticalDepth->text(),
                r.lblCriticalArea->text(), r.lblFlowType->text(),  r.lblProfileType->text()};
    }

    // Computes the worked example so that there are results to keep or lose.
    void ComputeWorkedExample() {
        EnterInputs(WorkedExampleTexts());
        ComputeFromMenu();
        ASSERT_TRUE(services.messages.empty());
        ASSERT_EQ(FilledRows(), 16);
    }
};

double StationNumber(const QString& station) { return std::stod(ParseStation(station.toStdString())); }

TEST_F(ComputeCommandTest, WorkedExampleFillsTheResultsTheControlDepthAndTheTable) {
    EnterInputs(WorkedExampleTexts());
    ComputeFromMenu();

    EXPECT_TRUE(services.messages.empty());
    EXPECT_EQ(SummaryTexts(),
              QStringList({"1.721", "23.138", "1.329", "16.817", "subcritical", "mild, M-2"}));
    EXPECT_EQ(Inputs().txtYCont->text(), "1.329");
    ASSERT_EQ(FilledRows(), 16);

    EXPECT_EQ(GridRow(2), QStringList({"10+00.000", "1.329", "1.878", "16.817", "5.946", "15.315", "28.857",
                                       "1.000", "0.549", "1.055", "15.942"}));
    EXPECT_EQ(GridRow(17), QStringList({"0+00.000", "1.702", "2.000", "22.808", "4.384", "16.807", "31.379",
                                        "0.663", "0.299", "1.295", "17.610"}));
    const QStringList second = GridRow(3);
    EXPECT_NEAR(StationNumber(second[0]), 999.417, 0.002);
    EXPECT_EQ(second.mid(1), QStringList({"1.355", "1.879", "17.218", "5.808", "15.419", "28.871", "0.969",
                                          "0.524", "1.072", "16.059"}));
    const QStringList fifteenth = GridRow(16);
    EXPECT_NEAR(StationNumber(fifteenth[0]), 528.128, 0.002);
    EXPECT_EQ(fifteenth.mid(1), QStringList({"1.694", "1.996", "22.686", "4.408", "16.777", "31.287", "0.668",
                                             "0.302", "1.291", "17.577"}));

    // Every row is the computation's own text, and nothing below the last row.
    InputCheckResult check = CheckProfileInputs(WorkedExampleTexts(), ChannelType::Trapezoidal,
                                                UnitSystem::English, false);
    ASSERT_TRUE(check.ready());
    const ProfileResult expected = ComputeProfileFor(check.inputs);
    ASSERT_EQ(expected.table.size(), 16u);
    for (size_t i = 0; i < expected.table.size(); ++i) {
        for (int col = 0; col < kProfileColumnCount; ++col) {
            EXPECT_EQ(Grid().CellText(2 + static_cast<int>(i), col).toStdString(),
                      expected.table[i].cells[static_cast<size_t>(col)])
                << "row " << i << " column " << col;
        }
    }
    EXPECT_EQ(GridRow(18), QStringList(QVector<QString>(11).toList()));
    EXPECT_EQ(services.waitDepth, 0);
    EXPECT_GE(services.waitCursorShown, 1);
}

struct MissingCase {
    const char* name;
    ChannelType type;
    InputField blanked;  // the field emptied (or given "0")
    const char* text;
    InputField focus;
};

class MissingInputTest : public ComputeCommandTest, public ::testing::WithParamInterface<MissingCase> {};

QLineEdit* Field(FrmMainInputs& in, InputField field) {
    switch (field) {
        case InputField::StartStation: return in.txtXS1;
        case InputField::EndStation: return in.txtXS2;
        case InputField::Flowrate: return in.txtQ;
        case InputField::WidthOrDiameter: return in.txtD;
        case InputField::ManningN: return in.txtRN;
        case InputField::BottomSlope: return in.txtSO;
        case InputField::ControlDepth: return in.txtYCont;
        case InputField::SideSlopeOrHeight: return in.txtSlope;
    }
    return nullptr;
}

TEST_P(MissingInputTest, FocusesTheFieldAndKeepsThePreviousResults) {
    const MissingCase& c = GetParam();
    ComputeWorkedExample();
    const QStringList summaryBefore = SummaryTexts();
    SelectChannelType(Main(), c.type);
    EnterInputs(testing::SampleTexts(c.type));
    Field(Inputs(), c.blanked)->setText(c.text);

    ComputeFromMenu();

    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.messages[0].title, kInsufficient);
    EXPECT_EQ(services.messages[0].text,
              "You must enter all of the required inputs \rbefore Rillo can compute a water surface profile.");
    EXPECT_EQ(services.messages[0].icon, MessageIcon::Information);
    EXPECT_EQ(services.focused, Field(Inputs(), c.focus));
    EXPECT_EQ(SummaryTexts(), summaryBefore);
    EXPECT_EQ(FilledRows(), 16);
    EXPECT_EQ(services.waitDepth, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Fields, MissingInputTest,
    ::testing::Values(
        MissingCase{"StartStation", ChannelType::Trapezoidal, InputField::StartStation, "",
                    InputField::StartStation},
        MissingCase{"EndStation", ChannelType::Trapezoidal, InputField::EndStation, "", InputField::EndStation},
        MissingCase{"FlowrateZero", ChannelType::Trapezoidal, InputField::Flowrate, "0", InputField::Flowrate},
        MissingCase{"FlowrateEmpty", ChannelType::Circular, InputField::Flowrate, "", InputField::Flowrate},
        MissingCase{"CircularDiameter", ChannelType::Circular, InputField::WidthOrDiameter, "",
                    InputField::WidthOrDiameter},
        MissingCase{"UShapedDiameter", ChannelType::UShaped, InputField::WidthOrDiameter, "0",
                    InputField::WidthOrDiameter},
        MissingCase{"ElongatedDiameter", ChannelType::ElongatedCircular, InputField::WidthOrDiameter, "",
                    InputField::WidthOrDiameter},
        MissingCase{"ManningN", ChannelType::Trapezoidal, InputField::ManningN, "", InputField::ManningN}),
    [](const ::testing::TestParamInfo<MissingCase>& info) { return std::string(info.param.name); });

TEST_F(ComputeCommandTest, EqualStationsEndSilentlyWithThePreviousResultsInPlace) {
    ComputeWorkedExample();
    Inputs().txtXS2->setText("0+00.000");
    ComputeFromMenu();
    EXPECT_TRUE(services.messages.empty());
    EXPECT_EQ(FilledRows(), 16);
    EXPECT_EQ(Results().lblProfileType->text(), "mild, M-2");
    EXPECT_EQ(services.waitDepth, 0);
}

TEST_F(ComputeCommandTest, StationWithoutPlusShowsOnlyTheStationingMessage) {
    EnterInputs(WorkedExampleTexts());
    Inputs().txtXS1->setText("0");
    ComputeFromMenu();
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.messages[0].title, kApplicationTitle);
    EXPECT_TRUE(services.messages[0].text.startsWith("The start station needs to be entered in standard \r\n"));
    EXPECT_EQ(services.focused, Inputs().txtXS1);
    EXPECT_EQ(FilledRows(), 0);
}

TEST_F(ComputeCommandTest, StartAfterEndIsRefusedWithTheFocusInTheEndStation) {
    EnterInputs(WorkedExampleTexts());
    Inputs().txtXS1->setText("12+00.000");
    ComputeFromMenu();
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.messages[0].title, "Station Error");
    EXPECT_EQ(services.focused, Inputs().txtXS2);
    EXPECT_EQ(FilledRows(), 0);
}

TEST_F(ComputeCommandTest, AStationOutsideStandardNotationShowsTheNotationMessage) {
    ComputeWorkedExample();
    for (const char* station : {"1O+00.000", "10+5"}) {
        services.messages.clear();
        Inputs().txtXS2->setText(station);
        ComputeFromMenu();
        ASSERT_EQ(services.messages.size(), 1u) << station;
        EXPECT_TRUE(services.messages[0].text.startsWith("The end station needs to be entered in standard"));
        EXPECT_EQ(services.focused, Inputs().txtXS2);
        EXPECT_EQ(FilledRows(), 16) << "a refused Compute keeps the previous results";
        EXPECT_EQ(services.waitDepth, 0);
    }
}

TEST_F(ComputeCommandTest, AProfileThatStopsShortSaysSoInTheStatusLine) {
    EnterInputs(WorkedExampleTexts());
    Inputs().txtXS2->setText("30+00.000");
    ComputeFromMenu();
    EXPECT_TRUE(services.messages.empty());
    const QString last = Grid().CellText(FrmMainGrid::kFirstDataRow + FilledRows() - 1, 0);
    EXPECT_EQ(Main().StatusHint(), "The profile ends at " + last +
                                       ", before the start station 0+00.000: its depth range is used up.");
    ComputeWorkedExample();
    EXPECT_NE(Main().StatusHint(), "The profile ends at " + last +
                                       ", before the start station 0+00.000: its depth range is used up.");
}

TEST_F(ComputeCommandTest, LargeManningNAnsweredCancelOrNoFocusesTheField) {
    for (MessageAnswer answer : {MessageAnswer::Cancel, MessageAnswer::No}) {
        services.messages.clear();
        services.focused = nullptr;
        EnterInputs(WorkedExampleTexts());
        Inputs().txtRN->setText("0.15");
        services.answers = {answer};
        ComputeFromMenu();
        ASSERT_EQ(services.messages.size(), 1u);
        const testing::ShownMessage& m = services.messages[0];
        EXPECT_EQ(m.title, "Manning's coefficient error");
        EXPECT_EQ(m.icon, MessageIcon::Warning);
        EXPECT_EQ(m.buttons, MessageButtons::YesNoCancel);
        EXPECT_EQ(m.text,
                  "Manning's roughness coefficient is usually less than 0.15,\r"
                  "which is used for a floodplain with trees.  A typical roughness\r"
                  "coefficient is 0.014 for unfinished concrete.\r\r"
                  "Do you still want Rillo to use the value you entered?");
        EXPECT_EQ(services.focused, Inputs().txtRN);
        EXPECT_EQ(FilledRows(), 0);
        EXPECT_EQ(services.waitDepth, 0);
    }
}

TEST_F(ComputeCommandTest, LargeManningNAnsweredYesComputesWithIt) {
    EnterInputs(WorkedExampleTexts());
    Inputs().txtRN->setText("0.15");
    services.answers = {MessageAnswer::Yes};
    ComputeFromMenu();
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_GT(FilledRows(), 1);
    ProfileInputTexts texts = WorkedExampleTexts();
    texts.manningN = "0.15";
    InputCheckResult check = CheckProfileInputs(texts, ChannelType::Trapezoidal, UnitSystem::English, true);
    ASSERT_TRUE(check.ready());
    EXPECT_EQ(Results().lblNormalDepth->text().toStdString(), ComputeProfileFor(check.inputs).summary.normalDepth);
}

TEST_F(ComputeCommandTest, ZeroSlopeShowsTheSlopeError) {
    ComputeWorkedExample();
    Inputs().txtSO->setText("0");
    ComputeFromMenu();
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.messages[0].title, "Slope Error");
    EXPECT_EQ(services.messages[0].text,
              "The bottom slope is used in the denominator of the profile calculations, so, it cannot be zero."
              "\r\rYou can use 0.000001 to closely approximate a horizontal bottom slope.");
    EXPECT_EQ(services.focused, Inputs().txtSO);
    EXPECT_EQ(FilledRows(), 16);
}

TEST_F(ComputeCommandTest, NegativeSlopeComputesAnAdverseProfileWithoutNormalDepth) {
    EnterInputs(WorkedExampleTexts());
    Inputs().txtSO->setText("-0.001");
    ComputeFromMenu();
    EXPECT_TRUE(services.messages.empty());
    EXPECT_EQ(Results().lblNormalDepth->text(), "----");
    EXPECT_EQ(Results().lblNormalArea->text(), "----");
    EXPECT_TRUE(Results().lblProfileType->text().startsWith("adverse"));
}

TEST_F(ComputeCommandTest, ZeroWidthAndSideSlopeLeavesEmptyResultsAndTheGeometryMessage) {
    ComputeWorkedExample();
    EnterInputs(WorkedExampleTexts());
    Inputs().txtD->setText("0");
    Inputs().txtSlope->setText("0");
    ComputeFromMenu();
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.messages[0].title, "Invalid Channel Geometry");
    EXPECT_EQ(services.messages[0].text,
              "A water-surface profile cannot be computed from the geometry provided.  "
              "Recheck the values you entered.");
    EXPECT_EQ(services.messages[0].icon, MessageIcon::Information);
    EXPECT_EQ(SummaryTexts(), QStringList({"", "", "", "", "", ""}));
    EXPECT_EQ(FilledRows(), 0);
    EXPECT_EQ(services.waitDepth, 0);
}

TEST_F(ComputeCommandTest, ADepthBeyondTheSearchesShowsNoResultsAndSaysWhichDepth) {
    ComputeWorkedExample();
    EnterInputs(WorkedExampleTexts());
    Inputs().txtSO->setText("1e-30");
    ComputeFromMenu();
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.messages[0].title, "Invalid Channel Geometry");
    EXPECT_EQ(services.messages[0].text,
              "A water-surface profile cannot be computed: the normal depth lies beyond 100 ft, and Rillo "
              "searches no deeper.  Recheck the values you entered.");
    EXPECT_EQ(SummaryTexts(), QStringList({"", "", "", "", "", ""}));
    EXPECT_EQ(FilledRows(), 0);
}

TEST_F(ComputeCommandTest, BlankSideSlopeComputesARectangleAndShowsZero) {
    EnterInputs(WorkedExampleTexts());
    Inputs().txtSlope->clear();
    ComputeFromMenu();
    EXPECT_TRUE(services.messages.empty());
    EXPECT_EQ(Inputs().txtSlope->text(), "0");
    EXPECT_EQ(Grid().CellText(2, kTopWidthColumn), "10.000") << "a rectangle's top width is its bottom width";
}

TEST_F(ComputeCommandTest, EmptyWidthComputesATriangularTrapezoid) {
    EnterInputs(WorkedExampleTexts());
    Inputs().txtD->clear();
    ComputeFromMenu();
    EXPECT_TRUE(services.messages.empty());
    EXPECT_GT(FilledRows(), 1);
}

TEST_F(ComputeCommandTest, ComputeShowsHiddenViewsAndReturnsToTheFirstDataRow) {
    Main().GridWindow().close();
    Main().ResultsWindow().close();
    ASSERT_FALSE(Main().GridWindow().isVisible());
    EnterInputs(WorkedExampleTexts());
    Grid().grdFlowData->scrollToBottom();
    ComputeFromMenu();
    EXPECT_TRUE(Main().GridWindow().isVisible());
    EXPECT_TRUE(Main().ResultsWindow().isVisible());
    EXPECT_EQ(Grid().grdFlowData->currentRow(), FrmMainGrid::kFirstDataRow);
    EXPECT_EQ(Grid().grdFlowData->rowAt(0), FrmMainGrid::kFirstDataRow);
}

class EveryShapeTest : public ComputeCommandTest, public ::testing::WithParamInterface<ChannelType> {};

TEST_P(EveryShapeTest, ComputesTheShapesProfileFromTheWindow) {
    const ChannelType type = GetParam();
    for (UnitSystem units : {UnitSystem::English, UnitSystem::SI}) {
        SetUnitSystem(Main(), units);
        SelectChannelType(Main(), type);
        const ProfileInputTexts texts = testing::SampleTexts(type);
        EnterInputs(texts);
        ComputeFromMenu();
        EXPECT_TRUE(services.messages.empty());

        const ProfileDocument expected = testing::ComputeSampleDocument(texts, type, units);
        const ProfileDocument shown = ReadDocumentTexts(Inputs(), Results(), Grid());
        EXPECT_EQ(shown.summary.criticalDepth, expected.summary.criticalDepth);
        EXPECT_EQ(shown.summary.profileType, expected.summary.profileType);
        EXPECT_EQ(shown.controlDepth, expected.controlDepth);
        ASSERT_EQ(shown.table.size(), expected.table.size());
        for (size_t i = 0; i < shown.table.size(); ++i) EXPECT_EQ(shown.table[i].cells, expected.table[i].cells);
    }
}

INSTANTIATE_TEST_SUITE_P(Shapes, EveryShapeTest,
                         ::testing::Values(ChannelType::Trapezoidal, ChannelType::Circular, ChannelType::UShaped,
                                           ChannelType::ElongatedCircular));

TEST_F(ComputeCommandTest, AfterSwitchingToSiTheNextComputeUsesTheSiConstants) {
    ComputeWorkedExample();
    const QStringList english = SummaryTexts();
    Main().Menus().mnuSI->trigger();
    EXPECT_EQ(SummaryTexts(), english) << "switching units converts no number";
    EXPECT_EQ(Inputs().txtYCont->text(), "1.329");

    EnterInputs(WorkedExampleTexts());
    ComputeFromMenu();
    InputCheckResult check = CheckProfileInputs(WorkedExampleTexts(), ChannelType::Trapezoidal, UnitSystem::SI, false);
    ASSERT_TRUE(check.ready());
    const ProfileResult si = ComputeProfileFor(check.inputs);
    EXPECT_EQ(Results().lblCriticalDepth->text().toStdString(), si.summary.criticalDepth);
    EXPECT_EQ(Results().lblNormalDepth->text().toStdString(), si.summary.normalDepth);
    EXPECT_NE(SummaryTexts(), english);
    // Q²T/(gA³) = 1 with g = 9.806, and Manning's equation with k = 1, worked independently.
    EXPECT_EQ(Results().lblCriticalDepth->text(), "1.898");
    EXPECT_EQ(Results().lblNormalDepth->text(), "2.139");
}

}  // namespace
}  // namespace rillo

namespace rillo {
namespace {

// The window system may leave the processor's fault flags raised (event
// processing does); Compute must not take them for a fault of its own.
TEST_F(ComputeCommandTest, FlagsLeftRaisedByTheWindowSystemDoNotFailCompute) {
    EnterInputs(WorkedExampleTexts());
    std::feraiseexcept(FE_INVALID | FE_DIVBYZERO);
    ComputeFromMenu();
    EXPECT_TRUE(services.messages.empty());
    EXPECT_EQ(FilledRows(), 16);
    EXPECT_EQ(Results().lblCriticalDepth->text(), "1.329");
}

}  // namespace
}  // namespace rillo
