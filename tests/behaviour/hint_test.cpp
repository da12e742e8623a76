// The status bar shows the hint of the control under the mouse.

#include <vector>

#include "tests/behaviour/behaviour_fixture.h"
#include "tests/support/real_input.h"

using namespace drive;

namespace {

using HintTest = BehaviourTest;

TEST_F(HintTest, EverySubclassedControlShowsItsHint) {
    EXPECT_EQ(StatusText(), L"");
    const struct {
        ControlId id;
        const wchar_t* hint;
    } hints[] = {
        {IDC_INPUT, L"待转换的数字"},
        {IDC_ARROW_GO, L"转换"},
        {IDC_OUTPUT, L"转换结果"},
        {IDC_10_TO_2, L"从 10 进制转换到 2 进制"},
        {IDC_2_TO_10, L"从 2 进制转换到 10 进制"},
        {IDC_10_TO_8, L"从 10 进制转换到 8 进制"},
        {IDC_8_TO_10, L"从 8 进制转换到 10 进制"},
        {IDC_10_TO_16, L"从 10 进制转换到 16 进制"},
        {IDC_16_TO_10, L"从 16 进制转换到 10 进制"},
        {IDC_2_TO_8, L"从 2 进制转换到 8 进制"},
        {IDC_8_TO_2, L"从 8 进制转换到 2 进制"},
        {IDC_2_TO_16, L"从 2 进制转换到 16进制"},
        {IDC_16_TO_2, L"从 16 进制转换到 2 进制"},
        {IDC_8_TO_16, L"从 8 进制转换到 16 进制"},
        {IDC_16_TO_8, L"从 16 进制转换到 8 进制"},
        {IDC_FROM_BASE, L"允许输入范围：2 - 36"},
        {IDC_CLEAR, L"清空"},
        {IDC_TO_BASE, L"允许输入范围：2 - 36"},
        {IDC_CONVERT, L"转换"},
    };
    for (const auto& h : hints) {
        MoveOver(h.id);
        EXPECT_EQ(StatusText(), h.hint) << "control " << h.id;
    }
}

// The custom radio, the status bar, the label, the group boxes and the
// window's background have no hint of their own: the last one stays.
TEST_F(HintTest, OtherWindowsLeaveTheLastHint) {
    MoveOver(IDC_CLEAR);
    std::vector<HWND> others = {Control(IDC_CUSTOM), Control(IDC_STATUSBAR), window};
    for (HWND child = GetWindow(window, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
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
