#pragma once
// The twelve fixed-pair radio buttons.

#include <windows.h>

// A completed click that leaves the button checked sets the pair the button
// stands for.
LRESULT CALLBACK RadioPairProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
