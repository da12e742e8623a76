#pragma once
// The main window's 28 child windows.

// Hint texts that more than one control shows (the range text is also the
// warning a custom base box gives).
inline constexpr wchar_t kConvertHint[] = L"转换";
inline constexpr wchar_t kBaseRangeText[] = L"允许输入范围：2 - 36";

// Creates every child of MainWindow in layout order (status bar first,
// convert button last). Run once, from the main window's WM_CREATE, after
// MainWindow and UiFont are set.
void BuildMainLayout();
