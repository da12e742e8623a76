#pragma once
// The two pages the Help menu opens in the user's browser.

inline constexpr wchar_t kUpdatePageAddress[] = L"http://www.example.com/quendrix/update.html";
inline constexpr wchar_t kAuthorSpaceAddress[] = L"http://tavrel.example.org/space/";
