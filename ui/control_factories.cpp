#include "ui/control_factories.h"

#include <commctrl.h>

#include "ui/ui_globals.h"

namespace {

constexpr DWORD kStatusBarStyle = WS_CHILD | WS_VISIBLE | WS_BORDER;                      // 0x50800000
constexpr DWORD kRadioStyle = WS_CHILD | WS_VISIBLE | BS_CENTER | BS_AUTORADIOBUTTON;    // 0x50000309
constexpr DWORD kPushButtonStyle = WS_CHILD | WS_VISIBLE | WS_BORDER | BS_PUSHBUTTON;    // 0x50800000
constexpr DWORD kGroupBoxStyle = WS_CHILD | WS_VISIBLE | BS_GROUPBOX;                    // 0x50000007

HWND CreateChild(const wchar_t* className, const wchar_t* text, DWORD style, int x, int y, int width,
                 int height, ControlId childId) {
    return CreateWindowExW(0, className, text, style, x, y, width, height, MainWindow,
                           reinterpret_cast<HMENU>(static_cast<UINT_PTR>(childId)), AppInstance, nullptr);
}

// The steps every identified control goes through: handle, hint, then the
// subclass procedure with the procedure it replaces. The results of the
// platform calls are recorded as they come, null included.
void RecordAndSubclass(ControlId id, HWND window, const wchar_t* hint, WNDPROC subclass) {
    RecordControl(id, window);
    RecordHint(id, hint);
    if (subclass != nullptr) {
        const LONG_PTR previous =
            SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(subclass));
        RecordPreviousProc(id, reinterpret_cast<WNDPROC>(previous));
    }
}

}  // namespace

void AddStatusBar() {
    // The bar lays itself out along the parent's bottom edge: this rectangle is never seen.
    RecordControl(IDC_STATUSBAR, CreateChild(STATUSCLASSNAMEW, nullptr, kStatusBarStyle, -100, -100, 10, 10, 0));
}

void AddEditBox(ControlId id, DWORD style, const wchar_t* hint, int x, int y, int width, int height,
                WNDPROC subclass) {
    RecordAndSubclass(id, CreateChild(L"Edit", nullptr, style, x, y, width, height, id), hint, subclass);
}

void AddRadioButton(ControlId id, const wchar_t* caption, const wchar_t* hint, int x, int y, int width,
                    int height, WNDPROC subclass) {
    RecordAndSubclass(id, CreateChild(L"Button", caption, kRadioStyle, x, y, width, height, id), hint, subclass);
}

void AddPushButton(ControlId id, const wchar_t* caption, const wchar_t* hint, int x, int y, int width,
                   int height, WNDPROC subclass) {
    const HWND button = CreateChild(L"Button", caption, kPushButtonStyle, x, y, width, height, id);
    RecordAndSubclass(id, button, hint, subclass);
    // After subclassing, so a subclassed button sees the font go by.
    SendMessageW(button, WM_SETFONT, reinterpret_cast<WPARAM>(UiFont), TRUE);
}

void AddGroupBox(int x, int y, int width, int height) {
    CreateChild(L"Button", nullptr, kGroupBoxStyle, x, y, width, height, 0);
}
