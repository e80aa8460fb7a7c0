#include "shell/help_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDesktopServices>
#include <QElapsedTimer>
#include <QFile>
#include <QHelpContentWidget>
#include <QHelpSearchEngine>
#include <QHelpSearchQueryWidget>
#include <QHelpSearchResultWidget>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <memory>
#include <stdexcept>

#include "shell/help_browser.h"
#include "shell/help_commands.h"
#include "shell/mdi_main.h"
#include "shell/qt_platform_services.h"
#include "tests/support/key_input.h"
#include "tests/support/main_window_harness.h"

namespace rillo {
namespace {

using testing::PressKey;

bool Eventually(const std::function<bool()>& done) {
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < 60000) QTest::qWait(20);
    return done();
}

// Catches the web pages the system is asked to open.
class BrowserStandIn : public QObject {
    Q_OBJECT
   public:
    QList<QUrl> opened;
   public slots:
    void open(const QUrl& url) { opened << url; }
};

// The program with the Qt services and the user guide as the build compiled
// it, in folders of the test's own.
class HelpWindowTest : public ::testing::Test {
   protected:
    void SetUp() override { Start(); }
    void TearDown() override {
        End();
        testing::ExpectNoModalWindowOpen();
    }

    void Start(const QString& collection = RILLO_HELP_COLLECTION) {
        services_ = std::make_unique<QtPlatformServices>(dir_.filePath("Rillo2.ini"));
        services_->UseHelpFiles(collection, dir_.filePath("help"));
        main_ = std::make_unique<MDIMain>(*services_);
        main_->Start();
    }
    void End() {
        if (main_) main_->close();
        main_.reset();
        services_.reset();
    }

    HelpWindow& Help() {
        HelpWindow* help = services_->Help();
        if (!help) throw std::runtime_error("help was not opened");
        return *help;
    }
    QString Page() { return Help().Browser()->source().fileName(); }
    // A stored placement, as the next run of the program reads it.
    QString Setting(const char* key) {
        return QtPlatformServices(dir_.filePath("Rillo2.ini")).ReadSetting("Dlgs", key, "none");
    }

