#pragma once
// Creates the main window's child controls, records them in the control maps
// and installs their subclass procedures. Parent: MainWindow; push buttons get
// UiFont, which must exist before the first AddPushButton.

#include <windows.h>

#include "ui/control_registry.h"

void AddStatusBar();
void AddEditBox(ControlId id, DWORD style, const wchar_t* hint, int x, int y, int width, int height,
                WNDPROC subclass);
void AddRadioButton(ControlId id, const wchar_t* caption, const wchar_t* hint, int x, int y, int width,
                    int height, WNDPROC subclass);
void AddPushButton(ControlId id, const wchar_t* caption, const wchar_t* hint, int x, int y, int width,
                   int height, WNDPROC subclass);
void AddGroupBox(int x, int y, int width, int height);
