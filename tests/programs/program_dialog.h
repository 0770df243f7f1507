#pragma once

#include "framework/cwinapp.h"
#include "tests/programs/program_facts.h"
#include "tests/support/composer_dialog_driver.h"
#include "tests/support/widget_driver.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

// One of the programs' dialogs on a fresh state, shown and active, worked as the user does.
class ProgramDialog : public testing::TestWithParam<ProgramUnderTest> {
protected:
    void SetUp() override
    {
        dialog = GetParam().open(state);
        ASSERT_TRUE(ShowActive(*dialog));
        driver = std::make_unique<ComposerDialogDriver>(*dialog, ids);
    }

    template <class Widget>
    Widget* Control(int id) const
    {
        Widget* widget = ControlWidget<Widget>(*dialog, id);
        EXPECT_NE(widget, nullptr) << "no such control " << id;
        return widget;
    }

    void Click(int id) { ASSERT_TRUE(driver->Click(id)); }

    const ProgramFacts& facts = FactsOf(GetParam());
    const ComposerControlIds& ids = GetParam().program().ids;
    CWinApp app;  // the dialog loads its icon through the application
    ComposerState state;
    std::unique_ptr<CDialog> dialog;
    std::unique_ptr<ComposerDialogDriver> driver;
};
