// The main window as the platform sees it after start-up, where it stands,
// its activation handling and how it closes. One fresh process per test;
// what the program's process ends with is the process tests' business.

#include <gtest/gtest.h>

#include "app/main_window.h"
#include "app/window_placement.h"
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

struct PlacementCase {
    RECT workArea;
    LONG x, y;
};

// Centred on a rectangle of the work area's size that starts at the screen's
// origin: for the work area at hand, and for work areas a desktop may have.
TEST_F(MainWindowTest, CentredOnAWorkAreaSizedRectangleAtTheScreenOrigin) {
    RECT work{};
    ASSERT_TRUE(SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0));
    const LONG width = work.right - work.left;
    const LONG height = work.bottom - work.top;
    RECT outer{};
    GetWindowRect(window, &outer);
    EXPECT_EQ(outer.left, width > 355 ? (width - 355) / 2 : 0);
    EXPECT_EQ(outer.top, height > 360 ? (height - 360) / 2 : 0);

    const PlacementCase cases[] = {
        {{0, 0, 1024, 738}, 334, 189},     // remainders dropped: 669 / 2, 378 / 2
        {{0, 0, 1024, 768}, 334, 204},
        {{0, 0, 355, 360}, 0, 0},          // exactly the window's size
        {{0, 0, 356, 361}, 0, 0},          // one pixel more halves to 0
        {{0, 0, 357, 362}, 1, 1},
        {{0, 0, 300, 200}, 0, 0},          // smaller than the window
        {{60, 0, 1060, 768}, 322, 204},    // task bar on the left: its width is not added
        {{0, 40, 1024, 768}, 334, 184},    // task bar on top
        {{0, 0, 0, 0}, 0, 0},
    };
    for (const PlacementCase& c : cases) {
        const RECT& w = c.workArea;
        SCOPED_TRACE(testing::Message() << w.left << "," << w.top << "," << w.right << "," << w.bottom);
        const POINT origin = MainWindowOrigin(w);
        EXPECT_EQ(origin.x, c.x);
        EXPECT_EQ(origin.y, c.y);
    }
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

// Closing destroys the window and frees the push buttons' font.
TEST_F(MainWindowTest, CloseDestroysTheWindowAndFreesTheFont) {
    const auto font = reinterpret_cast<HFONT>(SendMessageW(FindControl(IDC_CONVERT), WM_GETFONT, 0, 0));
    ASSERT_EQ(GetObjectType(font), static_cast<DWORD>(OBJ_FONT));
    SendMessageW(window, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(GetObjectType(font), 0u) << "the font is deleted";
    EXPECT_TRUE(TakeQuitMessage());
}

// A failed start (here: the class exists already) gives no window, so
// WinMain ends at once instead of running a loop with no window.
TEST_F(MainWindowTest, FailedStartGivesNoWindow) {
    EXPECT_EQ(OpenMainWindow(SW_SHOWNORMAL), nullptr);
    EXPECT_EQ(FindWindowW(L"Quendrix", nullptr), window);
}

}  // namespace
