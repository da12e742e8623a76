// The main window as the platform sees it after start-up, its activation
// handling and its two ways to end. One fresh process per test.

#include <gtest/gtest.h>

#include "app/main_window.h"
#include "tests/support/dialog_watcher.h"
#include "tests/support/gui_session.h"
#include "tests/support/main_window_fixture.h"
#include "ui/control_registry.h"

using namespace testsupport;

namespace {

using MainWindowTest = MainWindowFixture;

TEST_F(MainWindowTest, ClassTitleStyleAndSize) {
    EXPECT_EQ(ClassNameOf(window), L"Quendrix");
    EXPECT_EQ(WindowText(window), L"Quendrix \xFF0D\xFF0D Tavrel");
    EXPECT_EQ(MainWindow, window);

    EXPECT_EQ(GetClassLongPtrW(window, GCL_STYLE), static_cast<ULONG_PTR>(CS_DBLCLKS));
    EXPECT_NE(GetClassLongPtrW(window, GCLP_HICON), 0u) << "icon IDI_VX loaded";
    LOGBRUSH brush{};
    ASSERT_NE(GetObjectW(reinterpret_cast<HBRUSH>(GetClassLongPtrW(window, GCLP_HBRBACKGROUND)), sizeof(brush),
                         &brush),
              0);
    EXPECT_EQ(brush.lbStyle, static_cast<UINT>(BS_SOLID));
    EXPECT_EQ(brush.lbColor, RGB(255, 255, 255));
    EXPECT_NE(GetMenu(window), nullptr);

    const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
    EXPECT_EQ(style & (WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX), WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX);
    EXPECT_EQ(style & (WS_THICKFRAME | WS_MAXIMIZEBOX | WS_CHILD | WS_POPUP), 0);
    EXPECT_TRUE(IsWindowVisible(window));
    EXPECT_EQ(GetWindowLongPtrW(window, GWL_EXSTYLE) & ~WS_EX_WINDOWEDGE, 0);

    RECT outer{};
    GetWindowRect(window, &outer);
    EXPECT_EQ(outer.right - outer.left, 355);
    EXPECT_EQ(outer.bottom - outer.top, 360);
}

TEST_F(MainWindowTest, PlacedForTheWorkAreaAtHand) {
    RECT work{};
    ASSERT_TRUE(SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0));
    const LONG width = work.right - work.left;
    const LONG height = work.bottom - work.top;
    RECT outer{};
    GetWindowRect(window, &outer);
    EXPECT_EQ(outer.left, width > 355 ? (width - 355) / 2 : 0);
    EXPECT_EQ(outer.top, height > 360 ? (height - 360) / 2 : 0);
}

// Every activation state, deactivation included, puts the focus back into
// the input box, wherever it was; the window answers 0.
TEST_F(MainWindowTest, ActivationAlwaysFocusesTheInputBox) {
    for (const WORD state : {WA_INACTIVE, WA_ACTIVE, WA_CLICKACTIVE}) {
        SetFocus(FindControl(IDC_OUTPUT));
        ASSERT_EQ(GetFocus(), FindControl(IDC_OUTPUT));
        EXPECT_EQ(SendMessageW(window, WM_ACTIVATE, MAKEWPARAM(state, 0), 0), 0) << state;
        EXPECT_EQ(GetFocus(), FindControl(IDC_INPUT)) << "state " << state;
    }
}

// A real switch away and back: another top-level window of this thread is
// activated, then the main window again.
TEST_F(MainWindowTest, SwitchingAwayAndBackLeavesFocusInInput) {
    const HWND other = CreateWindowExW(0, L"Static", L"other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 500, 500, 200,
                                       100, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(other, nullptr);
    SetFocus(FindControl(IDC_CLEAR));
    SetActiveWindow(other);
    PumpMessages(50);
    SetActiveWindow(window);
    PumpMessages(50);
    EXPECT_EQ(GetActiveWindow(), window);
    EXPECT_EQ(GetFocus(), FindControl(IDC_INPUT));
    DestroyWindow(other);
}

// Exit ends the loop whatever the notification code in the high word; the
// window itself stays until the process ends.
TEST_F(MainWindowTest, ExitCommandPostsQuitWithZeroForAnyHighWord) {
    for (const WORD highWord : {WORD{0}, WORD{1}, WORD{0xBEEF}, WORD{0xFFFF}}) {
        EXPECT_EQ(SendMessageW(window, WM_COMMAND, MAKEWPARAM(100, highWord), 0), 0);
        WPARAM code = 99;
        EXPECT_TRUE(TakeQuitMessage(&code)) << highWord;
        EXPECT_EQ(code, 0u);
        EXPECT_TRUE(IsWindow(window));
    }
}

// The controls' own notifications and unknown commands do nothing here: no
// quit, no box, the window stays.
TEST_F(MainWindowTest, OtherCommandsAreIgnored) {
    DialogWatcher watcher;
    const HWND clear = FindControl(IDC_CLEAR);
    EXPECT_EQ(SendMessageW(window, WM_COMMAND, MAKEWPARAM(IDC_CLEAR, BN_CLICKED), reinterpret_cast<LPARAM>(clear)),
              0);
    EXPECT_EQ(SendMessageW(window, WM_COMMAND, MAKEWPARAM(IDC_INPUT, EN_CHANGE), 0), 0);
    EXPECT_EQ(SendMessageW(window, WM_COMMAND, MAKEWPARAM(101, 0), 0), 0);
    EXPECT_EQ(SendMessageW(window, WM_COMMAND, MAKEWPARAM(0, 0), 0), 0);
    PumpMessages(100);
    EXPECT_FALSE(TakeQuitMessage());
    EXPECT_TRUE(watcher.Seen().empty());
    EXPECT_TRUE(IsWindow(window));
}

TEST_F(MainWindowTest, CloseDeletesTheFontDestroysTheWindowAndQuitsWithZero) {
    const HFONT font = UiFont;
    ASSERT_EQ(GetObjectType(font), static_cast<DWORD>(OBJ_FONT));
    SendMessageW(window, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(GetObjectType(font), 0u) << "UiFont deleted";
    WPARAM code = 99;
    EXPECT_TRUE(TakeQuitMessage(&code));
    EXPECT_EQ(code, 0u);
}

// A failed start (here: the class exists already) gives no window, so
// WinMain ends at once instead of running a loop with no window.
TEST_F(MainWindowTest, FailedStartGivesNoWindow) {
    EXPECT_EQ(OpenMainWindow(SW_SHOWNORMAL), nullptr);
    EXPECT_EQ(FindWindowW(L"Quendrix", nullptr), window);
}

}  // namespace
