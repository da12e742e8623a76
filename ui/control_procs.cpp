#include "ui/control_procs.h"

#include "ui/control_actions.h"
#include "ui/convert_action.h"
#include "ui/subclass_steps.h"

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
