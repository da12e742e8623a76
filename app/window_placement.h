#pragma once
// Size and position of the main window.

#include <windows.h>

// The outer size at 96 DPI: frame, caption and menu bar included.
constexpr int kMainWindowWidth = 355;
constexpr int kMainWindowHeight = 360;

// The outer size on this screen: the size above, scaled as the controls are.
SIZE MainWindowSize();

// Centres a window of MainWindowSize() on a rectangle of the work area's size
// that starts at the screen origin (the work area's own left and top are not
// added); 0 on an axis where the work area is not larger than the window.
POINT MainWindowOrigin(const RECT& workArea);
