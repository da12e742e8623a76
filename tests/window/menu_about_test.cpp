// The menu bar and the About box, driven through the real window.

#include <gtest/gtest.h>

#include "app/resource.h"
#include "tests/support/dialog_watcher.h"
#include "tests/support/gui_session.h"
#include "tests/support/main_window_fixture.h"

using namespace testsupport;

namespace {

struct MenuItem {
    std::wstring text;
    UINT id;
    bool separator;
    bool operator==(const MenuItem& o) const { return text == o.text && id == o.id && separator == o.separator; }
};

std::ostream& operator<<(std::ostream& out, const MenuItem& item) {
    return out << "{id " << item.id << (item.separator ? ", separator" : "") << "}";
}

// The items of a popup as the platform reports them; no command may be
// greyed, disabled or checked.
std::vector<MenuItem> ItemsOf(HMENU menu) {
    std::vector<MenuItem> items;
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        wchar_t text[128] = {};
        MENUITEMINFOW info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STATE | MIIM_STRING;
        info.dwTypeData = text;
        info.cch = 128;
        GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &info);
        const bool separator = (info.fType & MFT_SEPARATOR) != 0;
        if (!separator) {  // the platform reports separators as greyed
            EXPECT_EQ(info.fState & (MFS_DISABLED | MFS_CHECKED), 0u) << "item " << i;
        }
        items.push_back({text, info.wID, separator});
    }
    return items;
}

using MenuAboutTest = MainWindowFixture;

std::vector<std::wstring> SplitLines(const std::wstring& text) {
    std::vector<std::wstring> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find(L"\r\n", start)) != std::wstring::npos; start = end + 2) {
        lines.push_back(text.substr(start, end - start));
    }
    lines.push_back(text.substr(start));
    return lines;
}

bool StartsWith(const std::wstring& text, const std::wstring& prefix) {
    return text.compare(0, prefix.size(), prefix) == 0;
}

// The About text: 15 lines with CR LF between them and none after the last,
// labels with full-width colons, the address the Help menu opens.
void ExpectAboutText(const std::wstring& text) {
    ASSERT_GE(text.size(), 2u);
    EXPECT_NE(text.substr(text.size() - 2), L"\r\n") << "no line break after the last line";
    const std::vector<std::wstring> lines = SplitLines(text);
    ASSERT_EQ(lines.size(), 15u);
    EXPECT_EQ(lines[0], L"版本：1.3");
    EXPECT_EQ(lines[2], L"发布日期：2010-09-16");
    EXPECT_TRUE(StartsWith(lines[4], L"使用许可：") && lines[4].size() > 5);
    EXPECT_TRUE(StartsWith(lines[8], L"作者："));
    EXPECT_EQ(lines[8].substr(lines[8].size() - 8), L"(Tavrel)");
    EXPECT_TRUE(StartsWith(lines[10], L"QQ："));
    EXPECT_TRUE(StartsWith(lines[12], L"邮箱："));
    EXPECT_EQ(lines[14], L"MSN 空间：http://tavrel.example.org/space/");
    for (int empty : {1, 3, 5, 6, 7, 9, 11, 13}) {
        EXPECT_EQ(lines[empty], L"") << "line " << empty + 1;
    }
    for (const std::wstring& line : lines) {
        EXPECT_EQ(line.find_first_of(L"\r\n"), std::wstring::npos) << "a CR or LF outside a CR LF pair";
    }
}

TEST_F(MenuAboutTest, MenuBarHasFileAndHelpWithTheirItems) {
    const HMENU bar = GetMenu(window);
    ASSERT_EQ(GetMenuItemCount(bar), 2);
    wchar_t text[64] = {};
    GetMenuStringW(bar, 0, text, 64, MF_BYPOSITION);
    EXPECT_STREQ(text, L"文件(&F)");
    GetMenuStringW(bar, 1, text, 64, MF_BYPOSITION);
    EXPECT_STREQ(text, L"帮助(&H)");

    const std::vector<MenuItem> file = {{L"退出(&X)", IDM_EXIT, false}};
    EXPECT_EQ(ItemsOf(GetSubMenu(bar, 0)), file);
    const std::vector<MenuItem> help = {
        {L"检查更新(&U)", IDM_CHECK_UPDATE, false},
        {L"", 0, true},
        {L"访问作者 MSN 空间(&W)", IDM_VISIT_AUTHOR, false},
        {L"", 0, true},
        {L"关于(&A) Quendrix", IDM_ABOUT, false},
    };
    EXPECT_EQ(ItemsOf(GetSubMenu(bar, 1)), help);
}

// What the About box shows while it is open, collected from its modal loop.
struct AboutView {
    HWND dialog = nullptr;
    std::wstring caption, title, text, closeCaption;
    bool mainWindowDisabled = false;
    bool focusOnClose = false;
    bool iconShown = false;
    LRESULT lineCount = 0;   // as the text box wraps them
    int widestLine = 0;      // pixels
    int visibleWidth = 0;    // of the text box, inside the dialog's client area and the box's margins
    int visibleLines = 0;
};

// Widest line of the text in the text box's font.
int WidestLine(HWND box, const std::wstring& text) {
    const HDC dc = GetDC(box);
    const HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(box, WM_GETFONT, 0, 0)));
    int widest = 0;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = text.find(L"\r\n", start);
        const std::wstring line = text.substr(start, end == std::wstring::npos ? std::wstring::npos : end - start);
        SIZE size{};
        GetTextExtentPoint32W(dc, line.c_str(), static_cast<int>(line.size()), &size);
        widest = size.cx > widest ? size.cx : widest;
        if (end == std::wstring::npos) break;
        start = end + 2;
    }
    SelectObject(dc, old);
    ReleaseDC(box, dc);
    return widest;
}

