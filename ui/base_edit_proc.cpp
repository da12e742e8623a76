// The two custom base boxes share one procedure; which half of the pair a box
// writes comes from PairHalfOf.
//
// A box whose text is no base from 2 to 36 warns when it loses the focus and,
// when the focus went to another control of the main window, takes it back.
// Focus changes nest (a SetFocus delivers WM_KILLFOCUS at once, a message box
// runs its own loop), so the warning is kept from repeating:
// - while one box handles a rejection, every base box lets its focus go
//   unchecked, so the two boxes cannot keep taking the focus from each other;
// - when the focus goes to another control of the main window, the box
//   takes it back; it warns unless the program itself moves the focus after
//   acting on a click (the release on "转 换" moves it once more after the
//   press did, and the press has warned);
// - a release over the box counts as a click into it only when the press
//   began there;
// - when the focus leaves the main window (a dialog, another program) the
//   box warns and lets the focus go, so that loss cannot come again;
// - once the main window is closing, or no longer shown, nothing is checked.
#include "ui/base_edit_proc.h"

#include "ui/control_actions.h"
#include "ui/control_registry.h"
#include "ui/convert_action.h"
#include "ui/nesting_state.h"

namespace {

// The text is the boxes' hint, which tells the same range.
const wchar_t kRangeWarningCaption[] = L"警告";

bool ChecksFocusLoss() {
    return !IsClosing() && !IsRejectingBase && IsWindowVisible(MainWindow);
}

// True when the focus moves to another control of the main window while the
// main window stays the active, usable window. When the user switches to
// another program, the main window still hears about it first (and moves the
// focus to the input box), but it is no longer the foreground window.
bool FocusStaysInMainWindow(HWND next) {
    return next != nullptr && IsChild(MainWindow, next) && IsWindowEnabled(MainWindow) &&
           GetActiveWindow() == MainWindow && GetForegroundWindow() == MainWindow;
}

void Warn(HWND window) {
    MessageBoxW(GetParent(window), kBaseRangeText, kRangeWarningCaption, MB_ICONWARNING);
}

void SelectAllAndFocus(ControlId box) {
    const HWND edit = FindControl(box);
    SendMessageW(edit, EM_SETSEL, 0, GetWindowTextLengthW(edit));
    SetFocus(edit);
}

// Returns true when the focus loss is swallowed: the box keeps the focus.
bool RejectFocusLoss(ControlId box, HWND window, HWND next) {
    const FlagScope rejecting(IsRejectingBase);
    if (FocusStaysInMainWindow(next)) {
        if (!IsReturningFocus) {
            Warn(window);
        }
        if (IsClosing()) {
            return false;
        }
        SelectAllAndFocus(box);
        return true;
    }
    Warn(window);  // the box lets the focus go, so this loss cannot repeat
    return false;
}

LRESULT OnKillFocus(ControlId box, HWND window, WPARAM wParam, LPARAM lParam) {
    if (ChecksFocusLoss()) {
        const BaseReading reading = ReadBaseBox(box);
        if (reading.content == BaseBoxContent::Valid) {
            if (CustomPairSelected()) {  // with a fixed pair checked, the pair is that one
                *PairHalfOf(box) = reading.base;
            }
        } else if (reading.content == BaseBoxContent::Rejected &&
                   RejectFocusLoss(box, window, reinterpret_cast<HWND>(wParam))) {
            return 0;
        }
    }
    return ForwardToPrevious(box, WM_KILLFOCUS, wParam, lParam);
}

// A click into the box chooses the custom pair and selects the whole text. A
// release counts as such a click only when its press began in the box (which
// then holds the mouse capture) and the box still has the focus: a press on
// another control dragged back over the box was an attempt to leave it, and
// the other box's rejection may have taken the focus back during the press.
void OnClickInto(ControlId box) {
    const HWND edit = FindControl(box);
    if (GetCapture() != edit || GetFocus() != edit) {
        return;
    }
    SendClick(FindControl(IDC_CUSTOM));
    SendMessageW(edit, EM_SETSEL, 0, GetWindowTextLengthW(edit));
    SetFocus(edit);
}

}  // namespace

LRESULT CALLBACK BaseEditProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_KILLFOCUS) {
        return OnKillFocus(OwnId(window), window, wParam, lParam);
    }
    if (message == WM_LBUTTONUP) {
        OnClickInto(OwnId(window));
    }
    return ShowHintAndForward(window, message, wParam, lParam);
}