    QTemporaryDir dir_;
    std::unique_ptr<QtPlatformServices> services_;
    std::unique_ptr<MDIMain> main_;
};

TEST_F(HelpWindowTest, ContentsTheToolbarButtonSearchAndF1OpenTheirPages) {
    main_->Menus().mnuHelpContents->trigger();
    HelpWindow& help = Help();
    EXPECT_TRUE(help.isVisible());
    EXPECT_EQ(help.windowTitle(), "Rillo 2.1 Help");
    EXPECT_EQ(help.Tabs()->currentIndex(), HelpWindow::ContentsTab);
    EXPECT_EQ(Page(), "main-window.html");
    QHelpContentWidget* contents = help.Engine().contentWidget();
    ASSERT_TRUE(Eventually([contents] { return contents->currentIndex().isValid(); }));
    EXPECT_EQ(contents->currentIndex().data().toString(), "The main window");

    PressKey(main_->Inputs().txtQ, Qt::Key_F1);
    EXPECT_EQ(Page(), "inputs-view.html");
    EXPECT_EQ(contents->currentIndex().data().toString(), "Required Inputs")
        << "the contents follow the page";
    RunToolbarButton(main_->Menus(), "Help");
    EXPECT_EQ(Page(), "main-window.html");

    main_->Menus().mnuHelpSearch->trigger();
    EXPECT_EQ(help.Tabs()->currentIndex(), HelpWindow::IndexTab);
    EXPECT_EQ(help.focusWidget(), help.IndexField());
    help.IndexField()->setText("weir");
    PressKey(help.IndexField(), Qt::Key_Return);
    EXPECT_EQ(Page(), "weir-calculator.html");

    help.BackAction()->trigger();
    EXPECT_EQ(Page(), "main-window.html");
    help.ForwardAction()->trigger();
    EXPECT_EQ(Page(), "weir-calculator.html");
    help.HomeAction()->trigger();
    EXPECT_EQ(Page(), "index.html");
    PressKey(help.Browser(), Qt::Key_F1);
    EXPECT_EQ(Page(), "using-help.html") << "F1 in help is help on help";
}

TEST_F(HelpWindowTest, TheSearchTabFindsFroudeAndOpensAResult) {
    services_->ShowHelpContents();
    HelpWindow& help = Help();
    help.Tabs()->setCurrentIndex(HelpWindow::SearchTab);
    QHelpSearchEngine* search = help.Engine().searchEngine();
    ASSERT_TRUE(Eventually([search] { return search->queryWidget()->isEnabled(); })) << "the index is built";

    bool searched = false;
    QObject::connect(search, &QHelpSearchEngine::searchingFinished, [&searched] { searched = true; });
    search->queryWidget()->setSearchInput("Froude");
    emit search->queryWidget()->search();
    ASSERT_TRUE(Eventually([&searched] { return searched; }));
    ASSERT_GT(search->searchResultCount(), 2);

    emit search->resultWidget()->requestShowLink(search->searchResults(0, 1).constFirst().url());
    EXPECT_TRUE(Help().Browser()->toPlainText().contains("Froude")) << Page().toStdString();
}

TEST_F(HelpWindowTest, LinksOpenGuidePagesHereAndWebPagesInTheBrowser) {
    services_->ShowHelpPage("getting-started");
    EXPECT_EQ(Page(), "getting-started.html");
    emit Help().Browser()->anchorClicked(QUrl("hydraulics.html#reach-end"));
    EXPECT_EQ(Help().Browser()->source().toString(), HelpPageUrl("hydraulics").toString() + "#reach-end");

    BrowserStandIn browser;
    QDesktopServices::setUrlHandler("https", &browser, "open");
    emit Help().Browser()->anchorClicked(QUrl("https://example.com/rillo"));
    QDesktopServices::unsetUrlHandler("https");
    EXPECT_EQ(browser.opened, QList<QUrl>{QUrl("https://example.com/rillo")});
    EXPECT_EQ(Page(), "hydraulics.html");

    services_->ShowHelpPage("no-such-page");
    EXPECT_EQ(Page(), "index.html") << "an unknown page falls back to the first page";
}

// Support is most needed when the help files are missing.
TEST_F(HelpWindowTest, TechnicalSupportOpensTheWebPageWithoutTheHelpFiles) {
    End();
    Start(dir_.filePath("nowhere/rillo2.qhc"));
    BrowserStandIn browser;
    QDesktopServices::setUrlHandler("https", &browser, "open");
    main_->Menus().mnuHelpTechSupport->trigger();
    QDesktopServices::unsetUrlHandler("https");
    EXPECT_EQ(browser.opened, QList<QUrl>{QUrl(TechnicalSupportAddress())});
    EXPECT_EQ(services_->Help(), nullptr) << "no help window, and no message that it cannot open";
}

TEST_F(HelpWindowTest, EndingTheProgramClosesHelpWhichComesBackWhereItWas) {
    services_->ShowHelpContents();
    Help().move(100, 80);
    Help().resize(700, 500);
    End();
    EXPECT_EQ(Setting("HelpL"), "1500");
    EXPECT_EQ(Setting("HelpT"), "1200");
    EXPECT_EQ(Setting("HelpW"), "10500");
    EXPECT_EQ(Setting("HelpH"), "7500");

    Start();
    services_->ShowHelpContents();
    EXPECT_EQ(Help().pos(), QPoint(100, 80));
    EXPECT_EQ(Help().size(), QSize(700, 500));
    main_->close();
    EXPECT_FALSE(Help().isVisible()) << "ending the program closes help";
    End();

    // A placement off every screen (a screen since removed) brings help back
    // in view, and a width of 0 its default size.
    Start();
    services_->WriteSetting("Dlgs", "HelpL", "900000");
    services_->WriteSetting("Dlgs", "HelpW", "0");
    services_->ShowHelpContents();
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    const QRect frame = Help().frameGeometry();
    EXPECT_TRUE(screen.contains(frame))
        << frame.x() << "," << frame.y() << " " << frame.width() << "x" << frame.height();
    EXPECT_GT(Help().width(), 420) << "the default width, not the smallest one of 420";
}

// The services' screens, not the platform's, decide where help comes back.
class OneScreenServices : public QtPlatformServices {
   public:
    using QtPlatformServices::QtPlatformServices;
    QList<QRect> AvailableScreenAreas() override { return {QRect(200, 100, 800, 600)}; }
};

TEST_F(HelpWindowTest, HelpStoredOffEveryScreenComesBackOnTheServicesScreen) {
    End();
    OneScreenServices services(dir_.filePath("Rillo2.ini"));
    for (const auto& [key, twips] : {std::pair{"HelpL", "-90000"}, {"HelpT", "90000"}, {"HelpW", "30000"}}) {
        services.WriteSetting("Dlgs", key, twips);
    }
    services.UseHelpFiles(RILLO_HELP_COLLECTION, dir_.filePath("help"));
    services.ShowHelpContents();
    HelpWindow* help = services.Help();
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(QRect(help->pos(), help->size()), QRect(260, 145, 680, 510)) << "centred on the screen";
    services.CloseHelp();
}

// A calculator is modal: without care the help it opened could not be used
// until the calculator closed.
TEST_F(HelpWindowTest, HelpOpenedFromAModalWindowCanBeUsedWhileItIsOpen) {
    QDialog weirs(main_.get());
    weirs.setObjectName("frmWeirs");
    bool ran = false;
    QTimer::singleShot(0, [&] {
        ran = true;
        PressKey(&weirs, Qt::Key_F1);
        EXPECT_EQ(Page(), "weir-calculator.html");
        QTabBar* tabs = Help().Tabs()->tabBar();
        QTest::mouseClick(Help().windowHandle(), Qt::LeftButton, {},
                          tabs->mapTo(&Help(), tabs->tabRect(HelpWindow::IndexTab).center()));
        EXPECT_EQ(Help().Tabs()->currentIndex(), HelpWindow::IndexTab) << "the click reached the help window";
        weirs.reject();
    });
    weirs.exec();
    EXPECT_TRUE(ran);
}

// Help opened from a modal window above another one (Plot Setup over the
// plot, an "Input Error" box over a calculator) must stay usable after that
// window closes and the one below it is still open, and after both close.
TEST_F(HelpWindowTest, HelpStaysUsableWhenTheModalWindowItCameFromCloses) {
    // Clicks a tab through the window system, as the mouse would; false when
    // the help window is blocked and the click is dropped.
    auto clickTab = [this](int tab) {
        QTabBar* tabs = Help().Tabs()->tabBar();
        Help().Tabs()->setCurrentIndex(tab == HelpWindow::IndexTab ? HelpWindow::ContentsTab : HelpWindow::IndexTab);
        QCoreApplication::processEvents();  // a click comes after what the closing queued
        QTest::mouseClick(Help().windowHandle(), Qt::LeftButton, {},
                          tabs->mapTo(&Help(), tabs->tabRect(tab).center()));
        return Help().Tabs()->currentIndex() == tab;
    };
    QDialog plot(main_.get());
    plot.setObjectName("frmPlot");
    // Plot Setup belongs to the main window and is only hidden when it closes.
    QDialog setup(main_.get());
    setup.setObjectName("frmPlotSetup");
    QStringList steps;
    QTimer::singleShot(0, [&] {
        QTimer::singleShot(0, [&] {
            PressKey(&setup, Qt::Key_F1);
            steps << Page();
            PressKey(&setup, Qt::Key_Escape);
        });
        setup.exec();
        if (clickTab(HelpWindow::IndexTab)) steps << "usable after Plot Setup";

        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box) return;
            PressKey(box, Qt::Key_F1);
            box->button(QMessageBox::Ok)->click();
        });
        services_->ShowMessage("The flowrate must be greater than 0.", "Input Error", MessageIcon::Warning);
        if (clickTab(HelpWindow::SearchTab)) steps << "usable after the message";
        plot.reject();
    });
    plot.exec();
    if (clickTab(HelpWindow::ContentsTab)) steps << "usable after the plot";
    QTest::keyClick(Help().windowHandle(), Qt::Key_W, Qt::ControlModifier);
    if (!Help().isVisible()) steps << "Ctrl+W closed it";
    EXPECT_EQ(steps.join(" | ").toStdString(),
              "plot-setup.html | usable after Plot Setup | usable after the message | usable after the plot | "
              "Ctrl+W closed it");
}

