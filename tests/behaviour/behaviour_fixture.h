#pragma once
// The main window started in this test's own process, with a watcher that
// records and closes every box it opens (message boxes by OK, the About box
// by its close request).

#include <gtest/gtest.h>

#include <functional>

#include "tests/behaviour/control_driver.h"
#include "tests/support/dialog_watcher.h"
#include "tests/support/gui_session.h"
#include "tests/support/main_window_fixture.h"

class BehaviourTest : public testsupport::MainWindowFixture {
protected:

    // Message boxes (with their text static) get OK; any other dialog is asked to close.
    static void CloseAnyBox(HWND dialog) {
        if (GetDlgItem(dialog, 0xFFFF) != nullptr) {
            testsupport::DialogWatcher::PressOk(dialog);
        } else {
            PostMessageW(dialog, WM_CLOSE, 0, 0);
        }
    }

    size_t BoxCount() const { return watcher.Seen().size(); }

    // The range warnings among the boxes seen from the mark on; each must be
    // owned by the main window and closed by the test, not by the watcher's
    // time limit.
    int WarningsSince(size_t mark) const {
        int count = 0;
        for (size_t i = mark; i < watcher.Seen().size(); ++i) {
            const testsupport::SeenDialog& box = watcher.Seen()[i];
            if (box.caption == L"警告") {
                EXPECT_EQ(box.text, L"允许输入范围：2 - 36");
                EXPECT_EQ(box.owner, window);
                EXPECT_FALSE(box.endedByWatcher);
                ++count;
            }
        }
        return count;
    }

    // Takes one user step and returns how many range warnings it brought;
    // any other box it opens fails the test.
    int WarningsFrom(const std::function<void()>& step) {
        const size_t mark = BoxCount();
        step();
        const int warnings = WarningsSince(mark);
        EXPECT_EQ(BoxCount() - mark, static_cast<size_t>(warnings)) << "a box other than the range warning";
        return warnings;
    }

    testsupport::DialogWatcher watcher{CloseAnyBox};
};
