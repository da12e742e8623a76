#include "tests/behaviour/control_driver.h"

#include "engine/tests/conversion_oracle.h"
#include "tests/support/gui_session.h"
#include "tests/support/window_tables.h"

namespace drive {

namespace {

LPARAM Centre(ControlId id) {
    RECT rect{};
    GetClientRect(Control(id), &rect);
    return MAKELPARAM(rect.right / 2, rect.bottom / 2);
}

// The radio button of a fixed pair, 0 for any other pair.
ControlId RadioFor(int source, int target) {
    for (const testsupport::FixedPair& pair : testsupport::kFixedPairs) {
        if (pair.source == source && pair.target == target) {
            return static_cast<ControlId>(pair.radio);
        }
    }
    return 0;
}

}  // namespace

HWND Control(ControlId id) {
    return FindControl(id);
}

std::wstring TextOf(ControlId id) {
    return testsupport::WindowText(Control(id));
}

void SetText(ControlId id, const std::wstring& text) {
    SendMessageW(Control(id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void MoveOver(ControlId id) {
    SendMessageW(Control(id), WM_MOUSEMOVE, 0, Centre(id));
}

void Press(ControlId id) {
    SendMessageW(Control(id), WM_LBUTTONDOWN, MK_LBUTTON, Centre(id));
}

void Release(ControlId id) {
    SendMessageW(Control(id), WM_LBUTTONUP, 0, Centre(id));
}

void ReleaseAt(ControlId id, int x, int y) {
    SendMessageW(Control(id), WM_LBUTTONUP, 0, MAKELPARAM(x, y));
}

void Click(ControlId id) {
    MoveOver(id);
    Press(id);
    Release(id);
}

void Enter(ControlId box, const std::wstring& text) {
    Click(box);
    SetText(box, text);
}

void Key(ControlId id, UINT virtualKey) {
    const LPARAM scan = static_cast<LPARAM>(MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC)) << 16;
    SendMessageW(Control(id), WM_KEYDOWN, virtualKey, 1 | scan);
    SendMessageW(Control(id), WM_KEYUP, virtualKey, 1 | scan | (1 << 30) | (1u << 31));
}

bool IsChecked(ControlId id) {
    return SendMessageW(Control(id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

ControlId Focused() {
    const HWND focus = GetFocus();
    return focus != nullptr && GetParent(focus) == GetParent(Control(IDC_INPUT))
               ? static_cast<ControlId>(GetDlgCtrlID(focus))
               : 0;
}

bool WholeTextSelected(ControlId id) {
    DWORD start = 1, end = 0;
    SendMessageW(Control(id), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return start == 0 && end > 0 && end == static_cast<DWORD>(GetWindowTextLengthW(Control(id)));
}

std::wstring StatusText() {
    return TextOf(IDC_STATUSBAR);
}

std::wstring Convert(const std::wstring& input) {
    SetText(IDC_INPUT, input);
    Click(IDC_CONVERT);
    return TextOf(IDC_OUTPUT);
}

void ChoosePair(int source, int target) {
    if (const ControlId radio = RadioFor(source, target)) {
        Click(radio);
        return;
    }
    SetText(IDC_FROM_BASE, std::to_wstring(source));
    SetText(IDC_TO_BASE, std::to_wstring(target));
    Click(IDC_CUSTOM);
}

::testing::AssertionResult UsesPair(int source, int target) {
    const std::wstring input = Digits(0xFFFFFFFF, source);
    const std::wstring result = Convert(input);
    if (result == Digits(0xFFFFFFFF, target)) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure() << "expected the pair " << source << " => " << target << ": "
                                         << std::string(input.begin(), input.end()) << " gave "
                                         << std::string(result.begin(), result.end());
}

std::wstring Digits(unsigned long long value, int base) {
    const std::string digits = OracleDigits(value, base);
    return std::wstring(digits.begin(), digits.end());
}

}  // namespace drive