AboutView ReadAbout(HWND dialog, HWND mainWindow) {
    AboutView view;
    view.dialog = dialog;
    view.caption = WindowText(dialog);
    view.title = WindowText(GetDlgItem(dialog, IDC_ABOUT_TITLE));
    view.text = WindowText(GetDlgItem(dialog, IDC_ABOUT_TEXT));
    view.closeCaption = WindowText(GetDlgItem(dialog, IDC_ABOUT_CLOSE));
    view.mainWindowDisabled = !IsWindowEnabled(mainWindow);
    view.focusOnClose = GetFocus() == GetDlgItem(dialog, IDC_ABOUT_CLOSE);
    view.iconShown = SendDlgItemMessageW(dialog, IDC_ABOUT_ICON, STM_GETICON, 0, 0) != 0;

    const HWND box = GetDlgItem(dialog, IDC_ABOUT_TEXT);
    view.lineCount = SendMessageW(box, EM_GETLINECOUNT, 0, 0);
    view.widestLine = WidestLine(box, view.text);
    RECT boxRect{}, dialogClient{}, format{};
    GetWindowRect(box, &boxRect);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&boxRect), 2);
    GetClientRect(dialog, &dialogClient);
    SendMessageW(box, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&format));  // text area inside the margins
    const LONG right = (boxRect.left + format.right < dialogClient.right) ? boxRect.left + format.right
                                                                           : dialogClient.right;
    view.visibleWidth = right - (boxRect.left + format.left);
    TEXTMETRICW metrics{};
    const HDC dc = GetDC(box);
    const HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(box, WM_GETFONT, 0, 0)));
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, old);
    ReleaseDC(box, dc);
    view.visibleLines = metrics.tmHeight > 0 ? (format.bottom - format.top) / metrics.tmHeight : 0;
    return view;
}

TEST_F(MenuAboutTest, AboutBoxIsModalAndShowsTheFifteenLines) {
    AboutView view;
    DialogWatcher watcher([&](HWND dialog) {
        view = ReadAbout(dialog, window);
        PostMessageW(dialog, WM_COMMAND, IDC_ABOUT_CLOSE, 0);
    });
    EXPECT_EQ(SendMessageW(window, WM_COMMAND, IDM_ABOUT, 0), 0);  // returns once the box is closed
    ASSERT_EQ(watcher.Seen().size(), 1u);
    EXPECT_FALSE(watcher.Seen()[0].endedByWatcher);
    EXPECT_FALSE(IsWindow(view.dialog));
    EXPECT_EQ(view.caption, L"");
    EXPECT_EQ(view.title, L"Quendrix");
    EXPECT_EQ(view.closeCaption, L"关 闭");
    ExpectAboutText(view.text);
    EXPECT_TRUE(view.mainWindowDisabled);
    EXPECT_TRUE(view.focusOnClose);
    EXPECT_TRUE(view.iconShown);
    EXPECT_TRUE(IsWindowEnabled(window));
    // Every line stays one line, wholly visible, and all 15 show.
    EXPECT_EQ(view.lineCount, 15);
    EXPECT_LE(view.widestLine, view.visibleWidth);
    EXPECT_GE(view.visibleLines, 15);
}

// Escape (IDCANCEL) is not handled and leaves the box open; the close
// button, Enter and the close box end it.
enum class Closer { CloseButtonClick, EnterKey, CloseBox };

TEST_F(MenuAboutTest, CancelLeavesItOpenAndEachCloserEndsIt) {
    for (const Closer closer : {Closer::CloseButtonClick, Closer::EnterKey, Closer::CloseBox}) {
        SCOPED_TRACE(static_cast<int>(closer));
        bool openAfterCancel = false;
        DialogWatcher watcher([&](HWND dialog) {
            SendMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
            openAfterCancel = IsWindowVisible(dialog) != FALSE;
            const HWND close = GetDlgItem(dialog, IDC_ABOUT_CLOSE);
            switch (closer) {
            case Closer::CloseButtonClick:
                PostMessageW(close, BM_CLICK, 0, 0);
                break;
            case Closer::EnterKey:
                PostMessageW(GetFocus(), WM_KEYDOWN, VK_RETURN, 1);
                break;
            case Closer::CloseBox:
                PostMessageW(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
                break;
            }
        });
        SendMessageW(window, WM_COMMAND, IDM_ABOUT, 0);
        ASSERT_EQ(watcher.Seen().size(), 1u);
        EXPECT_TRUE(openAfterCancel);
        EXPECT_FALSE(watcher.Seen()[0].endedByWatcher) << "the closer did not close the box";
        EXPECT_FALSE(IsWindow(watcher.Seen()[0].window));
    }
}

TEST_F(MenuAboutTest, AboutBoxOpensAgainWithTheSameText) {
    std::vector<std::wstring> texts;
    DialogWatcher watcher([&](HWND dialog) {
        texts.push_back(WindowText(GetDlgItem(dialog, IDC_ABOUT_TEXT)));
        PostMessageW(dialog, WM_CLOSE, 0, 0);
    });
    SendMessageW(window, WM_COMMAND, MAKEWPARAM(IDM_ABOUT, 0), 0);
    PostMessageW(window, WM_COMMAND, MAKEWPARAM(IDM_ABOUT, 1), 0);  // as an accelerator would
    PumpUntil([&] { return texts.size() == 2 && watcher.Seen().size() == 2 && !IsWindow(watcher.Seen()[1].window); });
    ASSERT_EQ(texts.size(), 2u);
    ExpectAboutText(texts[0]);
    EXPECT_EQ(texts[1], texts[0]);
}

}  // namespace
