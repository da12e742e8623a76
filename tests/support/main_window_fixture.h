#pragma once
// A test fixture that starts the main window in this test's own process.

#include <gtest/gtest.h>

#include "tests/support/gui_session.h"

namespace testsupport {

class MainWindowFixture : public ::testing::Test {
protected:
    void SetUp() override {
        window = StartMainWindow();
        ASSERT_NE(window, nullptr);
    }
    HWND window = nullptr;
};

}  // namespace testsupport
