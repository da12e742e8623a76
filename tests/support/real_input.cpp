#include "tests/support/real_input.h"

#include <cstdlib>
#include <cstring>
#include <vector>

#include "tests/support/gui_session.h"

namespace testsupport {

namespace {

constexpr DWORD kSettleMs = 30;

// A pointer move to the point, with the given button action there.
// Absolute coordinates run from 0 to 65535 across the screen.
INPUT MouseInput(POINT screen, DWORD action) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = (screen.x * 65536 + 32768) / GetSystemMetrics(SM_CXSCREEN);
    input.mi.dy = (screen.y * 65536 + 32768) / GetSystemMetrics(SM_CYSCREEN);
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | action;
    return input;
}

}  // namespace

void MovePointerTo(POINT screen) {
    INPUT input = MouseInput(screen, 0);
    SendInput(1, &input, sizeof(INPUT));
    PumpMessages(kSettleMs);
}

void MouseAt(POINT screen, std::initializer_list<DWORD> actions) {
    MovePointerTo(screen);
    std::vector<INPUT> inputs;
    for (const DWORD action : actions) {
        inputs.push_back(MouseInput(screen, action));
    }
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

void ClickAt(POINT screen) {
    // Two clicks on one spot within the double-click time are a double
    // click: the second press comes as WM_LBUTTONDBLCLK. A click is one.
    static ULONGLONG lastClick = 0;
    static POINT lastPoint{-1000, -1000};
    if (std::abs(screen.x - lastPoint.x) <= GetSystemMetrics(SM_CXDOUBLECLK) / 2 &&
        std::abs(screen.y - lastPoint.y) <= GetSystemMetrics(SM_CYDOUBLECLK) / 2) {
        const ULONGLONG due = lastClick + GetDoubleClickTime() + 1;
        const ULONGLONG now = GetTickCount64();
        if (now < due) {
            PumpMessages(static_cast<DWORD>(due - now));
        }
    }
    MovePointerTo(POINT{0, 0});
    // Press and release in one go: a press may start a modal loop on this
    // thread (a caption's move loop), which must find its release queued.
    MouseAt(screen, {MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP});
    lastClick = GetTickCount64();
    lastPoint = screen;
    PumpMessages(kSettleMs);
}

POINT CentreOf(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

void PressKeys(std::initializer_list<WORD> virtualKeys) {
    std::vector<INPUT> inputs;
    for (const WORD key : virtualKeys) {
        INPUT down{};
        down.type = INPUT_KEYBOARD;
        down.ki.wVk = key;
        inputs.push_back(down);
    }
    for (auto key = virtualKeys.end(); key != virtualKeys.begin();) {
        INPUT up{};
        up.type = INPUT_KEYBOARD;
        up.ki.wVk = *--key;
        up.ki.dwFlags = KEYEVENTF_KEYUP;
        inputs.push_back(up);
    }
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    PumpMessages(kSettleMs);
}

bool PutOnClipboard(const std::wstring& text) {
    if (!PumpUntil([] { return OpenClipboard(nullptr) != FALSE; }, 2000)) {
        return false;
    }
    EmptyClipboard();
    const std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
    const HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
    memcpy(GlobalLock(memory), text.c_str(), bytes);
    GlobalUnlock(memory);
    const bool put = SetClipboardData(CF_UNICODETEXT, memory) != nullptr;
    CloseClipboard();
    return put;
}

}  // namespace testsupport
