// The status bar shows the hint of the control under the mouse.

#include <vector>

#include "tests/behaviour/behaviour_fixture.h"
#include "tests/support/real_input.h"
#include "tests/support/window_tables.h"

using namespace drive;

namespace {

using HintTest = BehaviourTest;

TEST_F(HintTest, EverySubclassedControlShowsItsHint) {
    EXPECT_EQ(StatusText(), L"");
    for (const testsupport::ControlHint& h : testsupport::kControlHints) {
        MoveOver(static_cast<ControlId>(h.control));
        EXPECT_EQ(StatusText(), h.hint) << "control " << h.control;
    }
}

// The custom radio, the status bar, the label, the group boxes and the
// window's background have no hint of their own: the last one stays.
TEST_F(HintTest, OtherWindowsLeaveTheLastHint) {
    MoveOver(IDC_CLEAR);
    std::vector<HWND> others = {Control(IDC_CUSTOM), Control(IDC_STATUSBAR), window};
    for (const HWND child : testsupport::ChildrenInOrder(window)) {
        if (GetDlgCtrlID(child) == 0 && child != Control(IDC_STATUSBAR)) {
            others.push_back(child);  // the label and the six group boxes
        }
    }
    EXPECT_EQ(others.size(), 10u);
    for (HWND other : others) {
        SendMessageW(other, WM_MOUSEMOVE, 0, MAKELPARAM(3, 3));
        EXPECT_EQ(StatusText(), L"清空");
    }
}

// The real mouse: the platform's own mouse moves reach the controls.
TEST_F(HintTest, TheRealMouseShowsTheHintUnderIt) {
    SetForegroundWindow(window);
    testsupport::MovePointerTo(testsupport::CentreOf(Control(IDC_OUTPUT)));
    EXPECT_TRUE(testsupport::PumpUntil([] { return StatusText() == L"转换结果"; }, 2000));
    testsupport::MovePointerTo(testsupport::CentreOf(Control(IDC_2_TO_16)));
    EXPECT_TRUE(testsupport::PumpUntil([] { return StatusText() == L"从 2 进制转换到 16进制"; }, 2000));
}

}  // namespace
