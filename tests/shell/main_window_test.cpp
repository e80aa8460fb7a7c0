#include <gtest/gtest.h>

#include <QApplication>
#include <QMdiSubWindow>
#include <QScreen>
#include <QTimer>

#include "shell/frm_about.h"
#include "shell/start_up.h"
#include "tests/support/main_window_harness.h"
#include "tests/support/sample_profiles.h"

namespace rillo {
namespace {

using testing::MainWindowTest;

class StartupTest : public MainWindowTest {
   protected:
    QString Setting(const char* key) { return services.settings.value(key); }
};

TEST_F(StartupTest, FirstRunUsesTheDefaultLayoutInEnglishUnitsWithATrapezoid) {
    MDIMain& main = StartProgram();
    EXPECT_EQ(main.windowTitle(), "Rillo 2.1");
    EXPECT_EQ(main.State().baseCaption, "Rillo 2.1");
    EXPECT_EQ(main.size(), QSize(904, 581)) << "13560 by 8715 twips";
    EXPECT_EQ(main.pos(), QPoint(1, 1)) << "10 twips, to the nearest pixel";

    EXPECT_EQ(main.InputsWindow().pos(), QPoint(0, 0));
    EXPECT_EQ(main.ResultsWindow().pos(), QPoint(0, 228)) << "3420 twips";
    EXPECT_EQ(main.GridWindow().pos(), QPoint(main.InputsWindow().width(), 0));
    EXPECT_EQ(main.GridWindow().size(), QSize(617, 402)) << "9255 by 6030 twips";
    for (QMdiSubWindow* view : {&main.InputsWindow(), &main.ResultsWindow(), &main.GridWindow()}) {
        EXPECT_TRUE(view->isVisible()) << view->objectName().toStdString();
    }
    EXPECT_EQ(main.mdiArea->subWindowList(QMdiArea::StackingOrder).constLast(), &main.InputsWindow())
        << "the inputs view is in front";

    EXPECT_EQ(main.State().unitSystem, UnitSystem::English);
    EXPECT_EQ(Setting("User/Units"), "1");
    EXPECT_TRUE(main.Menus().mnuEnglish->isChecked());
    EXPECT_FALSE(main.Menus().mnuSI->isChecked());
    EXPECT_TRUE(main.Menus().mnuChannelType[0]->isChecked());
    EXPECT_EQ(main.State().channelName, "Trapezoidal Channel");
    for (QAction* recent : main.Menus().mnuLastFileUsed) EXPECT_FALSE(recent->isVisible());

    EXPECT_EQ(Inputs().txtXS1->text(), "0+00.000");
    EXPECT_EQ(Inputs().lblDiamWidth->text(), "Width, ft:");
    EXPECT_EQ(Grid().CellText(0, 0), "Station");
    EXPECT_EQ(Grid().CellText(1, 0), "ft");
    EXPECT_TRUE(main.isEnabled());
    EXPECT_TRUE(services.messages.empty());
    EXPECT_EQ(services.waitDepth, 0);
}

struct StoredUnits {
    const char* stored;  // nullptr: no key
    UnitSystem expected;
    const char* rewritten;
};

class StoredUnitsTest : public StartupTest, public ::testing::WithParamInterface<StoredUnits> {};

TEST_P(StoredUnitsTest, StartsInTheStoredSystemAndStoresItBack) {
    const StoredUnits& c = GetParam();
    if (c.stored) services.settings["User/Units"] = c.stored;
    MDIMain& main = StartProgram();
    EXPECT_EQ(main.State().unitSystem, c.expected);
    EXPECT_EQ(main.Menus().mnuSI->isChecked(), c.expected == UnitSystem::SI);
    EXPECT_EQ(Setting("User/Units"), c.rewritten);
    EXPECT_EQ(Inputs().lblXS1->text(),
              c.expected == UnitSystem::SI ? "Start station, m:" : "Start station, ft:");
}

INSTANTIATE_TEST_SUITE_P(Values, StoredUnitsTest,
                         ::testing::Values(StoredUnits{nullptr, UnitSystem::English, "1"},
                                           StoredUnits{"1", UnitSystem::English, "1"},
                                           StoredUnits{"2", UnitSystem::SI, "2"},
                                           StoredUnits{"3", UnitSystem::SI, "2"},
                                           StoredUnits{"x", UnitSystem::SI, "2"},
                                           StoredUnits{"", UnitSystem::SI, "2"}));

TEST_F(StartupTest, PlacementsStoredAtTheEndAreReadAtTheNextStart) {
    MDIMain& first = StartProgram();
    first.move(120, 45);
    first.resize(1000, 700);
    first.InputsWindow().move(30, 15);
    first.ResultsWindow().move(6, 300);
    first.GridWindow().move(330, 21);
    first.GridWindow().resize(500, 333);
    EndProgram();

    EXPECT_EQ(Setting("Dlgs/MDIL"), "1800");
    EXPECT_EQ(Setting("Dlgs/MDIT"), "675");
    EXPECT_EQ(Setting("Dlgs/MDIW"), "15000");
    EXPECT_EQ(Setting("Dlgs/MDIH"), "10500");
    EXPECT_EQ(Setting("Dlgs/InputsL"), "450");
    EXPECT_EQ(Setting("Dlgs/InputsT"), "225");
    EXPECT_EQ(Setting("Dlgs/OutputsL"), "90");
    EXPECT_EQ(Setting("Dlgs/OutputsT"), "4500");
    EXPECT_EQ(Setting("Dlgs/GridL"), "4950");
    EXPECT_EQ(Setting("Dlgs/GridT"), "315");
    EXPECT_EQ(Setting("Dlgs/GridW"), "7500");
    EXPECT_EQ(Setting("Dlgs/GridH"), "4995");
    EXPECT_EQ(services.helpCloses, 1) << "ending tells the help system to close";

    MDIMain& second = StartProgram();
    EXPECT_EQ(second.pos(), QPoint(120, 45));
    EXPECT_EQ(second.size(), QSize(1000, 700));
    EXPECT_EQ(second.InputsWindow().pos(), QPoint(30, 15));
    EXPECT_EQ(second.ResultsWindow().pos(), QPoint(6, 300));
    EXPECT_EQ(second.GridWindow().geometry(), QRect(330, 21, 500, 333));
}

TEST_F(StartupTest, DamagedPlacementsFallBackToTheirDefaults) {
    services.settings["Dlgs/MDIW"] = "wide";
    services.settings["Dlgs/MDIL"] = "";
    services.settings["Dlgs/GridH"] = "1e400";
    services.settings["Dlgs/OutputsT"] = "12abc";
    services.settings["Dlgs/GridW"] = "9000";  // a sound neighbour is still read
    MDIMain& main = StartProgram();
    EXPECT_TRUE(services.messages.empty());
    EXPECT_EQ(main.width(), 904);
    EXPECT_EQ(main.x(), 1);
    EXPECT_EQ(main.GridWindow().size(), QSize(600, 402));
    EXPECT_EQ(main.ResultsWindow().y(), 228);
}

TEST_F(StartupTest, NegativePlacementsAreAppliedAsTheyAre) {
    services.settings["Dlgs/InputsL"] = "-300";
    services.settings["Dlgs/InputsT"] = "-150";
    MDIMain& main = StartProgram();
    EXPECT_EQ(main.InputsWindow().pos(), QPoint(-20, -10));
}

TEST_F(StartupTest, TheCloseBoxOnlyHidesAViewAndKeepsItsContent) {
    MDIMain& main = StartProgram();
    EnterInputs(testing::WorkedExampleTexts());
    ComputeFromMenu();
    for (QMdiSubWindow* view : {&main.InputsWindow(), &main.ResultsWindow(), &main.GridWindow()}) {
        EXPECT_FALSE(view->close()) << "the close is cancelled";
        EXPECT_FALSE(view->isVisible());
    }
    main.ShowDocumentViews();
    EXPECT_TRUE(main.GridWindow().isVisible());
    EXPECT_EQ(Grid().CellText(2, 0), "10+00.000");
    EXPECT_EQ(Results().lblCriticalDepth->text(), "1.329");
    EXPECT_EQ(Inputs().txtQ->text(), "100");
}

TEST_F(StartupTest, ExitEndsTheProgramAndStoresThePlacements) {
    MDIMain& main = StartProgram();
    bool ended = false;
    QObject::connect(&main, &MDIMain::ended, [&ended] { ended = true; });
    main.Menus().mnuExit->trigger();
    EXPECT_TRUE(ended);
    EXPECT_FALSE(main.isVisible());
    EXPECT_EQ(Setting("Dlgs/MDIW"), "13560");
    EXPECT_EQ(Setting("Dlgs/GridW"), "9255");
}

TEST_F(StartupTest, AboutBoxOpensModallyCentredAndClosesWithOk) {
    MDIMain& main = StartProgram();
    QString caption, product, line;
    QPoint centreOffset;
    QTimer::singleShot(0, [&] {
        auto* about = qobject_cast<FrmAbout*>(QApplication::activeModalWidget());
        ASSERT_NE(about, nullptr);
        caption = about->windowTitle();
        product = about->lblRillo->text();
        line = about->Label3->text();
        const QRect screen = about->screen()->geometry();
        centreOffset = about->frameGeometry().center() - screen.center();
        about->cmdQuit->click();
    });
    const int eventRunsBefore = services.pendingEventRuns;
    main.Menus().mnuAbout->trigger();
    EXPECT_EQ(caption, "About Rillo 2.1");
    EXPECT_EQ(product, "Rillo 2.1");
    EXPECT_EQ(line, "Hydraulic design software for steady-state open channel flow.");
    EXPECT_LE(std::abs(centreOffset.x()), 1);
    EXPECT_LE(std::abs(centreOffset.y()), 1);
    EXPECT_GT(services.pendingEventRuns, eventRunsBefore);
}

}  // namespace
}  // namespace rillo

namespace rillo {
namespace {

// A settings store that cannot be read, as a damaged or locked store would fail.
class UnreadableSettings : public testing::FakePlatformServices {
public:
    QString ReadSetting(const QString&, const QString&, const QString&) override {
        throw std::runtime_error("settings store unreadable");
    }
};

TEST(StartupFailureTest, ReportsTheFailureWithTheCursorBackAndEnds) {
    UnreadableSettings services;
    MDIMain main(services);
    EXPECT_FALSE(RunStartUp(main));
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.messages[0].title, "Rillo 2.1");
    EXPECT_EQ(services.messages[0].icon, MessageIcon::Warning);
    EXPECT_TRUE(services.messages[0].text.startsWith("An unknown error has occurred, and\rRillo cannot start."));
    EXPECT_EQ(services.waitDepth, 0);
}

}  // namespace
}  // namespace rillo
