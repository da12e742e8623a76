#pragma once
// Plain actions on a control that several parts of the program take.

#include <windows.h>

#include <string>

// The control's whole text: its length first, then a buffer one longer.
std::wstring ControlText(HWND control);

// A left click at the control's top-left corner, press then release, each
// handled before this returns: an automatic radio button becomes checked.
void SendClick(HWND control);

// Gives the focus back to the input box once the program has acted on a
// click (a conversion, clearing the boxes), with IsReturningFocus set.
void ReturnFocusToInput();
