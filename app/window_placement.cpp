#include "app/window_placement.h"

namespace {

LONG CentredStart(LONG available, LONG size) {
    return available > size ? (available - size) / 2 : 0;
}

}  // namespace

POINT MainWindowOrigin(const RECT& workArea) {
    return POINT{CentredStart(workArea.right - workArea.left, kMainWindowWidth),
                 CentredStart(workArea.bottom - workArea.top, kMainWindowHeight)};
}
