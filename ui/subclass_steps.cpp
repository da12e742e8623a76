#include "ui/subclass_steps.h"

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
