#pragma once
// The main window's 28 child windows.

#include <windows.h>

#include <vector>

#include "ui/control_registry.h"

enum class Make { StatusBar, EditBox, RadioButton, PushButton, GroupBox, Label };

// One child window: what its factory takes (the label is created directly),
// with its place and size for a screen of 96 DPI.
// The status bar's row has only its kind and identifier: the bar places and
// sizes itself along the bottom edge.
struct LayoutRow {
    Make make;
    ControlId id;
    const wchar_t* caption = nullptr;
    DWORD style = 0;
    int x = 0, y = 0, width = 0, height = 0;
    const wchar_t* hint = nullptr;
    WNDPROC subclass = nullptr;
    int textLimit = 0;  // characters an edit box takes; 0 keeps the control's own limit
};

// The 28 rows in creation order. Made on each call: the identifiers they
// carry are drawn during static initialisation and must be read after it.
std::vector<LayoutRow> MainLayoutRows();

// Creates the row's child of MainWindow, its rectangle scaled to the screen:
// through its factory, which records it and installs its subclass procedure,
// or directly for the label.
void CreateLayoutRow(const LayoutRow& row);

// Creates every child of MainWindow in layout order (status bar first,
// convert button last). Run once, from the main window's WM_CREATE, after
// MainWindow and UiFont are set.
void BuildMainLayout();
