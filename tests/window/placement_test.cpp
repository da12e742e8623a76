// Where the main window goes for a given work area.

#include <gtest/gtest.h>

#include "app/window_placement.h"

namespace {

struct PlacementCase {
    RECT workArea;
    LONG x, y;
};

TEST(MainWindowOrigin, CentresOnAWorkAreaSizedRectangleAtTheScreenOrigin) {
    const PlacementCase cases[] = {
        {{0, 0, 1024, 738}, 334, 189},     // remainders dropped: 669 / 2, 378 / 2
        {{0, 0, 1024, 768}, 334, 204},
        {{0, 0, 355, 360}, 0, 0},          // exactly the window's size
        {{0, 0, 356, 361}, 0, 0},          // one pixel more halves to 0
        {{0, 0, 357, 362}, 1, 1},
        {{0, 0, 300, 200}, 0, 0},          // smaller than the window
        {{60, 0, 1060, 768}, 322, 204},    // task bar on the left: its width is not added
        {{0, 40, 1024, 768}, 334, 184},    // task bar on top
        {{0, 0, 0, 0}, 0, 0},
    };
    for (const PlacementCase& c : cases) {
        const RECT& w = c.workArea;
        SCOPED_TRACE(testing::Message() << w.left << "," << w.top << "," << w.right << "," << w.bottom);
        const POINT origin = MainWindowOrigin(w);
        EXPECT_EQ(origin.x, c.x);
        EXPECT_EQ(origin.y, c.y);
    }
}

}  // namespace
