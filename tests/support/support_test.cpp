// The test support itself: the dialog watcher must see and close every kind
// of box the program opens, and the waits must stay bounded.

#include <gtest/gtest.h>

#include "tests/support/app_process.h"
#include "tests/support/dialog_watcher.h"
#include "tests/support/gui_session.h"

using namespace testsupport;

namespace {

TEST(DialogWatcher, RecordsAndClosesMessageBoxes) {
    DialogWatcher watcher;
    EXPECT_EQ(MessageBoxW(nullptr, L"允许输入范围：2 - 36", L"警告", MB_OK | MB_ICONWARNING), IDOK);
    EXPECT_EQ(MessageBoxW(nullptr, L"second", L"提示", MB_OK | MB_ICONINFORMATION), IDOK);
    ASSERT_EQ(watcher.Seen().size(), 2u);
    EXPECT_EQ(watcher.Seen()[0].caption, L"警告");
    EXPECT_EQ(watcher.Seen()[0].text, L"允许输入范围：2 - 36");
    EXPECT_FALSE(watcher.Seen()[0].endedByWatcher);
    EXPECT_EQ(watcher.Seen()[1].caption, L"提示");
    EXPECT_EQ(watcher.Seen()[1].text, L"second");
}

// A handler that leaves the box open: the watcher ends it after its time
// limit and says so, so the test goes on.
TEST(DialogWatcher, EndsABoxLeftOpen) {
    constexpr DWORD kLimitMs = 300;
    DialogWatcher watcher([](HWND) {}, kLimitMs);
    const ULONGLONG start = GetTickCount64();
    MessageBoxW(nullptr, L"left open", L"box", MB_OK);
    EXPECT_LT(GetTickCount64() - start, kLimitMs + 3000);
    ASSERT_EQ(watcher.Seen().size(), 1u);
    EXPECT_TRUE(watcher.Seen()[0].endedByWatcher);
}

TEST(GuiSession, PumpUntilIsBounded) {
    const ULONGLONG start = GetTickCount64();
    EXPECT_FALSE(PumpUntil([] { return false; }, 200));
    const ULONGLONG spent = GetTickCount64() - start;
    EXPECT_GE(spent, 190u);
    EXPECT_LT(spent, 2000u);
    EXPECT_TRUE(PumpUntil([] { return true; }, 10000));
}

TEST(AppProcess, PathsOfTheBuildTreeBecomeDriveZPaths) {
    EXPECT_EQ(WindowsPathOf("/work/build/app/Quendrix.exe"), L"Z:\\work\\build\\app\\Quendrix.exe");
    EXPECT_EQ(WindowsPathOf("C:\\x\\y.exe"), L"C:\\x\\y.exe");
}

}  // namespace
