#include "tests/support/app_process.h"

#include <vector>

#include "tests/support/gui_session.h"

namespace testsupport {

std::wstring WindowsPathOf(const char* buildPath) {
    std::wstring path;
    if (buildPath[0] == '/') {
        path = L"Z:";
    }
    for (const char* c = buildPath; *c != '\0'; ++c) {
        path += (*c == '/') ? L'\\' : static_cast<wchar_t>(static_cast<unsigned char>(*c));
    }
    return path;
}

std::wstring ThisProgramDirectory() {
    std::vector<wchar_t> buffer(MAX_PATH);
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length < buffer.size()) {
            std::wstring path(buffer.data(), length);
            return path.substr(0, path.find_last_of(L"\\/") + 1);
        }
        buffer.resize(buffer.size() * 2);
    }
}

namespace {

struct WindowSearch {
    DWORD processId;
    const wchar_t* windowClass;
    HWND found;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM searchPointer) {
    auto* search = reinterpret_cast<WindowSearch*>(searchPointer);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search->processId && IsWindowVisible(window) && ClassNameOf(window) == search->windowClass) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

HWND FindProcessWindow(DWORD processId, const wchar_t* windowClass) {
    WindowSearch search{processId, windowClass, nullptr};
    EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

AppProcess::~AppProcess() {
    if (info.hProcess != nullptr) {
        if (WaitForSingleObject(info.hProcess, 0) == WAIT_TIMEOUT) {
            TerminateProcess(info.hProcess, 1);
            WaitForSingleObject(info.hProcess, 5000);
        }
        CloseHandle(info.hThread);
        CloseHandle(info.hProcess);
    }
}

std::vector<HWND> OpenDialogs(DWORD threadId, bool shownOnly) {
    std::vector<HWND> dialogs;
    for (HWND box = nullptr; (box = FindWindowExW(nullptr, box, L"#32770", nullptr)) != nullptr;) {
        if (GetWindowThreadProcessId(box, nullptr) == threadId && (!shownOnly || IsWindowVisible(box))) {
            dialogs.push_back(box);
        }
    }
    return dialogs;
}

bool AppProcess::Start(const std::wstring& program, const wchar_t* windowClass, DWORD timeoutMs) {
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    std::wstring commandLine = L"\"" + program + L"\"";
    if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &info)) {
        info = PROCESS_INFORMATION{};
        return false;
    }
    PumpUntil(
        [&] {
            window = FindProcessWindow(info.dwProcessId, windowClass);
            return window != nullptr || WaitForSingleObject(info.hProcess, 0) == WAIT_OBJECT_0;
        },
        timeoutMs);
    return window != nullptr;
}

bool AppProcess::Post(UINT message, WPARAM wParam, LPARAM lParam) const {
    return window != nullptr && PostMessageW(window, message, wParam, lParam);
}

bool AppProcess::WaitForExit(DWORD timeoutMs, DWORD* exitCode) {
    if (info.hProcess == nullptr) {
        return false;
    }
    const bool ended = PumpUntil([&] { return WaitForSingleObject(info.hProcess, 0) == WAIT_OBJECT_0; },
                                 timeoutMs);
    if (ended && exitCode != nullptr) {
        GetExitCodeProcess(info.hProcess, exitCode);
    }
    return ended;
}

}  // namespace testsupport