TEST_F(HelpWindowTest, HelpOpenBeforeAModalWindowIsUsableWhileItRunsButNotUnderItsOwnMessage) {
    services_->ShowHelpContents();
    QDialog calculator(main_.get());
    QStringList steps;
    QTimer::singleShot(0, [&] {
        QCoreApplication::processEvents();
        QTabBar* tabs = Help().Tabs()->tabBar();
        QTest::mouseClick(Help().windowHandle(), Qt::LeftButton, {},
                          tabs->mapTo(&Help(), tabs->tabRect(HelpWindow::SearchTab).center()));
        if (Help().Tabs()->currentIndex() == HelpWindow::SearchTab) steps << "usable under the calculator";
        // A message the help window shows (a link no browser opens) is its own.
        QMessageBox own(QMessageBox::Information, "Rillo 2.1 Help", "Please open this address yourself.",
                        QMessageBox::Ok, &Help());
        QTimer::singleShot(0, [&] {
            QCoreApplication::processEvents();
            QWindow* owner = Help().windowHandle()->transientParent();
            if (owner != own.windowHandle()) steps << "not tied to its own message";
            own.accept();
        });
        own.exec();
        calculator.reject();
    });
    calculator.exec();
    EXPECT_EQ(steps.join(" | ").toStdString(), "usable under the calculator | not tied to its own message");
}

