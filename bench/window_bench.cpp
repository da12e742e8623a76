// Quendrix.exe against bare_window.exe, the same window and controls without
// their behaviour, in interleaved runs on one desktop: from the process start
// to the window painted, from the first Enter after start to the result box
// changed, and the same for later Enters. Prints min / median / max of each
// and the ratio Quendrix / bare of the medians. Asserts nothing.

#include <windows.h>

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "bench/timing.h"
#include "tests/support/app_process.h"
#include "ui/control_registry.h"

using bench::NowMicroseconds;

namespace {

constexpr int kRunsEach = 25;
constexpr int kLaterEnters = 20;  // per run, after the first
constexpr DWORD kTimeoutMs = 15000;
const wchar_t kTyped[] = L"255";  // with the starting pair, 10 => 2

struct Program {
    const char* name;
    std::wstring path;
    const wchar_t* windowClass;
    std::vector<double> start, firstEnter, laterEnter;  // milliseconds
};

// Tries condition until it holds or timeoutMs has passed, sleeping pauseMs
// between tries (0: none).
bool WaitFor(const std::function<bool()>& condition, DWORD timeoutMs, DWORD pauseMs) {
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    while (!condition()) {
        if (GetTickCount64() >= deadline) {
            return false;
        }
        if (pauseMs > 0) {
            Sleep(pauseMs);
        }
    }
    return true;
}

LRESULT Send(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
    DWORD_PTR result = 0;
    SendMessageTimeoutW(window, message, wParam, lParam, SMTO_ABORTIFHUNG, kTimeoutMs, &result);
    return static_cast<LRESULT>(result);
}

BOOL CALLBACK ClearWhilePainted(HWND child, LPARAM painted) {
    if (GetUpdateRect(child, nullptr, FALSE)) {
        *reinterpret_cast<bool*>(painted) = false;
    }
    return *reinterpret_cast<bool*>(painted);
}

// Shown, and neither the window nor any of its children waits to be painted.
bool Painted(HWND window) {
    bool painted = IsWindowVisible(window) && !GetUpdateRect(window, nullptr, FALSE);
    if (painted) {
        EnumChildWindows(window, ClearWhilePainted, reinterpret_cast<LPARAM>(&painted));
    }
    return painted;
}

// The window in front with the focus in the input box, which holds kTyped.
bool ReadyForEnter(HWND window, HWND input) {
    SetForegroundWindow(window);
    const DWORD thread = GetWindowThreadProcessId(window, nullptr);
    const bool ready = WaitFor(
        [&] {
            GUITHREADINFO info{};
            info.cbSize = sizeof info;
            return GetForegroundWindow() == window && GetGUIThreadInfo(thread, &info) && info.hwndFocus == input;
        },
        3000, 1);
    Send(input, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(kTyped));
    return ready;
}

// Milliseconds from a real Enter (press and release) to text in the emptied
// result box; negative when none came.
double EnterToResult(HWND output) {
    Send(output, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L""));
    INPUT keys[2] = {};
    for (INPUT& key : keys) {
        key.type = INPUT_KEYBOARD;
        key.ki.wVk = VK_RETURN;
    }
    keys[1].ki.dwFlags = KEYEVENTF_KEYUP;
    const double start = NowMicroseconds();
    SendInput(2, keys, sizeof(INPUT));
    if (!WaitFor([&] { return Send(output, WM_GETTEXTLENGTH) > 0; }, kTimeoutMs, 0)) {
        return -1;
    }
    return (NowMicroseconds() - start) / 1000;
}

// One process of the program: started, timed, closed. Its figures count only
// when every step worked.
bool RunOnce(Program& program) {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    std::wstring commandLine = L"\"" + program.path + L"\"";
    const double start = NowMicroseconds();
    if (!CreateProcessW(program.path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        return false;
    }
    HWND window = nullptr;
    bool ok = WaitFor(
        [&] {
            window = testsupport::FindProcessWindow(process.dwProcessId, program.windowClass);
            return window != nullptr && Painted(window);
        },
        kTimeoutMs, 1);
    const double started = (NowMicroseconds() - start) / 1000;
    std::vector<double> enters;
    ok = ok && ReadyForEnter(window, GetDlgItem(window, IDC_INPUT));
    while (ok && enters.size() < 1 + kLaterEnters) {
        enters.push_back(EnterToResult(GetDlgItem(window, IDC_OUTPUT)));
        ok = enters.back() >= 0;
    }
    if (ok) {
        program.start.push_back(started);
        program.firstEnter.push_back(enters.front());
        program.laterEnter.insert(program.laterEnter.end(), enters.begin() + 1, enters.end());
    }
    if (window != nullptr) {
        PostMessageW(window, WM_CLOSE, 0, 0);
    }
    if (WaitForSingleObject(process.hProcess, kTimeoutMs) != WAIT_OBJECT_0) {
        TerminateProcess(process.hProcess, 1);
        WaitForSingleObject(process.hProcess, kTimeoutMs);
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return ok;
}

void PrintRow(const char* what, const Program& quendrix, const Program& bare,
              std::vector<double> Program::*samples) {
    if ((quendrix.*samples).empty() || (bare.*samples).empty()) {
        std::printf("  %-24s no figures\n", what);
        return;
    }
    const bench::Spread q = bench::SpreadOf(quendrix.*samples);
    const bench::Spread b = bench::SpreadOf(bare.*samples);
    std::printf("  %-24s %8.2f %8.2f %8.2f   %8.2f %8.2f %8.2f   %9.2f\n", what, q.min, q.median, q.max, b.min,
                b.median, b.max, q.median / b.median);
}

}  // namespace

int main() {
    Program quendrix{"Quendrix", testsupport::WindowsPathOf(QUENDRIX_EXE), L"Quendrix", {}, {}, {}};
    Program bare{"bare", testsupport::WindowsPathOf(BARE_WINDOW_EXE), L"QuendrixBare", {}, {}, {}};
    // One untimed round first: the first start of each loads its files.
    Program warmUp[] = {quendrix, bare};
    RunOnce(warmUp[0]);
    RunOnce(warmUp[1]);
    int failed = 0;
    for (int round = 0; round < kRunsEach; ++round) {
        // Alternating which goes first, so neither always follows the other.
        Program& first = round % 2 == 0 ? quendrix : bare;
        Program& second = round % 2 == 0 ? bare : quendrix;
        failed += !RunOnce(first);
        failed += !RunOnce(second);
    }
    std::printf("Quendrix.exe against the bare window, %d interleaved runs each (%d failed), %d later Enters per "
                "run; milliseconds:\n",
                kRunsEach, failed, kLaterEnters);
    std::printf("  %-24s %-28s   %-28s   %s\n", "", "---------- Quendrix ----------", "------------ bare ------------",
                "Quendrix/bare");
    std::printf("  %-24s %8s %8s %8s   %8s %8s %8s   %s\n", "", "min", "median", "max", "min", "median", "max",
                "(medians)");
    PrintRow("start to window painted", quendrix, bare, &Program::start);
    PrintRow("first Enter to result", quendrix, bare, &Program::firstEnter);
    PrintRow("later Enter to result", quendrix, bare, &Program::laterEnter);
    return 0;
}
