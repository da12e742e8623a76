// The built Quendrix.exe as a process of its own, driven from this one with
// real input: the shipped executable itself converts, warns, stands whole at
// the screen's scale, and ends with exit code 0 every way it can end.

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "tests/support/app_process.h"
#include "tests/support/gui_session.h"
#include "tests/support/real_input.h"
#include "tests/support/window_tables.h"

using namespace testsupport;

namespace {

// The fixed identifiers of the controls this test touches.
constexpr int kInput = 202, kOutput = 204, k16To10 = 210, kFromBase = 218, kConvert = 221;
constexpr WPARAM kAbout = 123;
constexpr DWORD kExitWaitMs = 15000;

std::wstring Program() {
    return WindowsPathOf(QUENDRIX_EXE);
}

struct AppBox {
    HWND window;
    std::wstring caption, text;
};

// The dialog boxes the program's thread has open now.
std::vector<AppBox> OpenBoxes(DWORD appThread) {
    std::vector<AppBox> boxes;
    for (const HWND box : OpenDialogs(appThread)) {
        const HWND text = GetDlgItem(box, 0xFFFF);
        boxes.push_back({box, WindowText(box), text ? WindowText(text) : L""});
    }
    return boxes;
}

class EndToEndTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(app.Start(Program()));
        appThread = GetWindowThreadProcessId(app.Window(), nullptr);
        SetForegroundWindow(app.Window());
        ASSERT_TRUE(PumpUntil([&] { return GetForegroundWindow() == app.Window(); }, 3000));
        DWORD_PTR ignored = 0;  // the program's thread has handled everything sent so far
        ASSERT_TRUE(SendMessageTimeoutW(app.Window(), WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, &ignored));
    }

    HWND Child(int id) const { return GetDlgItem(app.Window(), id); }
    std::wstring Text(int id) const { return WindowText(Child(id)); }
    void SetText(int id, const wchar_t* text) const {
        DWORD_PTR ignored = 0;
        SendMessageTimeoutW(Child(id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 2000,
                            &ignored);
    }

    bool Checked(int id) const {
        DWORD_PTR state = 0;
        SendMessageTimeoutW(Child(id), BM_GETCHECK, 0, 0, SMTO_ABORTIFHUNG, 2000, &state);
        return state == BST_CHECKED;
    }

    void ClickOn(int id) const { ClickAt(CentreOf(Child(id))); }

    // Whether the program has taken everything sent to it so far and shows
    // no dialog: it paints only when no other input waits, so a repaint asked
    // for now marks the point.
    bool Quiet() const {
        InvalidateRect(app.Window(), nullptr, FALSE);
        return PumpUntil([&] { return !GetUpdateRect(app.Window(), nullptr, FALSE); }, 3000) &&
               OpenDialogs(appThread, false).empty();
    }

    // Closes the program's boxes as they come (message boxes with OK, any
    // other dialog with its close request) until `expected` boxes have come
    // and the program is quiet twice in a row, so that a box a closed one
    // brings on is counted too. Bounded.
    std::vector<AppBox> CollectBoxes(std::size_t expected) {
        std::vector<AppBox> seen;
        int quiet = 0;
        PumpUntil(
            [&] {
                for (const AppBox& box : OpenBoxes(appThread)) {
                    bool known = false;
                    for (const AppBox& s : seen) known = known || s.window == box.window;
                    if (!known) {
                        seen.push_back(box);
                        PostMessageW(box.window, box.text.empty() ? WM_CLOSE : WM_COMMAND, IDOK, 0);
                    }
                }
                quiet = seen.size() >= expected && Quiet() ? quiet + 1 : 0;
                return quiet >= 2;
            },
            10000);
        return seen;
    }

    int Warnings(const std::vector<AppBox>& boxes) const {
        int count = 0;
        for (const AppBox& box : boxes) {
            if (box.caption == L"警告") {
                EXPECT_EQ(box.text, L"允许输入范围：2 - 36");
                ++count;
            }
        }
        return count;
    }

    AppProcess app;
    DWORD appThread = 0;
};

