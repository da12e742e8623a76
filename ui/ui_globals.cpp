#include "ui/ui_globals.h"

HINSTANCE AppInstance = nullptr;
HWND MainWindow = nullptr;
HFONT UiFont = nullptr;
