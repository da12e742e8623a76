// Quendrix: converts an unsigned 32-bit number between bases 2 to 36.

#include <windows.h>

#include "app/main_window.h"
#include "ui/ui_globals.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE /*previous*/, LPSTR /*commandLine*/, int showCommand) {
    AppInstance = instance;
    if (OpenMainWindow(showCommand) == nullptr) {
        return 0;  // no window, so no loop: end at once
    }
    RunMessageLoop();
    return 0;  // every way out ends with 0
}
