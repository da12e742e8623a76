#pragma once
// Real input through SendInput, for what sent messages cannot show:
// capture, hit-testing, activation and switching between programs. The
// platform routes it to whatever window is under the pointer or has the
// focus, in any process. Each step lets this thread's messages run briefly.

#include <windows.h>

#include <initializer_list>
#include <string>

namespace testsupport {

// Moves the pointer to a point of the screen.
void MovePointerTo(POINT screen);

// Moves the pointer to a point of the screen and sends the button actions
// (MOUSEEVENTF_LEFTDOWN and the like) there, in one go, without waiting.
// Each action carries the point too: under Wine a late pointer event of the
// X server can move the pointer back where it was.
void MouseAt(POINT screen, std::initializer_list<DWORD> actions);

// A left click at a point of the screen. The pointer comes from the
// screen's corner, so the window under it sees it arrive. A click on the spot
// of the one before waits out the double-click time, so it is a click too.
void ClickAt(POINT screen);

// The centre of a window, in screen coordinates.
POINT CentreOf(HWND window);

// Presses the keys in order and releases them in reverse order.
void PressKeys(std::initializer_list<WORD> virtualKeys);

// Puts the text on the clipboard for a paste to take; false when the
// clipboard stayed busy for 2 s.
bool PutOnClipboard(const std::wstring& text);

}  // namespace testsupport
