#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QCursor>
#include <QFile>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>

#include "platform/center_on_screen.h"
#include "platform/error_messages.h"
#include "shell/qt_platform_services.h"
#include "tests/support/fake_platform_services.h"
#include "tests/support/main_window_harness.h"

namespace rillo {
namespace {

TEST(QtSettingsStoreTest, KeepsTextValuesBySectionInAnIniFile) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString file = dir.filePath("Rillo2.ini");
    {
        QtPlatformServices services(file);
        EXPECT_EQ(services.ReadSetting("Dlgs", "MDIL", "10"), "10");
        services.WriteSetting("Dlgs", "MDIL", "150");
        services.WriteSetting("User", "Units", "2");
        services.WriteSetting("Menus", "First", "/home/ann/canal, reach 2.flo");
        EXPECT_EQ(services.ReadSetting("Dlgs", "MDIL", "10"), "150");
    }
    QtPlatformServices again(file);
    EXPECT_EQ(again.ReadSetting("Dlgs", "MDIL", "10"), "150");
    EXPECT_EQ(again.ReadSetting("User", "Units", "1"), "2");
    EXPECT_EQ(again.ReadSetting("Menus", "First", ""), "/home/ann/canal, reach 2.flo");
    EXPECT_EQ(again.ReadSetting("Menus", "Second", ""), "");

    QFile ini(file);
    ASSERT_TRUE(ini.open(QIODevice::ReadOnly));
    const QString content = QString::fromUtf8(ini.readAll());
    EXPECT_TRUE(content.contains("[Dlgs]\nMDIL=150")) << content.toStdString();
    EXPECT_TRUE(content.contains("[User]\nUnits=2")) << content.toStdString();
}

TEST(QtSettingsStoreTest, TheProgramsStoreLivesUnderItsApplicationName) {
    QtPlatformServices services;
    EXPECT_TRUE(services.SettingsFile().endsWith("Rillo2/Rillo2.ini")) << services.SettingsFile().toStdString();
}

TEST(MessageTextTest, CarriageReturnsBecomeLineBreaks) {
    EXPECT_EQ(ToDisplayLineBreaks("a\r\nb\rc\r\rd"), "a\nb\nc\n\nd");
}

TEST(MessageTextTest, FileFiltersTakeTheQtForm) {
    EXPECT_EQ(ToQtFileFilter("Flow Profile (*.flo)|*.flo"), "Flow Profile (*.flo)");
    EXPECT_EQ(ToQtFileFilter("Profiles|*.flo|All Files|*.*"), "Profiles (*.flo);;All Files (*.*)");
    EXPECT_EQ(ToQtFileFilter(""), "");
}

struct CentreCase {
    QSize screen;
    QSize window;
    QPoint expected;
};

class CenteredPositionTest : public ::testing::TestWithParam<CentreCase> {};

TEST_P(CenteredPositionTest, PlacesTheWindowInTheMiddle) {
    EXPECT_EQ(CenteredPosition(GetParam().screen, GetParam().window), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Sizes, CenteredPositionTest,
                         ::testing::Values(CentreCase{{1600, 1000}, {400, 300}, {600, 350}},
                                           // Half a pixel is 7.5 twips: 8992.5 twips round to 8992.
                                           CentreCase{{1600, 1000}, {401, 301}, {599, 349}},
                                           // A dialog larger than its screen gets a negative left and top.
                                           CentreCase{{640, 480}, {800, 600}, {-80, -60}}));

TEST(ErrorMessagesTest, GenericMessagesCarryTheirTitlesIconsAndTexts) {
    testing::FakePlatformServices services;
    ShowUnexpectedFailureLong(services);
    ShowUnexpectedFailureShort(services);
    ShowSystemError(services, "Save Error", "The following error occurred:", "Permission denied");
    ShowSystemError(services, "Error Occurred", "", "Out of memory");
    ShowStartupFailure(services);
    ASSERT_EQ(services.messages.size(), 5u);

    EXPECT_EQ(services.messages[0].title, "Unknown error");
    EXPECT_EQ(services.messages[0].icon, MessageIcon::Information);
    EXPECT_EQ(services.messages[0].text,
              "Rillo has been thoroughly tested for errors; however, errors occasionally occur for unknown "
              "reasons.\r\rOur technical support staff is committed to fixing these errors, and providing you "
              "with a prompt solution.  Please send a description of what you were doing before you received "
              "this message, along with your name, address, and phone number or email address to the Rillo "
              "Tech Support department.\r\rPlease refer to the online help file for Tech Support locations.");

    EXPECT_EQ(services.messages[1].title, "Rillo 2.1");
    EXPECT_EQ(services.messages[1].icon, MessageIcon::Warning);
    EXPECT_EQ(services.messages[1].text, "An unknown error has occurred.  Please contact tech support.");

    EXPECT_EQ(services.messages[2].title, "Save Error");
    EXPECT_EQ(services.messages[2].icon, MessageIcon::Warning);
    EXPECT_EQ(services.messages[2].text, "The following error occurred:\rPermission denied");
    EXPECT_EQ(services.messages[3].text, "Out of memory");

    EXPECT_EQ(services.messages[4].title, "Rillo 2.1");
    EXPECT_EQ(services.messages[4].icon, MessageIcon::Warning);
    EXPECT_EQ(services.messages[4].text, "An unknown error has occurred, and\rRillo cannot start.\r\r"
                                         "Please contact Quillbeck at\rsupport@quillbeck.com for assistance.");
}

}  // namespace
}  // namespace rillo

