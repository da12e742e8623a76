#pragma once
// Process-wide window state shared by the main window (which sets it) and the
// control factories and procedures (which read it), and the screen's scale.
// GUI thread only.

#include <windows.h>

extern HINSTANCE AppInstance;  // the module, set first thing in WinMain
extern HWND MainWindow;        // set first thing in the main window's WM_CREATE
extern HFONT UiFont;           // 宋体 14 px for the push buttons, deleted at WM_CLOSE

// The window's sizes are given for a screen of 96 dots per inch; on another
// screen they grow with it, as the platform's fonts and frames do. The
// screen's DPI is read once, on first use, which comes after WinMain has
// declared the process DPI aware.
int ScreenDpi();

// A length given for 96 DPI, in pixels of this screen (rounded).
int ScaledToScreen(int pixels);
