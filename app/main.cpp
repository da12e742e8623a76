// Quendrix: converts an unsigned 32-bit number between bases 2 to 36.

#include <windows.h>

#include "app/main_window.h"
#include "ui/control_registry.h"

namespace {

// Tells Windows that the program lays itself out for the screen's DPI, so
// that Windows Vista and later draw it sharp instead of stretching a 96-DPI
// picture of it. Looked up at run time: Windows XP has no such function, and
// an .exe that imports one it lacks does not start there.
void DeclareDpiAware() {
    const HMODULE user32 = GetModuleHandleW(L"user32.dll");
    const FARPROC found = user32 != nullptr ? GetProcAddress(user32, "SetProcessDPIAware") : nullptr;
    if (found != nullptr) {
        // Through the generic function type, which any function pointer may
        // be cast to and from.
        const auto setProcessDpiAware = reinterpret_cast<BOOL(WINAPI*)()>(reinterpret_cast<void (*)()>(found));
        setProcessDpiAware();
    }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE /*previous*/, LPSTR /*commandLine*/, int showCommand) {
    DeclareDpiAware();  // before any window exists and before the screen's DPI is read
    AppInstance = instance;
    if (OpenMainWindow(showCommand) == nullptr) {
        return 0;  // no window, so no loop: end at once
    }
    RunMessageLoop();
    return 0;  // every way out ends with 0
}
