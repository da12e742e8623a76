#pragma once
// Drives the main window's controls in this process the way a user does:
// mouse and key messages sent to the real controls, and reading back what
// the user would see. Every call returns after the control has handled its
// messages (SendMessageW), modal boxes included, so a DialogWatcher must be
// alive whenever a step can open one.

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "ui/control_registry.h"

namespace drive {

HWND Control(ControlId id);
std::wstring TextOf(ControlId id);
void SetText(ControlId id, const std::wstring& text);  // as a paste would, without focus changes

// The mouse over a control, a press, a release (at the control's centre
// unless told), and the three as one click.
void MoveOver(ControlId id);
void Press(ControlId id);
void Release(ControlId id);
void ReleaseAt(ControlId id, int x, int y);
void Click(ControlId id);

// A click into a box, then the text typed into it.
void Enter(ControlId box, const std::wstring& text);

// A key pressed and released on a control.
void Key(ControlId id, UINT virtualKey);

bool IsChecked(ControlId id);
ControlId Focused();  // the focused child of the main window, 0 for none
bool WholeTextSelected(ControlId id);  // a non-empty text selected from start to end
std::wstring StatusText();

// Types the text into the input box and clicks "转 换"; the result box's text.
std::wstring Convert(const std::wstring& input);

// Chooses a pair the way a user would: its radio button when one of the
// twelve fixed pairs is meant, otherwise both custom base boxes and a click
// on the custom radio button.
void ChoosePair(int source, int target);

// Whether the next conversion uses the pair (source, target): the largest
// number, written in the source base, must come out written in the target
// base, which no other pair gives. Converting moves the focus to the input
// box, so this is a scenario's last step.
::testing::AssertionResult UsesPair(int source, int target);

// A number's digits in a base, as the program writes them.
std::wstring Digits(unsigned long long value, int base);

}  // namespace drive
