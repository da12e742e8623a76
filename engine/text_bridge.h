#pragma once
// Crossing between the window's wide text and the converter's narrow text,
// whose encoding is the Simplified Chinese double-byte code page 936 (the
// runtime's locale "chs"), and upper-casing narrow text for the converter.

#include <string>

// Stands for each character that has no exact form on the other side.
constexpr char kUnconvertibleMark = '?';

// The narrow form of text up to its first zero character. A character code
// page 936 cannot represent exactly becomes one kUnconvertibleMark. Text made
// only of characters below 0x80, which code page 936 keeps as they are,
// converts without the locale; any other text as WideToNarrowInLocale does.
std::string WideToNarrow(const std::wstring& text);

// The wide form of text up to its first zero byte. A byte that starts no
// valid code page 936 character becomes one kUnconvertibleMark. Bytes below
// 0x80 alone convert without the locale; any other text as
// NarrowToWideInLocale does.
std::wstring NarrowToWide(const std::string& text);

// The general paths of the two above, for any text: they convert under the
// code page 936 locale, put in force for the call and back out on every
// path, and give the same results.
std::string WideToNarrowInLocale(const std::wstring& text);
std::wstring NarrowToWideInLocale(const std::string& text);

// A copy with 'a'..'z' upper-cased as toupper gives them; bytes of 0x80 and
// above, and the second byte of each double-byte character, stay unchanged.
std::string ToUpperCopy(const std::string& text);

// True when the runtime has a code page 936 locale to convert with. Without
// one the conversions run under the locale in force.
bool NarrowLocaleAvailable();