TEST_F(HelpWindowTest, EscapeAndCtrlWCloseHelpFromAnyOfItsFields) {
    for (int key : {int(Qt::Key_Escape), int(Qt::Key_W)}) {
        services_->ShowHelpSearch();
        ASSERT_TRUE(Help().isVisible());
        Help().IndexField()->setText("weir");
        QTest::keyClick(Help().windowHandle(), Qt::Key(key),
                        key == Qt::Key_W ? Qt::ControlModifier : Qt::NoModifier);
        EXPECT_FALSE(Help().isVisible()) << key;
        EXPECT_NE(Setting("HelpW"), "none") << "closing stores the placement";
    }
}

TEST_F(HelpWindowTest, ACopyOfTheGuideDamagedSinceItWasMadeIsMadeAfresh) {
    services_->ShowHelpContents();
    End();
    QFile copy(dir_.filePath("help/rillo2.qhc"));
    ASSERT_TRUE(copy.open(QIODevice::WriteOnly | QIODevice::Truncate));
    copy.write("not a help collection");
    copy.close();
    Start();
    QString message;
    QTimer::singleShot(0, [&message] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            message = box->text();
            box->accept();
        }
    });
    main_->Menus().mnuHelpContents->trigger();
    EXPECT_EQ(message.toStdString(), "");
    EXPECT_EQ(Page(), "main-window.html");
}

TEST_F(HelpWindowTest, AGuideThatIsMissingIsReportedAndOpensNoWindow) {
    End();
    Start(dir_.filePath("nowhere/rillo2.qhc"));
    QString title, text;
    bool selectable = false;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return;
        title = box->windowTitle();
        text = box->text();
        selectable = box->textInteractionFlags() & Qt::TextSelectableByMouse;
        box->accept();
    });
    main_->Menus().mnuHelpContents->trigger();
    EXPECT_EQ(title, "Rillo 2.1 Help");
    EXPECT_TRUE(selectable) << "a path or an address in a message can be copied";
    EXPECT_TRUE(text.startsWith("Rillo cannot open its help.")) << text.toStdString();
    EXPECT_EQ(services_->Help(), nullptr);
}

}  // namespace
}  // namespace rillo

#include "help_window_test.moc"
