#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "engine/input_checks.h"
#include "shell/mdi_main.h"
#include "tests/support/fake_platform_services.h"

namespace rillo::testing {

// Fails the test when a modal window is still open, and closes it so that the
// tests after it are not blocked.
void ExpectNoModalWindowOpen();

// A main window over the scripted fake services, started as the program
// starts it. The settings store outlives the window, so a test can end the
// program and start it again on the same settings.
class MainWindowTest : public ::testing::Test {
protected:
    void TearDown() override;

    // Builds and starts a new main window (ending the previous one first).
    MDIMain& StartProgram();
    // Closes the main window as the close box does.
    void EndProgram();

    // Types the texts into the inputs view's fields.
    void EnterInputs(const ProfileInputTexts& texts);
    // Runs Compute through its menu item.
    void ComputeFromMenu();

    MDIMain& Main() { return *main_; }
    FrmMainInputs& Inputs() { return main_->Inputs(); }
    FrmMainResults& Results() { return main_->Results(); }
    FrmMainGrid& Grid() { return main_->Grid(); }

    FakePlatformServices services;

private:
    std::unique_ptr<MDIMain> main_;
};

}  // namespace rillo::testing
