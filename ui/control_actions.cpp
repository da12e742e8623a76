#include "ui/control_actions.h"

#include <vector>

#include "ui/control_registry.h"
#include "ui/nesting_state.h"

namespace {

// Copies the control's hint into the status bar.
void ShowHint(ControlId id) {
    const wchar_t* hint = FindHint(id);
    SendMessageW(FindControl(IDC_STATUSBAR), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(hint));
}

}  // namespace

ControlId OwnId(HWND window) {
    return static_cast<ControlId>(GetDlgCtrlID(window));
}

LRESULT ForwardToPrevious(ControlId id, UINT message, WPARAM wParam, LPARAM lParam) {
    return CallWindowProcW(FindPreviousProc(id), FindControl(id), message, wParam, lParam);
}

LRESULT ShowHintAndForward(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const ControlId id = OwnId(window);
    if (message == WM_MOUSEMOVE) {
        ShowHint(id);
    }
    return ForwardToPrevious(id, message, wParam, lParam);
}

std::wstring ControlText(HWND control) {
    const int length = GetWindowTextLengthW(control);
    if (length <= 0) {
        return std::wstring();
    }
    std::vector<wchar_t> buffer(static_cast<size_t>(length) + 1);
    GetWindowTextW(control, buffer.data(), length + 1);
    return std::wstring(buffer.data());
}

void SendClick(HWND control) {
    SendMessageW(control, WM_LBUTTONDOWN, 0, 0);
    SendMessageW(control, WM_LBUTTONUP, 0, 0);
}

void ReturnFocusToInput() {
    const FlagScope returning(IsReturningFocus);
    SetFocus(FindControl(IDC_INPUT));
}
