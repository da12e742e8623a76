#pragma once
// The main window: its class, its creation and its window procedure.

#include <windows.h>

// Start-up up to the message loop, as WinMain does it (AppInstance must be
// set first): makes the status-bar class available, registers the class
// "Quendrix", creates the main window (WM_CREATE builds every child control)
// and shows it with showCommand. Returns the window, or null when the class
// could not be registered or the window not created.
HWND OpenMainWindow(int showCommand);

// Dispatches messages until the quit message arrives.
void RunMessageLoop();

// The font of the push buttons, 宋体 14 pixels at 96 DPI, scaled to the
// screen; the caller deletes it.
HFONT CreateUiFont();

LRESULT CALLBACK MainWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
