#include <gtest/gtest.h>

#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>

#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTimer>

#include "shell/help_commands.h"
#include "tests/support/key_input.h"
#include "tests/support/main_window_harness.h"
#include "tests/support/sample_profiles.h"

namespace rillo {
namespace {

using testing::MainWindowTest;
using testing::PressKey;

class HelpKeyTest : public MainWindowTest {
   protected:
    void SetUp() override { StartProgram(); }

    // F1 pressed in `widget`; the page it asked for, or "" for none.
    QString PressF1(QWidget* widget) {
        services.helpPages.clear();
        PressKey(widget, Qt::Key_F1);
        return services.helpPages.empty() ? QString() : services.helpPages.back();
    }

    // Runs `act` inside the modal window that `open` shows, then closes it.
    void InsideModal(const std::function<void()>& open, const std::function<void(QWidget&)>& act) {
        bool ran = false;
        QTimer::singleShot(0, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            ASSERT_NE(modal, nullptr);
            ran = true;
            act(*modal);
            modal->close();
        });
        open();
        EXPECT_TRUE(ran);
    }
};

TEST_F(HelpKeyTest, F1InTheMainWindowAsksForThePageOfTheActiveView) {
    struct Case {
        QMdiSubWindow* view;
        QWidget* focus;
        const char* page;
    };
    const Case cases[] = {
        {&Main().InputsWindow(), Inputs().txtQ, "inputs-view"},
        {&Main().ResultsWindow(), Results().lblFlowType, "results-view"},
        {&Main().GridWindow(), &Grid(), "table-view"},
    };
    for (const Case& c : cases) {
        Main().mdiArea->setActiveSubWindow(c.view);
        EXPECT_EQ(PressF1(c.focus), c.page);
        EXPECT_EQ(PressF1(Main().Menus().Toolbar), c.page) << "the toolbar belongs to the main window";
    }
    for (QMdiSubWindow* view : Main().mdiArea->subWindowList()) view->hide();
    EXPECT_EQ(PressF1(Main().mdiArea), "main-window") << "no view is active";
}

TEST_F(HelpKeyTest, F1InTheDialogsAsksForTheirPages) {
    InsideModal([this] { Main().Menus().mnuChannelName->trigger(); },
                [this](QWidget& dialog) {
                    EXPECT_EQ(PressF1(dialog.findChild<QLineEdit*>("txtNewlbl")), "channel-type-and-name");
                });
    InsideModal([this] { Main().Menus().mnuAbout->trigger(); },
                [this](QWidget& about) { EXPECT_EQ(PressF1(&about), "support"); });
    // The print preview is the platform's window over the main window, whose
    // active view has a page of its own: the preview's page wins.
    Main().mdiArea->setActiveSubWindow(&Main().GridWindow());
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    QPrintPreviewDialog preview(&printer, &Main());
    InsideModal([&preview] { preview.exec(); },
                [this](QWidget& dialog) {
                    EXPECT_EQ(PressF1(dialog.findChild<QPrintPreviewWidget*>()), "printing");
                });
}

// The calculators and the plot are their own windows; F1 finds their page by
// the window's name, whatever child has the focus, also under a message box.
TEST_F(HelpKeyTest, F1InEveryOtherWindowAsksForThePageOfItsName) {
    const std::pair<const char*, const char*> windows[] = {
        {"frmCritical", "critical-depth-calculator"},
        {"frmMannings", "mannings-calculator"},
        {"frmWeirs", "weir-calculator"},
        {"frmOrifices", "orifice-calculator"},
        {"frmGates", "gate-calculator"},
        {"frmPlot", "plot-window"},
        {"frmPlotSetup", "plot-setup"},
    };
    for (const auto& [name, page] : windows) {
        QDialog window(&Main());
        window.setObjectName(name);
        auto* field = new QLineEdit(&window);
        InsideModal([&window] { window.exec(); },
                    [&](QWidget&) {
                        EXPECT_EQ(PressF1(field), page) << name;
                        QDialog message(&window);  // a message box shown over it
                        EXPECT_EQ(PressF1(&message), page) << name;
                    });
    }
    QDialog stranger;
    EXPECT_EQ(PressF1(&stranger), "index") << "a window without a page of its own opens the first page";
}

// The same through the real windows, opened from their menus.
TEST_F(HelpKeyTest, F1InTheRealCalculatorsPlotAndSetUpAsksForTheirPages) {
    const std::pair<QAction*, const char*> calculators[] = {
        {Main().Menus().mnuCritical, "critical-depth-calculator"},
        {Main().Menus().mnuMannings1, "mannings-calculator"},
        {Main().Menus().mnuWeirs, "weir-calculator"},
        {Main().Menus().mnuOrifices, "orifice-calculator"},
        {Main().Menus().mnuGates, "gate-calculator"},
    };
    for (const auto& [item, page] : calculators) {
        InsideModal([item] { item->trigger(); },
                    [&](QWidget& window) {
                        auto* field = window.findChild<QLineEdit*>();
                        ASSERT_NE(field, nullptr) << page;
                        EXPECT_EQ(PressF1(field), page);
                        EXPECT_EQ(PressF1(&window), page);
                    });
    }

    EnterInputs(testing::WorkedExampleTexts());
    ComputeFromMenu();
    ASSERT_TRUE(services.messages.empty());
    InsideModal([this] { Main().Menus().mnuPlot->trigger(); },
                [&](QWidget& plot) {
                    EXPECT_EQ(PressF1(plot.focusWidget() ? plot.focusWidget() : &plot), "plot-window");
                    auto* customize = plot.findChild<QPushButton*>("cmdCustomize");
                    ASSERT_NE(customize, nullptr);
                    InsideModal([customize] { customize->click(); },
                                [&](QWidget& setup) {
                                    EXPECT_EQ(PressF1(setup.findChild<QLineEdit*>()), "plot-setup");
                                });
                });
}

TEST_F(HelpKeyTest, OnlyAPlainF1IsTakenAndARepeatAsksOnce) {
    services.helpPages.clear();
    PressKey(Inputs().txtQ, Qt::Key_F1, {}, Qt::ShiftModifier);
    EXPECT_TRUE(services.helpPages.empty()) << "Shift+F1 is left to the window";
    QKeyEvent repeat(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier, {}, true);
    QApplication::sendEvent(Inputs().txtQ, &repeat);
    EXPECT_TRUE(services.helpPages.empty()) << "a held key does not reopen the page";
    EXPECT_TRUE(repeat.isAccepted());
}

TEST_F(HelpKeyTest, ContentsSearchAndTheToolbarButtonOpenHelp) {
    Main().Menus().mnuHelpContents->trigger();
    EXPECT_EQ(services.helpContents, 1);
    RunToolbarButton(Main().Menus(), "Help");
    EXPECT_EQ(services.helpContents, 2) << "the toolbar's Help button runs Contents";
    Main().Menus().mnuHelpSearch->trigger();
    EXPECT_EQ(services.helpSearches, 1);
    EXPECT_TRUE(services.messages.empty());
}

TEST_F(HelpKeyTest, TechnicalSupportOpensItsAddressOrShowsItWhenRefused) {
    Main().Menus().mnuHelpTechSupport->trigger();
    ASSERT_EQ(services.webPages.size(), 1u);
    EXPECT_EQ(services.webPages[0], TechnicalSupportAddress());
    EXPECT_TRUE(services.messages.empty());

    services.webPageOpens = false;
    Main().Menus().mnuHelpTechSupport->trigger();
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.messages[0].title, "Obtaining Technical Support");
    EXPECT_TRUE(services.messages[0].text.endsWith("\r" + TechnicalSupportAddress()))
        << services.messages[0].text.toStdString();
}

}  // namespace
}  // namespace rillo
