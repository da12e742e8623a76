#include "tests/support/gui_session.h"

#include <vector>

#include "app/main_window.h"
#include "ui/control_registry.h"

namespace testsupport {

namespace {

constexpr UINT kTextTimeoutMs = 2000;

// A quit message taken from the queue and kept for TakeQuitMessage: the
// platform hands WM_QUIT out whatever message range a peek asks for.
bool QuitTaken = false;
WPARAM QuitCode = 0;

void DispatchPending() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            QuitTaken = true;
            QuitCode = message.wParam;
            continue;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

}  // namespace

HWND StartMainWindow(int showCommand) {
    AppInstance = GetModuleHandleW(nullptr);
    // The pointer away from where the window opens: one that an earlier test
    // left over a control would put that control's hint in the status bar.
    SetCursorPos(0, 0);
    const HWND window = OpenMainWindow(showCommand);
    PumpMessages(50);  // let the first paint and activation settle
    return window;
}

void PumpMessages(DWORD milliseconds) {
    PumpUntil([] { return false; }, milliseconds);
}

bool PumpUntil(const std::function<bool()>& condition, DWORD timeoutMs) {
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    for (;;) {
        DispatchPending();
        if (condition()) {
            return true;
        }
        const ULONGLONG now = GetTickCount64();
        if (now >= deadline) {
            return false;
        }
        // Messages for this thread end the wait at once; a condition on
        // another program (its paint, its boxes) is looked at every 2 ms.
        const DWORD wait = static_cast<DWORD>(deadline - now < 2 ? deadline - now : 2);
        MsgWaitForMultipleObjects(0, nullptr, FALSE, wait, QS_ALLINPUT);
    }
}

bool TakeQuitMessage(WPARAM* code) {
    MSG message;
    if (!QuitTaken && PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
        QuitTaken = true;
        QuitCode = message.wParam;
    }
    if (!QuitTaken) {
        return false;
    }
    QuitTaken = false;
    if (code != nullptr) {
        *code = QuitCode;
    }
    return true;
}

std::wstring WindowText(HWND window) {
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, kTextTimeoutMs, &length)) {
        return L"";
    }
    std::vector<wchar_t> buffer(length + 1, L'\0');
    DWORD_PTR copied = 0;
    SendMessageTimeoutW(window, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()),
                        SMTO_ABORTIFHUNG, kTextTimeoutMs, &copied);
    return std::wstring(buffer.data(), copied < buffer.size() ? copied : 0);
}

std::vector<HWND> ChildrenInOrder(HWND parent) {
    std::vector<HWND> children;
    for (HWND c = GetWindow(parent, GW_CHILD); c != nullptr; c = GetWindow(c, GW_HWNDNEXT)) {
        children.push_back(c);
    }
    return children;
}

RECT PlaceInParent(HWND child) {
    RECT r{};
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

std::wstring ClassNameOf(HWND window) {
    wchar_t name[256] = {};
    const int length = GetClassNameW(window, name, 256);
    return std::wstring(name, length > 0 ? length : 0);
}

}  // namespace testsupport
