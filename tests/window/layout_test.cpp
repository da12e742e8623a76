// The main window's 28 children as the platform sees them, what the
// factories recorded, and the factories' own rules. One process per test.

#include <gtest/gtest.h>

#include <vector>

#include "tests/support/dialog_watcher.h"
#include "tests/support/gui_session.h"
#include "tests/support/window_tables.h"
#include "ui/control_registry.h"

using namespace testsupport;

namespace {

// A child window as the program asked for it.
struct Created {
    std::wstring className;
    bool hasText;
    std::wstring text;
    DWORD style;
    int x, y, width, height;
    UINT_PTR childId;
    HWND window;
};

bool operator==(const Created& a, const Created& b) {
    return a.className == b.className && a.hasText == b.hasText && a.text == b.text && a.style == b.style &&
           a.x == b.x && a.y == b.y && a.width == b.width && a.height == b.height && a.childId == b.childId;
}

std::ostream& operator<<(std::ostream& out, const Created& c) {
    return out << "{style 0x" << std::hex << c.style << std::dec << " at " << c.x << "," << c.y << " size "
               << c.width << "x" << c.height << " id " << c.childId << (c.hasText ? "" : " no text") << "}";
}

// The creation requests of child windows, recorded as they are made: the
// platform changes some styles afterwards (an edit box trades WS_BORDER for
// its own frame, a checked radio gains WS_TABSTOP), so the styles the
// program chose are only visible here.
std::vector<Created> CreatedChildren;

LRESULT CALLBACK RecordCreation(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND) {
        const CREATESTRUCTW* cs = reinterpret_cast<CBT_CREATEWNDW*>(lParam)->lpcs;
        if (cs->style & WS_CHILD) {
            const HWND window = reinterpret_cast<HWND>(wParam);
            CreatedChildren.push_back({ClassNameOf(window), cs->lpszName != nullptr,
                                       cs->lpszName != nullptr ? cs->lpszName : L"", static_cast<DWORD>(cs->style),
                                       cs->x, cs->y, cs->cx, cs->cy, reinterpret_cast<UINT_PTR>(cs->hMenu), window});
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

std::vector<Created> ExpectedChildren() {
    constexpr DWORD input = 0x50800082, result = 0x50800882, base = 0x50802002, radio = 0x50000309,
                    push = 0x50800000, group = 0x50000007, label = 0x50000001, bar = 0x50800000;
    return {
        {L"msctls_statusbar32", false, L"", bar, -100, -100, 10, 10, 0, nullptr},
        {L"Edit", false, L"", input, 20, 20, 115, 25, 202, nullptr},
        {L"Button", true, L"=>", push, 155, 20, 40, 25, 203, nullptr},
        {L"Edit", false, L"", result, 215, 20, 115, 25, 204, nullptr},
        {L"Button", false, L"", group, 20, 65, 90, 70, 0, nullptr},
        {L"Button", true, L"10 => 2", radio, 20, 65, 90, 25, 205, nullptr},
        {L"Button", true, L"2 => 10", radio, 20, 110, 90, 25, 206, nullptr},
        {L"Button", false, L"", group, 130, 65, 90, 70, 0, nullptr},
        {L"Button", true, L"10 => 8", radio, 130, 65, 90, 25, 207, nullptr},
        {L"Button", true, L"8 => 10", radio, 130, 110, 90, 25, 208, nullptr},
        {L"Button", false, L"", group, 240, 65, 90, 70, 0, nullptr},
        {L"Button", true, L"10 => 16", radio, 240, 65, 90, 25, 209, nullptr},
        {L"Button", true, L"16 => 10", radio, 240, 110, 90, 25, 210, nullptr},
        {L"Button", false, L"", group, 20, 155, 90, 70, 0, nullptr},
        {L"Button", true, L"2 => 8", radio, 20, 155, 90, 25, 211, nullptr},
        {L"Button", true, L"8 => 2", radio, 20, 200, 90, 25, 212, nullptr},
        {L"Button", false, L"", group, 130, 155, 90, 70, 0, nullptr},
        {L"Button", true, L"2 => 16", radio, 130, 155, 90, 25, 213, nullptr},
        {L"Button", true, L"16 => 2", radio, 130, 200, 90, 25, 214, nullptr},
        {L"Button", false, L"", group, 240, 155, 90, 70, 0, nullptr},
        {L"Button", true, L"8 => 16", radio, 240, 155, 90, 25, 215, nullptr},
        {L"Button", true, L"16 => 8", radio, 240, 200, 90, 25, 216, nullptr},
        {L"Button", false, L"", radio, 20, 245, 25, 25, 217, nullptr},
        {L"Edit", false, L"", base, 45, 245, 50, 25, 218, nullptr},
        {L"Static", true, L"=>", label, 95, 245, 25, 25, 0, nullptr},
        {L"Edit", false, L"", base, 120, 245, 50, 25, 219, nullptr},
        {L"Button", true, L"清 空", push, 190, 245, 60, 25, 220, nullptr},
        {L"Button", true, L"转 换", push, 270, 245, 60, 25, 221, nullptr},
    };
}

std::vector<HWND> ChildrenInOrder(HWND parent) {
    std::vector<HWND> children;
    for (HWND c = GetWindow(parent, GW_CHILD); c != nullptr; c = GetWindow(c, GW_HWNDNEXT)) {
        children.push_back(c);
    }
    return children;
}

RECT ClientRectOf(HWND child) {
    RECT r{};
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

class LayoutTest : public ::testing::Test {
protected:
    void SetUp() override {
        const HHOOK hook = SetWindowsHookExW(WH_CBT, RecordCreation, nullptr, GetCurrentThreadId());
        window = StartMainWindow();
        UnhookWindowsHookEx(hook);
        ASSERT_NE(window, nullptr);
    }
    HWND window = nullptr;
};

TEST_F(LayoutTest, ChildrenAreCreatedInTableOrderAsDesigned) {
    const std::vector<Created> expected = ExpectedChildren();
    ASSERT_EQ(CreatedChildren.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(CreatedChildren[i], expected[i]) << "child " << i + 1;
        EXPECT_EQ(GetParent(CreatedChildren[i].window), window);
    }
}

// What the platform shows of them: order, class, text, place, id and map entry.
TEST_F(LayoutTest, ChildrenStandWhereTheyWereAsked) {
    const std::vector<HWND> children = ChildrenInOrder(window);
    const std::vector<Created> expected = ExpectedChildren();
    ASSERT_EQ(children.size(), expected.size());
    for (std::size_t i = 1; i < expected.size(); ++i) {
        const Created& e = expected[i];
        const HWND c = children[i];
        SCOPED_TRACE(testing::Message() << "child " << i + 1);
        EXPECT_EQ(ClassNameOf(c), e.className);
        EXPECT_EQ(WindowText(c), e.text);
        EXPECT_EQ(GetDlgCtrlID(c), static_cast<int>(e.childId));
        const RECT r = ClientRectOf(c);
        EXPECT_EQ(r.left, e.x);
        EXPECT_EQ(r.top, e.y);
        EXPECT_EQ(r.right - r.left, e.width);
        EXPECT_EQ(r.bottom - r.top, e.height);
        EXPECT_EQ(static_cast<DWORD>(GetWindowLongPtrW(c, GWL_STYLE)) & (WS_GROUP | WS_DISABLED), 0u);
        if (e.childId != 0) {
            EXPECT_EQ(FindControl(static_cast<ControlId>(e.childId)), c);
        }
    }
    // The status bar placed itself along the bottom edge, full width, empty.
    const HWND bar = children[0];
    EXPECT_EQ(FindControl(IDC_STATUSBAR), bar);
    EXPECT_EQ(ClassNameOf(bar), L"msctls_statusbar32");
    EXPECT_EQ(WindowText(bar), L"");
    RECT client{};
    GetClientRect(window, &client);
    const RECT barRect = ClientRectOf(bar);
    EXPECT_EQ(barRect.bottom, client.bottom);
    EXPECT_EQ(barRect.right - barRect.left, client.right);
    EXPECT_LT(barRect.top, client.bottom);
    EXPECT_GE(barRect.top, 270) << "below the bottom row";
}

TEST_F(LayoutTest, MapsHoldEveryControlAndItsHint) {
    EXPECT_EQ(ControlMap.size(), 21u);
    EXPECT_EQ(HintMap.size(), 20u);
    EXPECT_EQ(HintMap.count(IDC_STATUSBAR), 0u) << "the status bar has no hint";
    for (const ControlHint& h : kControlHints) {
        const auto id = static_cast<ControlId>(h.control);
        ASSERT_NE(FindHint(id), nullptr) << id;
        EXPECT_STREQ(FindHint(id), h.hint) << id;
    }
    ASSERT_EQ(HintMap.count(IDC_CUSTOM), 1u);
    EXPECT_EQ(FindHint(IDC_CUSTOM), nullptr) << "the untitled radio has a null hint";
}

// Each recorded previous procedure is what the control's class gives, and
// the control runs another one now. The untitled radio is never subclassed.
TEST_F(LayoutTest, SubclassedControlsRecordTheirClassProcedure) {
    EXPECT_EQ(PreviousProcMap.size(), 19u);
    EXPECT_EQ(PreviousProcMap.count(IDC_CUSTOM), 0u);
    EXPECT_EQ(PreviousProcMap.count(IDC_STATUSBAR), 0u);
    EXPECT_EQ(GetWindowLongPtrW(FindControl(IDC_CUSTOM), GWLP_WNDPROC),
              static_cast<LONG_PTR>(GetClassLongPtrW(FindControl(IDC_CUSTOM), GCLP_WNDPROC)));
    for (const auto& [id, previous] : PreviousProcMap) {
        const HWND control = FindControl(id);
        EXPECT_EQ(reinterpret_cast<ULONG_PTR>(previous), GetClassLongPtrW(control, GCLP_WNDPROC)) << id;
        EXPECT_NE(GetWindowLongPtrW(control, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(previous)) << id;
    }
}

TEST_F(LayoutTest, OnlyThePushButtonsUseTheUiFont) {
    for (const HWND child : ChildrenInOrder(window)) {
        const int id = GetDlgCtrlID(child);
        const bool pushButton = id == IDC_ARROW_GO || id == IDC_CLEAR || id == IDC_CONVERT;
        const HFONT font = reinterpret_cast<HFONT>(SendMessageW(child, WM_GETFONT, 0, 0));
        EXPECT_EQ(font == UiFont, pushButton) << "child id " << id;
    }
    LOGFONTW logFont{};
    ASSERT_NE(GetObjectW(UiFont, sizeof(logFont), &logFont), 0);
    EXPECT_EQ(logFont.lfHeight, 14);
    EXPECT_EQ(logFont.lfWidth, 7);
    EXPECT_EQ(logFont.lfWeight, FW_NORMAL);
    EXPECT_EQ(logFont.lfCharSet, GB2312_CHARSET);
    EXPECT_STREQ(logFont.lfFaceName, L"宋体");
}

// All thirteen radio buttons are one group, across the group boxes.
TEST_F(LayoutTest, CheckingAnyRadioClearsTheOtherTwelve) {
    std::vector<ControlId> radios = {IDC_CUSTOM};
    for (const FixedPair& pair : kFixedPairs) {
        radios.push_back(static_cast<ControlId>(pair.radio));
    }
    for (const ControlId clicked : radios) {
        SendMessageW(FindControl(clicked), BM_CLICK, 0, 0);
        for (const ControlId other : radios) {
            EXPECT_EQ(SendMessageW(FindControl(other), BM_GETCHECK, 0, 0) == BST_CHECKED, other == clicked)
                << "clicked " << clicked << ", looking at " << other;
        }
    }
}

TEST_F(LayoutTest, BaseBoxesRefuseLettersAndTheResultBoxTyping) {
    DialogWatcher watcher;  // no box is expected; should one come, it must not hang the test
    for (const ControlId id : {IDC_FROM_BASE, IDC_TO_BASE}) {
        const HWND box = FindControl(id);
        SetFocus(box);
        for (const wchar_t c : {L'3', L'a', L'Z', L'-', L'6'}) {
            SendMessageW(box, WM_CHAR, c, 1);
        }
        EXPECT_EQ(WindowText(box), L"36") << id;
        // Digits go in until the box is full; its text limit only cuts a
        // paste short and never stops typing first.
        for (int i = 0; i < 40; ++i) {
            SendMessageW(box, WM_CHAR, L'1', 1);
        }
        const size_t kept = WindowText(box).size();
        EXPECT_GT(kept, 2u) << id;
        EXPECT_LT(kept, static_cast<size_t>(SendMessageW(box, EM_GETLIMITTEXT, 0, 0))) << id;
        SetWindowTextW(box, nullptr);
    }
    const HWND result = FindControl(IDC_OUTPUT);
    SetFocus(result);
    SendMessageW(result, WM_CHAR, L'7', 1);
    EXPECT_EQ(WindowText(result), L"");
    PumpMessages(50);
    EXPECT_TRUE(watcher.Seen().empty());
}

// The factories on a parent of the test's own: recording order, subclassing
// and the font, with and without a procedure.
HFONT SeenFont = nullptr;
WNDPROC ButtonClassProc = nullptr;

LRESULT CALLBACK RecordingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SETFONT) {
        SeenFont = reinterpret_cast<HFONT>(wParam);
    }
    return CallWindowProcW(ButtonClassProc, window, message, wParam, lParam);
}

TEST(ControlFactories, RecordSubclassAndFontOnlyWhereDue) {
    AppInstance = GetModuleHandleW(nullptr);
    MainWindow = CreateWindowExW(0, L"Static", L"parent", WS_OVERLAPPEDWINDOW, 0, 0, 400, 300, nullptr, nullptr,
                                 AppInstance, nullptr);
    ASSERT_NE(MainWindow, nullptr);
    UiFont = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    WNDCLASSW button{};
    ASSERT_TRUE(GetClassInfoW(nullptr, L"Button", &button));
    ButtonClassProc = button.lpfnWndProc;

    AddPushButton(IDC_CONVERT, L"转 换", L"first", 1, 2, 30, 20, RecordingProc);
    const HWND convert = FindControl(IDC_CONVERT);
    EXPECT_EQ(GetDlgCtrlID(convert), IDC_CONVERT);
    EXPECT_EQ(SeenFont, UiFont) << "the font passes through the subclass procedure";
    EXPECT_EQ(FindPreviousProc(IDC_CONVERT), ButtonClassProc);
    EXPECT_EQ(GetWindowLongPtrW(convert, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(RecordingProc));

    AddPushButton(IDC_CLEAR, L"清 空", nullptr, 1, 30, 30, 20, nullptr);
    const HWND clear = FindControl(IDC_CLEAR);
    EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageW(clear, WM_GETFONT, 0, 0)), UiFont) << "font without a procedure";
    EXPECT_EQ(PreviousProcMap.count(IDC_CLEAR), 0u);
    EXPECT_EQ(HintMap.count(IDC_CLEAR), 1u);

    AddRadioButton(IDC_CUSTOM, nullptr, nullptr, 1, 60, 30, 20, nullptr);
    AddEditBox(IDC_INPUT, WS_CHILD | WS_VISIBLE, L"edit", 1, 90, 30, 20, nullptr);
    EXPECT_NE(reinterpret_cast<HFONT>(SendMessageW(FindControl(IDC_CUSTOM), WM_GETFONT, 0, 0)), UiFont);
    EXPECT_NE(reinterpret_cast<HFONT>(SendMessageW(FindControl(IDC_INPUT), WM_GETFONT, 0, 0)), UiFont);

    // The same identifier again: a second window appears, the maps keep the first.
    AddPushButton(IDC_CONVERT, L"again", L"second", 40, 2, 30, 20, nullptr);
    EXPECT_EQ(FindControl(IDC_CONVERT), convert);
    EXPECT_STREQ(FindHint(IDC_CONVERT), L"first");
    EXPECT_EQ(FindPreviousProc(IDC_CONVERT), ButtonClassProc);

    AddGroupBox(1, 120, 50, 50);
    AddStatusBar();
    EXPECT_EQ(ControlMap.size(), 5u) << "the group box is not recorded";
    EXPECT_EQ(HintMap.count(IDC_STATUSBAR), 0u);
    DestroyWindow(MainWindow);
}

}  // namespace
