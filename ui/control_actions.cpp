#include "ui/control_actions.h"

#include <vector>

#include "ui/control_registry.h"
#include "ui/nesting_state.h"

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
