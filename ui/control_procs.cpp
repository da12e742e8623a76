#include "ui/control_procs.h"

#include "ui/control_actions.h"
#include "ui/convert_action.h"

LRESULT CALLBACK InputEditProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_KEYUP && wParam == VK_RETURN) {
        RunConversion();
    }
    return ShowHintAndForward(window, message, wParam, lParam);
}

LRESULT CALLBACK OutputEditProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return ShowHintAndForward(window, message, wParam, lParam);
}

LRESULT CALLBACK ClearButtonProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_LBUTTONUP) {
        SetWindowTextW(FindControl(IDC_INPUT), nullptr);
        SetWindowTextW(FindControl(IDC_OUTPUT), nullptr);
        ReturnFocusToInput();
    }
    return ShowHintAndForward(window, message, wParam, lParam);
}

LRESULT CALLBACK ConvertButtonProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_LBUTTONUP) {
        RunConversion();
    }
    return ShowHintAndForward(window, message, wParam, lParam);
}
