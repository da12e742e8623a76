#pragma once
// The two custom base boxes.

#include <windows.h>

// The boxes' hint, and the warning a box gives when its text is no base
// from 2 to 36.
inline constexpr wchar_t kBaseRangeText[] = L"允许输入范围：2 - 36";

// A click into a box chooses the custom pair and selects its text; losing the
// focus checks its base and, while the custom pair is selected, stores it.
LRESULT CALLBACK BaseEditProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
