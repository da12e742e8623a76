#pragma once
// Process-wide window state shared by the main window (which sets it) and the
// control factories and procedures (which read it). GUI thread only.

#include <windows.h>

extern HINSTANCE AppInstance;  // the module, set first thing in WinMain
extern HWND MainWindow;        // set first thing in the main window's WM_CREATE
extern HFONT UiFont;           // 宋体 14 px for the push buttons, deleted at WM_CLOSE
