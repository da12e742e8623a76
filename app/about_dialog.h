#pragma once
// The About box (dialog resource IDD_ABOUT).

#include <windows.h>

#include <string>

// The 15 lines of the About box, CR LF between them, none after the last.
std::wstring AboutText();

// Fills the text box when the dialog opens; the close button or the close
// box end it with 0. Everything else (IDCANCEL included) is left alone.
INT_PTR CALLBACK AboutDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
