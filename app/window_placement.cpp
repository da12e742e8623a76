#include "app/window_placement.h"

#include "ui/control_registry.h"

namespace {

LONG CentredStart(LONG available, LONG size) {
    return available > size ? (available - size) / 2 : 0;
}

}  // namespace

SIZE MainWindowSize() {
    return SIZE{ScaledToScreen(kMainWindowWidth), ScaledToScreen(kMainWindowHeight)};
}

POINT MainWindowOrigin(const RECT& workArea) {
    const SIZE size = MainWindowSize();
    return POINT{CentredStart(workArea.right - workArea.left, size.cx),
                 CentredStart(workArea.bottom - workArea.top, size.cy)};
}
