#include "tests/support/real_input.h"

#include <cstring>
#include <vector>

#include "tests/support/gui_session.h"

namespace testsupport {

namespace {

constexpr DWORD kSettleMs = 30;

INPUT MouseInput(DWORD action) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = action;
    return input;
}

}  // namespace

void MovePointerTo(POINT screen) {
    // Absolute coordinates run from 0 to 65535 across the screen.
    INPUT input = MouseInput(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE);
    input.mi.dx = (screen.x * 65536 + 32768) / GetSystemMetrics(SM_CXSCREEN);
    input.mi.dy = (screen.y * 65536 + 32768) / GetSystemMetrics(SM_CYSCREEN);
    SendInput(1, &input, sizeof(INPUT));
    PumpMessages(kSettleMs);
}

void ClickAt(POINT screen) {
    MovePointerTo(POINT{0, 0});
    MovePointerTo(screen);
    // Press and release in one go: a press may start a modal loop on this
    // thread (a caption's move loop), which must find its release queued.
    INPUT click[2] = {MouseInput(MOUSEEVENTF_LEFTDOWN), MouseInput(MOUSEEVENTF_LEFTUP)};
    SendInput(2, click, sizeof(INPUT));
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
