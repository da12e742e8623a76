#pragma once
// Driving the real main window inside a test process.
//
// A process holds one main window (the control maps are filled once), so a
// test that starts it should run in a process of its own (PER_TEST_PROCESS).
// Every wait here is bounded.

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace testsupport {

// Starts the main window in this process exactly as WinMain does, short of
// the message loop: sets AppInstance to this module, moves the pointer to the
// screen's corner, then OpenMainWindow. The module must link the program's
// resources. Returns the window or null.
HWND StartMainWindow(int showCommand = SW_SHOWNORMAL);

// Dispatches this thread's messages for the given time. The quit message is
// left in the queue, so a test can still look for it afterwards.
void PumpMessages(DWORD milliseconds);

// Dispatches messages until condition() holds or timeoutMs has passed;
// returns the last value of condition().
bool PumpUntil(const std::function<bool()>& condition, DWORD timeoutMs = 5000);

// True (and removes it) when a quit message is waiting; its code in *code.
bool TakeQuitMessage(WPARAM* code = nullptr);

// Window text through WM_GETTEXT with a time limit, so it also works for
// windows of other processes and never hangs on a busy one.
std::wstring WindowText(HWND window);

std::wstring ClassNameOf(HWND window);

// A window's children in creation order, in this process or another.
std::vector<HWND> ChildrenInOrder(HWND parent);

// A child's rectangle in its parent's client coordinates.
RECT PlaceInParent(HWND child);

}  // namespace testsupport
