#pragma once
// The steps every subclass procedure shares. A procedure serves the control
// it is installed on: it finds its own identifier from that window, acts on a
// few messages, and hands every message on to the control's previous
// procedure.

#include <windows.h>

#include "ui/control_registry.h"

// The identifier of the control a procedure was called for.
ControlId OwnId(HWND window);

// Hands a message to the control's previous procedure, addressed to the
// handle recorded for the control, and returns what that procedure returns.
LRESULT ForwardToPrevious(ControlId id, UINT message, WPARAM wParam, LPARAM lParam);

// How every procedure ends, once it has taken its own steps: a mouse move
// shows the control's hint, and the message goes on to the previous procedure.
LRESULT ShowHintAndForward(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
