// What every calculator window shares: its message boxes answer Enter, and a
// result never widens it.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include "calculators/frm_critical.h"
#include "calculators/frm_weirs.h"
#include "tests/support/fake_platform_services.h"
#include "tests/support/key_input.h"
#include "tests/support/sample_profiles.h"

namespace rillo {
namespace {

using testing::FakePlatformServices;
using testing::PressKey;
using testing::ShowActive;

// A box opened over a calculator is a child of it, as the Qt services open
// theirs; Enter on its default button must press it rather than move the
// calculator's focus on.
TEST(CalculatorWindows, EnterPressesTheDefaultButtonOfAMessageBox) {
    FakePlatformServices services;
    FrmCritical w(services, testing::TextbookCalculatorOpening(ChannelType::Trapezoidal, UnitSystem::English));
    ShowActive(w);
    for (int key : {Qt::Key_Return, Qt::Key_Enter}) {
        QMessageBox box(QMessageBox::Warning, "Manning's coefficient error", "Go on?",
                        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, &w);
        box.setDefaultButton(QMessageBox::Yes);
        // The box puts the focus on its default button; the key goes there.
        QTimer::singleShot(0, &box, [&] { PressKey(box.defaultButton(), key); });
        // A box the key left open fails the test instead of hanging it.
        QTimer::singleShot(2000, &box, [&] { box.done(-1); });
        box.exec();
        EXPECT_EQ(box.clickedButton(), box.button(QMessageBox::Yes)) << key;
    }
}

TEST(CalculatorWindows, AHugeResultIsElidedNotWidened) {
    FakePlatformServices services;
    FrmWeirs weirs(services, UnitSystem::English);
    ShowActive(weirs);
    const QSize size = weirs.size();
    const QPoint place = weirs.pos();
    weirs.txtWeirL->setText("1e37");
    weirs.txtWeirH->setText("1");
    weirs.cmdComputeWeirFlow->click();
    QApplication::processEvents();
    ASSERT_TRUE(services.messages.empty());
    const QString whole = weirs.lblWeirQ->Result();
    EXPECT_EQ(whole.size(), 42) << whole.toStdString();  // 3.2635e37 to three decimals
    EXPECT_TRUE(weirs.lblWeirQ->text().endsWith(QChar(0x2026))) << weirs.lblWeirQ->text().toStdString();
    EXPECT_EQ(weirs.lblWeirQ->toolTip(), whole);
    EXPECT_EQ(weirs.size(), size);
    EXPECT_EQ(weirs.pos(), place);

    // A result that fits shows whole, with no tooltip.
    weirs.txtWeirL->setText("10");
    weirs.cmdComputeWeirFlow->click();
    EXPECT_EQ(weirs.lblWeirQ->text(), "32.635");
    EXPECT_EQ(weirs.lblWeirQ->toolTip(), "");
}

}  // namespace
}  // namespace rillo
