#include <gtest/gtest.h>

#include "documents/document_texts.h"
#include "shell/channel_type_commands.h"
#include "shell/unit_commands.h"
#include "tests/support/main_window_harness.h"
#include "tests/support/sample_profiles.h"

namespace rillo {
namespace {

using testing::MainWindowTest;

class UnitsAndChannelTypeTest : public MainWindowTest {
protected:
    void SetUp() override { StartProgram(); }

    QStringList InputCaptions() {
        FrmMainInputs& in = Inputs();
        return {in.lblXS1->text(), in.lblXS2->text(), in.lblQ->text(), in.lblDiamWidth->text(),
                in.lbln->text(),   in.lblS->text(),   in.lblY1->text(), in.lblSides->text()};
    }
    QStringList ResultCaptions() {
        FrmMainResults& r = Results();
        return {r.lblYN->text(), r.lblAN->text(), r.lblYC->text(), r.lblAC->text(), r.Label11->text(),
                r.Label1->text()};
    }
    QStringList Row(int row) {
        QStringList cells;
        for (int col = 0; col < FrmMainGrid::kColumnCount; ++col) cells << Grid().CellText(row, col);
        return cells;
    }
    int CheckedChannelItems() {
        int checked = 0;
        for (QAction* item : Main().Menus().mnuChannelType) checked += item->isChecked();
        return checked;
    }
};

TEST_F(UnitsAndChannelTypeTest, SwitchingToSiRelabelsEverythingAndKeepsEveryNumber) {
    EnterInputs(testing::WorkedExampleTexts());
    ComputeFromMenu();
    const ProfileInputTexts typed = ReadInputTexts(Inputs());
    QList<QStringList> rows;
    for (int row = 2; row < 20; ++row) rows << Row(row);
    const QString critical = Results().lblCriticalDepth->text();

    Main().Menus().mnuSI->trigger();

    EXPECT_EQ(InputCaptions(), QStringList({"Start station, m:", "End station, m:", "Flowrate, m^3/s:", "Width, m:",
                                            "Manning's n:", "Bottom slope:", "Control depth, m:", "Side slope:"}));
    EXPECT_EQ(ResultCaptions(), QStringList({"Normal depth, m:", "Normal area, m^2:", "Critical depth, m:",
                                             "Critical area, m^2:", "Flow type:", "Profile type:"}));
    EXPECT_EQ(Row(0), QStringList({"Station", "Depth", "Specific", "Area", "Velocity", "Top", "Momentum", "Froude",
                                   "Velocity", "Hydraulic", "Wetted"}));
    EXPECT_EQ(Row(1), QStringList({"m", "m", "m", "m^2", "m/s", "Width, m", "m^3", "Number", "Head, m",
                                   "Radius, m", "Per, m"}));
    EXPECT_EQ(Grid().grdFlowData->horizontalHeaderItem(2)->text(), "Specific\nm");
    EXPECT_TRUE(Main().Menus().mnuSI->isChecked());
    EXPECT_FALSE(Main().Menus().mnuEnglish->isChecked());
    EXPECT_EQ(services.settings.value("User/Units"), "2");
    EXPECT_EQ(Main().State().unitSystem, UnitSystem::SI);

    const ProfileInputTexts after = ReadInputTexts(Inputs());
    EXPECT_EQ(after.flowrate, typed.flowrate);
    EXPECT_EQ(after.controlDepth, typed.controlDepth);
    for (int row = 2; row < 20; ++row) EXPECT_EQ(Row(row), rows[row - 2]) << "row " << row;
    EXPECT_EQ(Results().lblCriticalDepth->text(), critical);

    Main().Menus().mnuEnglish->trigger();
    EXPECT_EQ(InputCaptions(),
              QStringList({"Start station, ft:", "End station, ft:", "Flowrate, ft^3/s:", "Width, ft:",
                           "Manning's n:", "Bottom slope:", "Control depth, ft:", "Side slope:"}));
    EXPECT_EQ(ResultCaptions(), QStringList({"Normal depth, ft:", "Normal area, ft^2:", "Critical depth, ft:",
                                             "Critical area, ft^2:", "Flow type:", "Profile type:"}));
    EXPECT_EQ(Row(1), QStringList({"ft", "ft", "Energy, ft", "ft^2", "ft/s", "Width, ft", "ft^3", "Number",
                                   "Head, ft", "Radius, ft", "Per, ft"}));
    EXPECT_EQ(services.settings.value("User/Units"), "1");
}

struct ChannelCase {
    ChannelType type;
    int menuIndex;
    const char* caption;
    const char* widthEnglish;
    const char* widthSI;
    bool sideShown;
    const char* sideEnglish;  // the side label when shown
    const char* sideSI;
};

class ChannelTypeMenuTest : public UnitsAndChannelTypeTest, public ::testing::WithParamInterface<ChannelCase> {};

TEST_P(ChannelTypeMenuTest, ChoosingATypeSetsCaptionLabelsAndSideField) {
    const ChannelCase& c = GetParam();
    EnterInputs(testing::SampleTexts(ChannelType::ElongatedCircular));
    Main().State().plotCustomised = true;

    Main().Menus().mnuChannelType[static_cast<size_t>(c.menuIndex)]->trigger();

    EXPECT_EQ(Main().windowTitle(), c.caption);
    EXPECT_EQ(Main().State().channelType, c.type);
    EXPECT_EQ(Main().State().channelName, QString(c.caption).mid(QString("Rillo 2.1: ").size()));
    EXPECT_EQ(CheckedChannelItems(), 1);
    EXPECT_TRUE(Main().Menus().mnuChannelType[static_cast<size_t>(c.menuIndex)]->isChecked());
    EXPECT_EQ(Inputs().lblDiamWidth->text(), c.widthEnglish);
    EXPECT_EQ(Inputs().txtSlope->isVisibleTo(&Inputs()), c.sideShown);
    EXPECT_EQ(Inputs().lblSides->isVisibleTo(&Inputs()), c.sideShown);
    if (c.sideShown) {
        EXPECT_EQ(Inputs().lblSides->text(), c.sideEnglish);
    }
    EXPECT_FALSE(Main().State().plotCustomised);
    EXPECT_EQ(Inputs().txtD->text(), "2") << "entered values stay";
    EXPECT_EQ(Inputs().txtSlope->text(), "1");

    // The unit commands keep the shape's words and change only the units.
    Main().Menus().mnuSI->trigger();
    EXPECT_EQ(Inputs().lblDiamWidth->text(), c.widthSI);
    if (c.sideShown) {
        EXPECT_EQ(Inputs().lblSides->text(), c.sideSI);
    }
    EXPECT_EQ(CheckedChannelItems(), 1);
}

INSTANTIATE_TEST_SUITE_P(
    Types, ChannelTypeMenuTest,
    ::testing::Values(ChannelCase{ChannelType::Trapezoidal, 0, "Rillo 2.1: Trapezoidal Channel", "Width, ft:",
                                  "Width, m:", true, "Side slope:", "Side slope:"},
                      ChannelCase{ChannelType::Circular, 1, "Rillo 2.1: Circular Channel", "Diameter, ft:",
                                  "Diameter, m:", false, "", ""},
                      ChannelCase{ChannelType::UShaped, 2, "Rillo 2.1: U-shaped Channel", "Diameter, ft:",
                                  "Diameter, m:", false, "", ""},
                      ChannelCase{ChannelType::ElongatedCircular, 3, "Rillo 2.1: Elongated Circular Channel",
                                  "Diameter, ft:", "Diameter, m:", true, "Side height, ft:", "Side height, m:"}));

TEST_F(UnitsAndChannelTypeTest, AMenuChoiceReplacesANameSetElsewhere) {
    Main().State().channelName = "Main Street culvert";
    Main().ShowCaptionWithChannelName();
    EXPECT_EQ(Main().windowTitle(), "Rillo 2.1: Main Street culvert");
    SelectChannelType(Main(), ChannelType::Circular);
    EXPECT_EQ(Main().State().channelName, "Circular Channel");
    EXPECT_EQ(Main().windowTitle(), "Rillo 2.1: Circular Channel");
}

TEST_F(UnitsAndChannelTypeTest, ReturningToTheTrapezoidShowsTheSideSlopeAgain) {
    SelectChannelType(Main(), ChannelType::ElongatedCircular);
    SelectChannelType(Main(), ChannelType::Circular);
    SelectChannelType(Main(), ChannelType::Trapezoidal);
    EXPECT_TRUE(Inputs().txtSlope->isVisibleTo(&Inputs()));
    EXPECT_EQ(Inputs().lblSides->text(), "Side slope:");
    EXPECT_EQ(Inputs().lblDiamWidth->text(), "Width, ft:");
}

TEST_F(UnitsAndChannelTypeTest, SwitchingUnitsClearsTheCustomisedPlotFlag) {
    Main().State().plotCustomised = true;
    SetUnitSystem(Main(), UnitSystem::SI);
    EXPECT_FALSE(Main().State().plotCustomised);
}

}  // namespace
}  // namespace rillo
