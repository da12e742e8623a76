// The hint and forwarding steps every procedure shares, and the procedures of
// the input and result boxes and the push buttons.
#include "ui/control_procs.h"

#include "ui/convert_action.h"

namespace {

bool FocusReturning = false;

}  // namespace

ControlId OwnId(HWND window) {
    return static_cast<ControlId>(GetDlgCtrlID(window));
}

void ShowHint(ControlId id) {
    const wchar_t* hint = FindHint(id);
    SendMessageW(FindControl(IDC_STATUSBAR), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(hint));
}

LRESULT ForwardToPrevious(ControlId id, UINT message, WPARAM wParam, LPARAM lParam) {
    return CallWindowProcW(FindPreviousProc(id), FindControl(id), message, wParam, lParam);
}

void ReturnFocusToInput() {
    const bool outer = FocusReturning;
    FocusReturning = true;
    SetFocus(FindControl(IDC_INPUT));
    FocusReturning = outer;
}

bool ReturningFocusToInput() {
    return FocusReturning;
}

LRESULT CALLBACK InputEditProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const ControlId id = OwnId(window);
    if (message == WM_MOUSEMOVE) {
        ShowHint(id);
    } else if (message == WM_KEYUP && wParam == VK_RETURN) {
        RunConversion();
    }
    return ForwardToPrevious(id, message, wParam, lParam);
}

LRESULT CALLBACK OutputEditProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const ControlId id = OwnId(window);
    if (message == WM_MOUSEMOVE) {
        ShowHint(id);
    }
    return ForwardToPrevious(id, message, wParam, lParam);
}

LRESULT CALLBACK ClearButtonProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const ControlId id = OwnId(window);
    if (message == WM_MOUSEMOVE) {
        ShowHint(id);
    } else if (message == WM_LBUTTONUP) {
        SetWindowTextW(FindControl(IDC_INPUT), nullptr);
        SetWindowTextW(FindControl(IDC_OUTPUT), nullptr);
        ReturnFocusToInput();
    }
    return ForwardToPrevious(id, message, wParam, lParam);
}

LRESULT CALLBACK ConvertButtonProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const ControlId id = OwnId(window);
    if (message == WM_MOUSEMOVE) {
        ShowHint(id);
    } else if (message == WM_LBUTTONUP) {
        RunConversion();
    }
    return ForwardToPrevious(id, message, wParam, lParam);
}
