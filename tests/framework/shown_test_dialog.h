#pragma once

#include "tests/framework/test_dialog.h"
#include "tests/support/widget_driver.h"

#include <gtest/gtest.h>

// A test dialog created modeless and active, after its initialisation.
class ShownTestDialog : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(ShowActive(dialog)); }

    TestDialog dialog;
};
