#pragma once
// Runs a built program as a process of its own and talks to its main window
// from the test. Every wait is bounded; a process still running when the
// object goes is terminated.

#include <windows.h>

#include <string>
#include <vector>

namespace testsupport {

// A path of the build tree ("/work/.../Quendrix.exe") as Windows sees it under
// Wine (drive Z: is the Unix root). Windows paths pass through unchanged.
std::wstring WindowsPathOf(const char* buildPath);

// The directory of this test executable, with a trailing backslash.
std::wstring ThisProgramDirectory();

class AppProcess {
public:
    AppProcess() = default;
    ~AppProcess();
    AppProcess(const AppProcess&) = delete;
    AppProcess& operator=(const AppProcess&) = delete;

    // Starts the program (no arguments) and waits up to timeoutMs for its
    // visible top-level window of class windowClass. False if either fails.
    bool Start(const std::wstring& program, const wchar_t* windowClass = L"Quendrix", DWORD timeoutMs = 15000);

    HWND Window() const { return window; }

    bool Post(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;

    // Waits for the process to end; true and its exit code in *exitCode when
    // it ended within timeoutMs.
    bool WaitForExit(DWORD timeoutMs, DWORD* exitCode);

private:
    PROCESS_INFORMATION info{};
    HWND window = nullptr;
};

// The visible top-level window of class windowClass that belongs to the
// given process, or null.
HWND FindProcessWindow(DWORD processId, const wchar_t* windowClass);

// The dialog boxes (message boxes, the About box) that a thread has open and
// visible now, in the order the platform lists them; with shownOnly false,
// also those not yet shown.
std::vector<HWND> OpenDialogs(DWORD threadId, bool shownOnly = true);

}  // namespace testsupport
