// The built Quendrix.exe run as its own process: its ways to end and its
// exit code.

#include <gtest/gtest.h>

#include "tests/support/app_process.h"
#include "tests/support/gui_session.h"

using namespace testsupport;

namespace {

constexpr DWORD kExitWaitMs = 15000;

std::wstring Program() {
    return WindowsPathOf(QUENDRIX_EXE);
}

class ExitCommand : public ::testing::TestWithParam<WORD> {};

// WM_COMMAND 100 ends the program, whatever the high word says.
TEST_P(ExitCommand, EndsWithExitCodeZero) {
    AppProcess app;
    ASSERT_TRUE(app.Start(Program()));
    EXPECT_EQ(WindowText(app.Window()), L"Quendrix \xFF0D\xFF0D Tavrel");
    ASSERT_TRUE(app.Post(WM_COMMAND, MAKEWPARAM(100, GetParam()), 0));
    DWORD code = 99;
    ASSERT_TRUE(app.WaitForExit(kExitWaitMs, &code));
    EXPECT_EQ(code, 0u);
}

INSTANTIATE_TEST_SUITE_P(HighWords, ExitCommand, ::testing::Values(WORD{0}, WORD{1}, WORD{0x8000}, WORD{0xFFFF}));

TEST(Program, CloseEndsWithExitCodeZero) {
    AppProcess app;
    ASSERT_TRUE(app.Start(Program()));
    ASSERT_TRUE(app.Post(WM_CLOSE));
    DWORD code = 99;
    ASSERT_TRUE(app.WaitForExit(kExitWaitMs, &code));
    EXPECT_EQ(code, 0u);
}

// The system menu's Close, as the close box and Alt+F4 send it.
TEST(Program, SystemCloseEndsWithExitCodeZero) {
    AppProcess app;
    ASSERT_TRUE(app.Start(Program()));
    ASSERT_TRUE(app.Post(WM_SYSCOMMAND, SC_CLOSE, 0));
    DWORD code = 99;
    ASSERT_TRUE(app.WaitForExit(kExitWaitMs, &code));
    EXPECT_EQ(code, 0u);
}

// Nothing looks for a running copy: a second start opens a second window.
TEST(Program, SecondCopyRunsIndependently) {
    AppProcess first, second;
    ASSERT_TRUE(first.Start(Program()));
    ASSERT_TRUE(second.Start(Program()));
    EXPECT_NE(first.Window(), second.Window());
    ASSERT_TRUE(second.Post(WM_CLOSE));
    DWORD code = 99;
    ASSERT_TRUE(second.WaitForExit(kExitWaitMs, &code));
    EXPECT_TRUE(IsWindow(first.Window()));
    ASSERT_TRUE(first.Post(WM_COMMAND, 100, 0));
    ASSERT_TRUE(first.WaitForExit(kExitWaitMs, &code));
    EXPECT_EQ(code, 0u);
}

}  // namespace