TEST_F(EndToEndTest, ConvertsByButtonAndByEnter) {
    SetText(kInput, L"ff");
    ClickOn(k16To10);
    ASSERT_TRUE(PumpUntil([&] { return Checked(k16To10); }, 3000));
    ClickOn(kConvert);
    EXPECT_TRUE(PumpUntil([&] { return Text(kOutput) == L"255"; }, 3000)) << "result: " << Text(kOutput).size();
    EXPECT_EQ(Text(kInput), L"ff");

    SetText(kInput, L"1f");
    ClickOn(kInput);
    PressKeys({VK_RETURN});
    EXPECT_TRUE(PumpUntil([&] { return Text(kOutput) == L"31"; }, 3000));

    SetText(kInput, L"1g");
    PressKeys({VK_RETURN});
    EXPECT_TRUE(PumpUntil([&] { return Text(kOutput) == L"输入有误！"; }, 3000));
    EXPECT_TRUE(CollectBoxes(0).empty());
}

TEST_F(EndToEndTest, ARejectedBaseWarnsOnceAndClosingSaysNothing) {
    SetText(kFromBase, L"1");
    ClickOn(kFromBase);  // a click into a rejected box warns
    std::vector<AppBox> boxes = CollectBoxes(1);
    EXPECT_EQ(Warnings(boxes), 1);
    EXPECT_EQ(boxes.size(), 1u);

    // The About box from the menu, opened while the box is rejected: one warning.
    app.Post(WM_COMMAND, kAbout);
    boxes = CollectBoxes(2);
    EXPECT_EQ(Warnings(boxes), 1);
    EXPECT_EQ(boxes.size(), 2u);

    // Again a rejected base with the focus in its box, then the close box.
    ClickOn(kFromBase);
    EXPECT_EQ(Warnings(CollectBoxes(1)), 1);
    app.Post(WM_CLOSE);
    std::vector<AppBox> late;
    const bool ended = PumpUntil(
        [&] {
            for (const AppBox& box : OpenBoxes(appThread)) {
                late.push_back(box);
                PostMessageW(box.window, WM_COMMAND, IDOK, 0);
            }
            return app.WaitForExit(0, nullptr);
        },
        10000);
    EXPECT_TRUE(ended);
    EXPECT_TRUE(late.empty());
}

// At the screen's DPI (tools/test.sh runs this at 96, 120, 144 and 192, and
// sets QUENDRIX_EXPECTED_DPI where it set one): every child stands at its
// 96-DPI place scaled, whole inside the client area and above the status bar,
// and a click on the scaled controls converts.
TEST_F(EndToEndTest, StandsWholeAtTheScreensScaleAndConverts) {
    SetProcessDPIAware();  // this process reads and clicks real pixels too
    const HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    if (const char* expected = std::getenv("QUENDRIX_EXPECTED_DPI")) {
        ASSERT_EQ(dpi, std::atoi(expected)) << "the prefix's DPI";
    }
    const std::vector<HWND> children = ChildrenInOrder(app.Window());
    ASSERT_EQ(children.size(), std::size(kChildren));
    RECT client{};
    GetClientRect(app.Window(), &client);
    const RECT bar = PlaceInParent(children[0]);  // the status bar, along the bottom edge
    EXPECT_EQ(bar.bottom, client.bottom);
    for (std::size_t i = 1; i < std::size(kChildren); ++i) {
        const testsupport::Child& place = kChildren[i];
        const RECT r = PlaceInParent(children[i]);
        SCOPED_TRACE(testing::Message() << "child " << i + 1 << " at " << dpi << " DPI");
        EXPECT_NEAR(r.left, MulDiv(place.x, dpi, 96), 2);
        EXPECT_NEAR(r.top, MulDiv(place.y, dpi, 96), 2);
        EXPECT_NEAR(r.right - r.left, MulDiv(place.width, dpi, 96), 2);
        EXPECT_NEAR(r.bottom - r.top, MulDiv(place.height, dpi, 96), 2);
        EXPECT_GE(r.left, 0);
        EXPECT_GE(r.top, 0);
        EXPECT_LE(r.right, client.right);
        EXPECT_LE(r.bottom, bar.top) << "above the status bar";
    }

    SetText(kInput, L"ff");
    ClickOn(k16To10);
    ASSERT_TRUE(PumpUntil([&] { return Checked(k16To10); }, 3000));
    ClickOn(kConvert);
    EXPECT_TRUE(PumpUntil([&] { return Text(kOutput) == L"255"; }, 3000));
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
