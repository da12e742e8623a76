#include "ui/ui_globals.h"

HINSTANCE AppInstance = nullptr;
HWND MainWindow = nullptr;
HFONT UiFont = nullptr;

namespace {

constexpr int kDesignDpi = 96;

int ReadScreenDpi() {
    const HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : kDesignDpi;
}

}  // namespace

int ScreenDpi() {
    static const int dpi = ReadScreenDpi();
    return dpi;
}

int ScaledToScreen(int pixels) {
    return MulDiv(pixels, ScreenDpi(), kDesignDpi);
}
