// A rejected base never warns without end: one user action shows at most one
// warning per box, the program stays usable, and closing never warns.

#include <atomic>
#include <functional>
#include <thread>

#include "app/resource.h"
#include "tests/behaviour/behaviour_fixture.h"
#include "tests/support/real_input.h"

using namespace drive;

namespace {

using WarningTest = BehaviourTest;

// The focus in the source box, which holds text the user just typed.
void TypeIntoSourceBox(const std::wstring& text) {
    SetText(IDC_FROM_BASE, L"");
    Enter(IDC_FROM_BASE, text);
}

// Each attempt to leave a rejected box warns once and the box keeps the
// focus, whichever control the press went to, also when the press is dragged
// back and released over the box (the release of a press that began
// elsewhere is no click into the box), and a click into the box itself. The
// box keeps its text all along; once it holds a base, leaving says nothing.
TEST_F(WarningTest, EachAttemptToLeaveWarnsOnceAndKeepsTheFocus) {
    TypeIntoSourceBox(L"1");
    for (const ControlId target : {IDC_CONVERT, IDC_ARROW_GO, IDC_CLEAR, IDC_16_TO_8, IDC_CUSTOM, IDC_INPUT,
                                   IDC_OUTPUT, IDC_TO_BASE, IDC_FROM_BASE}) {
        for (const ControlId release : {target, IDC_FROM_BASE}) {
            EXPECT_EQ(WarningsFrom([&] {
                          Press(target);
                          Release(release);
                      }),
                      1)
                << "leaving for " << target << ", released over " << release;
            EXPECT_EQ(Focused(), IDC_FROM_BASE) << "leaving for " << target;
            EXPECT_EQ(TextOf(IDC_FROM_BASE), L"1");
        }
    }
    EXPECT_EQ(BoxCount(), 18u);
    SetText(IDC_FROM_BASE, L"4");
    EXPECT_EQ(WarningsFrom([] { Click(IDC_INPUT); }), 0);
    EXPECT_TRUE(UsesPair(4, 8));  // the click on "16 => 8" completed, then the custom radio's
}

// Opening the About box while the source box holds 1 used to warn three
// times: the box took the focus back from the opening About box.
TEST_F(WarningTest, OpeningTheAboutBoxWarnsOnce) {
    TypeIntoSourceBox(L"1");
    SendMessageW(window, WM_COMMAND, IDM_ABOUT, 0);  // returns once the About box is closed
    EXPECT_EQ(WarningsSince(0), 1);
    EXPECT_EQ(BoxCount(), 2u);  // the warning and the About box
    EXPECT_FALSE(IsWindow(watcher.Seen().back().window));
    EXPECT_TRUE(IsWindowEnabled(window));
    EXPECT_EQ(Focused(), IDC_INPUT);

    // Still rejected: clicking into the box warns again.
    EXPECT_EQ(WarningsFrom([] { Click(IDC_FROM_BASE); }), 1);
    EXPECT_EQ(Focused(), IDC_FROM_BASE);
}

// 1 in the source box, 99 typed into the target box, then a click into the
// source box: the two boxes used to take the focus from each other, warning
// after warning, until the stack overflowed.
TEST_F(WarningTest, TwoRejectedBoxesDoNotFightOverTheFocus) {
    SetText(IDC_FROM_BASE, L"1");
    Enter(IDC_TO_BASE, L"99");
    EXPECT_EQ(WarningsFrom([] { Click(IDC_FROM_BASE); }), 1);
    EXPECT_EQ(Focused(), IDC_TO_BASE);
    EXPECT_TRUE(WholeTextSelected(IDC_TO_BASE));

    // Usable: the target box is mended, then the source box in turn.
    SetText(IDC_TO_BASE, L"7");
    EXPECT_EQ(WarningsFrom([] { Click(IDC_FROM_BASE); }), 1);  // a click into the rejected source box
    EXPECT_EQ(Focused(), IDC_FROM_BASE);
    SetText(IDC_FROM_BASE, L"5");
    EXPECT_EQ(WarningsFrom([] { Click(IDC_INPUT); }), 0);
    EXPECT_TRUE(UsesPair(5, 7));
}

// A window of another program, run by a thread of its own.
class OtherProgramWindow {
public:
    OtherProgramWindow() {
        thread = std::thread([this] {
            WNDCLASSW windowClass{};
            windowClass.lpfnWndProc = DefWindowProcW;
            windowClass.hInstance = GetModuleHandleW(nullptr);
            windowClass.lpszClassName = L"OtherProgram";
            RegisterClassW(&windowClass);
            threadId = GetCurrentThreadId();
            window = CreateWindowExW(0, L"OtherProgram", L"other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 600, 300,
                                     300, 300, nullptr, nullptr, windowClass.hInstance, nullptr);
            ready = true;
            MSG message;
            while (!done && GetMessageW(&message, nullptr, 0, 0) > 0) {
                DispatchMessageW(&message);
            }
            DestroyWindow(window);
            finished = true;
        });
        testsupport::PumpUntil([this] { return ready.load(); }, 5000);
    }
    ~OtherProgramWindow() {
        done = true;
        PostThreadMessageW(threadId, WM_NULL, 0, 0);
        // Destroying that window may activate ours, which needs this thread.
        testsupport::PumpUntil([this] { return finished.load(); }, 5000);
        thread.join();
    }
    std::atomic<bool> ready{false}, done{false}, finished{false};
    HWND window = nullptr;
    DWORD threadId = 0;
    std::thread thread;
};

TEST_F(WarningTest, SwitchingToAnotherProgramWarnsOnceAndLetsGo) {
    OtherProgramWindow other;
    ASSERT_NE(other.window, nullptr);
    SetForegroundWindow(window);
    testsupport::PumpUntil([&] { return GetForegroundWindow() == window; }, 2000);
    TypeIntoSourceBox(L"0");

    testsupport::ClickAt(testsupport::CentreOf(other.window));
    testsupport::PumpMessages(700);
    EXPECT_EQ(WarningsSince(0), 1);
    EXPECT_NE(Focused(), IDC_FROM_BASE);

    // Back in the program: nothing more, and the focus is in the input box.
    RECT frame{};
    GetWindowRect(window, &frame);
    testsupport::ClickAt(POINT{frame.left + 60, frame.top + 10});  // the caption
    testsupport::PumpUntil([&] { return GetForegroundWindow() == window; }, 2000);
    testsupport::PumpMessages(300);
    EXPECT_EQ(WarningsSince(0), 1);
    EXPECT_EQ(Focused(), IDC_INPUT);

    EXPECT_EQ(WarningsFrom([] { Click(IDC_FROM_BASE); }), 1);
}

// With a rejected base in the focused box, closing the window shows nothing.
class ClosingTest : public BehaviourTest {
protected:
    void CloseWith(const std::function<void()>& close) {
        TypeIntoSourceBox(L"1");
        SetText(IDC_TO_BASE, L"99");
        const size_t mark = BoxCount();
        close();
        testsupport::PumpUntil([&] { return !IsWindow(window); }, 3000);
        EXPECT_FALSE(IsWindow(window));
        EXPECT_EQ(BoxCount(), mark);
        EXPECT_TRUE(testsupport::TakeQuitMessage());
    }
};

TEST_F(ClosingTest, TheCloseMessage) {
    CloseWith([&] { SendMessageW(window, WM_CLOSE, 0, 0); });
}

TEST_F(ClosingTest, TheSystemMenusClose) {
    CloseWith([&] { SendMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0); });
}

// Nor does a window destroyed without being asked to close first.
TEST_F(ClosingTest, DestroyingTheWindow) {
    CloseWith([&] { DestroyWindow(window); });
}

TEST_F(ClosingTest, AltF4) {
    SetForegroundWindow(window);
    CloseWith([] { testsupport::PressKeys({VK_MENU, VK_F4}); });
}

}  // namespace
