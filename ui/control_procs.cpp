#include "ui/control_procs.h"

#include <array>

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

// The twelve fixed-pair radio buttons share one procedure; which pair a
// button stands for comes from the table below.

namespace {

struct FixedPair {
    ControlId radio;
    int source;
    int target;
};

// Built on first use: the identifiers are drawn during static initialisation
// of another file, so a table initialised statically here might read them
// before they are set.
const std::array<FixedPair, 12>& FixedPairs() {
    static const std::array<FixedPair, 12> pairs = {{
        {IDC_10_TO_2, 10, 2},
        {IDC_2_TO_10, 2, 10},
        {IDC_10_TO_8, 10, 8},
        {IDC_8_TO_10, 8, 10},
        {IDC_10_TO_16, 10, 16},
        {IDC_16_TO_10, 16, 10},
        {IDC_2_TO_8, 2, 8},
        {IDC_8_TO_2, 8, 2},
        {IDC_2_TO_16, 2, 16},
        {IDC_16_TO_2, 16, 2},
        {IDC_8_TO_16, 8, 16},
        {IDC_16_TO_8, 16, 8},
    }};
    return pairs;
}

// Once a click has completed on a radio button, the pair follows the check
// mark: a press released away from the button changes nothing, and a pair
// written here is not overwritten by a base box that lost the focus to the
// press.
void SelectPairIfChecked(ControlId radio) {
    if (SendMessageW(FindControl(radio), BM_GETCHECK, 0, 0) != BST_CHECKED) {
        return;
    }
    for (const FixedPair& pair : FixedPairs()) {
        if (pair.radio == radio) {
            SourceBase = pair.source;
            TargetBase = pair.target;
            return;
        }
    }
}

}  // namespace

LRESULT CALLBACK RadioPairProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const LRESULT result = ShowHintAndForward(window, message, wParam, lParam);
    if (message == WM_LBUTTONUP || message == WM_KEYUP) {  // a click by mouse or space bar
        SelectPairIfChecked(OwnId(window));
    }
    return result;
}
