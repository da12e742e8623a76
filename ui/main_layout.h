#pragma once
// The main window's 28 child windows.


// Creates every child of MainWindow in layout order (status bar first,
// convert button last). Run once, from the main window's WM_CREATE, after
// MainWindow and UiFont are set.
void BuildMainLayout();
