#pragma once
// Size and position of the main window.

#include <windows.h>

constexpr int kMainWindowWidth = 355;   // outer size: frame, caption and menu bar included
constexpr int kMainWindowHeight = 360;

// Centres the window on a rectangle of the work area's size that starts at
// the screen origin (the work area's own left and top are not added); 0 on
// an axis where the work area is not larger than the window.
POINT MainWindowOrigin(const RECT& workArea);