namespace rillo {
namespace {

// Reads the message box the services show, then closes it with `close`.
struct ShownBox {
    QString title, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
};

class QtMessageBoxTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QtPlatformServices services{dir.filePath("Rillo2.ini")};

    // Shows a box through the services and answers it with `close`.
    std::pair<MessageAnswer, ShownBox> Show(const QString& text, const QString& title, MessageIcon icon,
                                            MessageButtons buttons, std::function<void(QMessageBox&)> close) {
        ShownBox shown;
        QTimer::singleShot(0, [&shown, close] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box) return;
            shown = {box->windowTitle(), box->text(), box->icon(), box->standardButtons()};
            close(*box);
        });
        const MessageAnswer answer = services.ShowMessage(text, title, icon, buttons);
        return {answer, shown};
    }
};

TEST_F(QtMessageBoxTest, AnUntitledBoxCarriesTheApplicationTitleAndShowsItsLines) {
    auto [answer, shown] = Show("first\rsecond\r\nthird", "", MessageIcon::Information, MessageButtons::Ok,
                                [](QMessageBox& box) { box.button(QMessageBox::Ok)->click(); });
    EXPECT_EQ(answer, MessageAnswer::Ok);
    EXPECT_EQ(shown.title, "Rillo 2.1");
    EXPECT_EQ(shown.text, "first\nsecond\nthird");
    EXPECT_EQ(shown.icon, QMessageBox::Information);
    EXPECT_EQ(shown.buttons, QMessageBox::Ok);
    testing::ExpectNoModalWindowOpen();
}

TEST_F(QtMessageBoxTest, YesNoCancelReturnsTheChoiceAndClosingCountsAsCancel) {
    auto yes = Show("Go on?", "Question", MessageIcon::Warning, MessageButtons::YesNoCancel,
                    [](QMessageBox& box) { box.button(QMessageBox::Yes)->click(); });
    EXPECT_EQ(yes.first, MessageAnswer::Yes);
    EXPECT_EQ(yes.second.title, "Question");
    EXPECT_EQ(yes.second.icon, QMessageBox::Warning);
    EXPECT_EQ(yes.second.buttons, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);

    auto no = Show("Go on?", "Question", MessageIcon::Warning, MessageButtons::YesNoCancel,
                   [](QMessageBox& box) { box.button(QMessageBox::No)->click(); });
    EXPECT_EQ(no.first, MessageAnswer::No);

    auto closed = Show("Go on?", "Question", MessageIcon::Warning, MessageButtons::YesNoCancel,
                       [](QMessageBox& box) { box.reject(); });
    EXPECT_EQ(closed.first, MessageAnswer::Cancel);
    testing::ExpectNoModalWindowOpen();
}

TEST_F(QtMessageBoxTest, TheWaitCursorComesAndGoes) {
    services.ShowWaitCursor();
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    services.RestoreCursor();
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

}  // namespace
}  // namespace rillo
