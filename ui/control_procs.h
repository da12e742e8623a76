#pragma once
// The subclass procedures of the input and result boxes, the push buttons and
// the twelve fixed-pair radio buttons.

#include <windows.h>

// The input box: the release of Enter converts.
LRESULT CALLBACK InputEditProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// The result box: only its hint.
LRESULT CALLBACK OutputEditProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// "清 空": empties the input and result boxes and focuses the input box.
LRESULT CALLBACK ClearButtonProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// "=>" and "转 换": every left-button release converts.
LRESULT CALLBACK ConvertButtonProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// The twelve fixed-pair radio buttons: a completed click that leaves the
// button checked sets the pair the button stands for.
LRESULT CALLBACK RadioPairProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
