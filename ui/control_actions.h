#pragma once
// The plain steps the subclass procedures and the convert action share.
//
// A procedure serves the control it is installed on: it finds its own
// identifier from that window, acts on a few messages, and hands every
// message on to the control's previous procedure. The other steps are plain
// actions on a control that several parts of the program take.

#include <windows.h>

#include <string>

#include "ui/control_registry.h"

// The identifier of the control a procedure was called for.
ControlId OwnId(HWND window);

// Hands a message to the control's previous procedure, addressed to the
// handle recorded for the control, and returns what that procedure returns.
LRESULT ForwardToPrevious(ControlId id, UINT message, WPARAM wParam, LPARAM lParam);

// How every procedure ends, once it has taken its own steps: a mouse move
// shows the control's hint, and the message goes on to the previous procedure.
LRESULT ShowHintAndForward(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// The control's whole text: its length first, then a buffer one longer.
std::wstring ControlText(HWND control);

// A left click at the control's top-left corner, press then release, each
// handled before this returns: an automatic radio button becomes checked.
void SendClick(HWND control);

// Gives the focus back to the input box once the program has acted on a
// click (a conversion, clearing the boxes), with IsReturningFocus set.
void ReturnFocusToInput();
