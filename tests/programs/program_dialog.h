#pragma once

#include "framework/cwinapp.h"
#include "tests/programs/program_under_test.h"
#include "tests/support/composer_dialog_driver.h"
#include "tests/support/widget_driver.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

// The program's dialog on a fresh state, shown modeless and active after its set-up.
class ProgramDialog : public testing::Test {
protected:
    void SetUp() override;

    QWidget* Control(int id) const { return dialog->GetDlgItem(id); }

    // Runs script `actions` through the real dialog; returns its `show` lines.
    std::string Run(const std::string& actions);

    // Every control's state in template order: texts, checks, the selected item.
    std::vector<std::string> Snapshot() const;

    // A push button that appends an event (the rest).
    void ClickEvent() { ASSERT_TRUE(driver->Click(program.rest)); }

    const ProgramUnderTest& program = UnderTest();
    CWinApp app;  // the dialog loads its icon through the application
    ComposerState state;
    std::unique_ptr<CDialog> dialog;
    std::unique_ptr<ComposerDialogDriver> driver;
};

// Another dialog of the program on its own state, shown and active.
struct OtherDialog {
    OtherDialog();

    ComposerState state;
    std::unique_ptr<CDialog> dialog;
    std::unique_ptr<ComposerDialogDriver> driver;
};
