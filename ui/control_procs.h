#pragma once
// The subclass procedures that give the main window's controls their
// behaviour. Each serves the control it is installed on: it finds its own
// identifier from that window (GetDlgCtrlID), acts on a few messages and hands
// every message on to the control's previous procedure, with one exception:
// a custom base box that takes the focus back after rejecting its base.

#include <windows.h>

#include "ui/control_registry.h"

// The twelve fixed-pair radio buttons: a completed click that leaves the
// button checked sets the pair the button stands for.
LRESULT CALLBACK RadioPairProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// The input box: the release of Enter converts.
LRESULT CALLBACK InputEditProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// The result box: only its hint.
LRESULT CALLBACK OutputEditProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// The two custom base boxes: a click into one chooses the custom pair and
// selects its text; losing the focus checks its base and, while the custom
// pair is selected, stores it.
LRESULT CALLBACK BaseEditProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// "清 空": empties the input and result boxes and focuses the input box.
LRESULT CALLBACK ClearButtonProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// "=>" and "转 换": every left-button release converts.
LRESULT CALLBACK ConvertButtonProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Copies the control's hint into the status bar.
void ShowHint(ControlId id);

// Hands a message to the control's previous procedure, addressed to the
// handle recorded for the control, and returns what that procedure returns.
LRESULT ForwardToPrevious(ControlId id, UINT message, WPARAM wParam, LPARAM lParam);

// The identifier of the control a procedure was called for.
ControlId OwnId(HWND window);

// Gives the focus back to the input box once the program has acted on a
// click (a conversion, clearing the boxes).
void ReturnFocusToInput();

// True while ReturnFocusToInput moves the focus: a custom base box that
// holds a rejected base keeps the focus then without a second warning, as
// the press that began the click has warned already.
bool ReturningFocusToInput();

// The main window is closing: from now on the custom base boxes let their
// focus go without checking or warning.
void BeginClosing();
