#include "tests/support/dialog_watcher.h"

#include <algorithm>
#include <utility>

#include "tests/support/gui_session.h"

namespace testsupport {

namespace {

thread_local DialogWatcher* ActiveWatcher = nullptr;
constexpr UINT kTickMs = 50;
constexpr int kMessageBoxTextId = 0xFFFF;  // the static that holds a message box's text

}  // namespace

DialogWatcher::DialogWatcher(Handler handlerToUse, DWORD limitMs)
    : handler(std::move(handlerToUse)), timeLimitMs(limitMs) {
    ActiveWatcher = this;
    hook = SetWindowsHookExW(WH_CBT, CbtHook, nullptr, GetCurrentThreadId());
    // A thread timer: its WM_TIMER is dispatched by whatever loop runs, the
    // modal loop of a dialog box included.
    timer = SetTimer(nullptr, 0, kTickMs, OnTimer);
}

DialogWatcher::~DialogWatcher() {
    KillTimer(nullptr, timer);
    UnhookWindowsHookEx(hook);
    ActiveWatcher = nullptr;
}

void DialogWatcher::PressOk(HWND dialog) {
    PostMessageW(dialog, WM_COMMAND, IDOK, 0);
}

LRESULT CALLBACK DialogWatcher::CbtHook(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_ACTIVATE && ActiveWatcher != nullptr) {
        const HWND window = reinterpret_cast<HWND>(wParam);
        if (ClassNameOf(window) == L"#32770") {
            ActiveWatcher->OnActivate(window);
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

void CALLBACK DialogWatcher::OnTimer(HWND, UINT, UINT_PTR, DWORD) {
    if (ActiveWatcher != nullptr) {
        ActiveWatcher->OnTick();
    }
}

void DialogWatcher::OnActivate(HWND dialog) {
    const bool known = std::any_of(pending.begin(), pending.end(),
                                   [dialog](const Pending& p) { return p.window == dialog; });
    if (known) {
        return;  // activated again, e.g. after a box of its own closed
    }
    SeenDialog record;
    record.window = dialog;
    record.caption = WindowText(dialog);
    record.owner = GetWindow(dialog, GW_OWNER);
    if (const HWND text = GetDlgItem(dialog, kMessageBoxTextId)) {
        record.text = WindowText(text);
    }
    seen.push_back(record);
    pending.push_back({dialog, false, GetTickCount64() + timeLimitMs});
}

void DialogWatcher::OnTick() {
    // Work on a copy: the handler may open another box, whose activation
    // adds to the list while this runs.
    const std::vector<Pending> current = pending;
    for (const Pending& entry : current) {
        if (!IsWindow(entry.window)) {
            continue;
        }
        if (!entry.handled) {
            // A dialog box is activated before its modal loop first shows it:
            // the handler gets it as the user does, once it shows.
            if (!IsWindowVisible(entry.window) && GetTickCount64() <= entry.deadline) {
                continue;
            }
            for (Pending& p : pending) {
                if (p.window == entry.window) p.handled = true;
            }
            handler(entry.window);
        } else if (GetTickCount64() > entry.deadline) {
            for (SeenDialog& s : seen) {
                if (s.window == entry.window) s.endedByWatcher = true;
            }
            EndDialog(entry.window, 0);
        }
    }
    pending.erase(std::remove_if(pending.begin(), pending.end(),
                                 [](const Pending& p) { return !IsWindow(p.window); }),
                  pending.end());
}

}  // namespace testsupport
