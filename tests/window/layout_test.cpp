// The main window's 28 children as a user's tools see them in the running
// window: one table of classes, captions, identifiers, styles and places, the
// fonts, and what the boxes take from the keyboard.

#include <gtest/gtest.h>

#include "tests/support/dialog_watcher.h"
#include "tests/support/gui_session.h"
#include "tests/support/main_window_fixture.h"
#include "tests/support/window_tables.h"

using namespace testsupport;

namespace {

// The style bits a control keeps as it was made: its kind and look. An edit
// box trades its border for a frame it draws itself, and the checked radio
// button gains a tab stop.
constexpr DWORD kKeptStyle = 0xFFFF | WS_CHILD | WS_VISIBLE | WS_DISABLED | WS_GROUP | WS_POPUP;

using LayoutTest = MainWindowFixture;

TEST_F(LayoutTest, ChildrenStandAsDesigned) {
    const std::vector<HWND> children = ChildrenInOrder(window);
    ASSERT_EQ(children.size(), std::size(kChildren));
    RECT client{};
    GetClientRect(window, &client);
    for (std::size_t i = 0; i < children.size(); ++i) {
        const Child& e = kChildren[i];
        const HWND c = children[i];
        SCOPED_TRACE(testing::Message() << "child " << i + 1);
        EXPECT_EQ(ClassNameOf(c), e.className);
        EXPECT_EQ(WindowText(c), e.caption != nullptr ? e.caption : L"");
        EXPECT_EQ(GetDlgCtrlID(c), e.id);
        EXPECT_EQ(static_cast<DWORD>(GetWindowLongPtrW(c, GWL_STYLE)) & kKeptStyle, e.style & kKeptStyle);
        const RECT r = PlaceInParent(c);
        if (i == 0) {  // the status bar, along the bottom edge below the bottom row
            EXPECT_EQ(r.bottom, client.bottom);
            EXPECT_EQ(r.right - r.left, client.right);
            EXPECT_GE(r.top, 270);
            continue;
        }
        EXPECT_EQ(r.left, e.x);
        EXPECT_EQ(r.top, e.y);
        EXPECT_EQ(r.right - r.left, e.width);
        EXPECT_EQ(r.bottom - r.top, e.height);
    }
}

// "=>", "清 空" and "转 换" draw in 宋体, 14 pixels; every other child keeps
// its control's own font.
TEST_F(LayoutTest, OnlyThePushButtonsUseTheUiFont) {
    for (const HWND child : ChildrenInOrder(window)) {
        const int id = GetDlgCtrlID(child);
        const bool pushButton = id == 203 || id == 220 || id == 221;
        LOGFONTW font{};
        const auto handle = reinterpret_cast<HFONT>(SendMessageW(child, WM_GETFONT, 0, 0));
        const bool songFace = handle != nullptr && GetObjectW(handle, sizeof(font), &font) != 0 &&
                              font.lfHeight == 14 && font.lfWidth == 7 && font.lfWeight == FW_NORMAL &&
                              font.lfCharSet == GB2312_CHARSET && std::wstring(font.lfFaceName) == L"宋体";
        EXPECT_EQ(songFace, pushButton) << "child id " << id;
    }
}

TEST_F(LayoutTest, BaseBoxesRefuseLettersAndTheResultBoxTyping) {
    DialogWatcher watcher;  // no box is expected; should one come, it must not hang the test
    for (const int id : {218, 219}) {
        const HWND box = GetDlgItem(window, id);
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
    const HWND result = GetDlgItem(window, 204);
    SetFocus(result);
    SendMessageW(result, WM_CHAR, L'7', 1);
    EXPECT_EQ(WindowText(result), L"");
    PumpMessages(50);
    EXPECT_TRUE(watcher.Seen().empty());
}

}  // namespace
