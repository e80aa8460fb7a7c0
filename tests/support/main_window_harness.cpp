#include "tests/support/main_window_harness.h"

#include <QApplication>
#include <QWidget>

namespace rillo::testing {

void ExpectNoModalWindowOpen() {
    QWidget* modal = QApplication::activeModalWidget();
    EXPECT_EQ(modal, nullptr) << "a modal window was left open: "
                              << (modal ? modal->windowTitle().toStdString() : std::string());
    while ((modal = QApplication::activeModalWidget())) modal->close();
}

void MainWindowTest::TearDown() {
    ExpectNoModalWindowOpen();
    if (main_) EndProgram();
    EXPECT_EQ(services.waitDepth, 0) << "the wait cursor was left on";
}

MDIMain& MainWindowTest::StartProgram() {
    if (main_) EndProgram();
    main_ = std::make_unique<MDIMain>(services);
    main_->Start();
    return *main_;
}

void MainWindowTest::EndProgram() {
    main_->close();
    main_.reset();
}

void MainWindowTest::EnterInputs(const ProfileInputTexts& t) {
    FrmMainInputs& in = Inputs();
    in.txtXS1->setText(QString::fromStdString(t.startStation));
    in.txtXS2->setText(QString::fromStdString(t.endStation));
    in.txtQ->setText(QString::fromStdString(t.flowrate));
    in.txtD->setText(QString::fromStdString(t.widthOrDiameter));
    in.txtRN->setText(QString::fromStdString(t.manningN));
    in.txtSO->setText(QString::fromStdString(t.bottomSlope));
    in.txtYCont->setText(QString::fromStdString(t.controlDepth));
    in.txtSlope->setText(QString::fromStdString(t.sideSlopeOrHeight));
}

void MainWindowTest::ComputeFromMenu() { main_->Menus().mnuCompute->trigger(); }

}  // namespace rillo::testing
