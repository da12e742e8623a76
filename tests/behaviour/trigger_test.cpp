// What starts a conversion and what does not, and the clear button.

#include "tests/behaviour/behaviour_fixture.h"

using namespace drive;

namespace {

using TriggerTest = BehaviourTest;

TEST_F(TriggerTest, BothConvertButtonsConvertOnTheRelease) {
    for (const ControlId button : {IDC_CONVERT, IDC_ARROW_GO}) {
        SetText(IDC_OUTPUT, L"");
        SetText(IDC_INPUT, L"12");
        MoveOver(button);
        Press(button);
        EXPECT_EQ(TextOf(IDC_OUTPUT), L"") << button;
        EXPECT_EQ(Focused(), button);
        Release(button);
        EXPECT_EQ(TextOf(IDC_OUTPUT), L"1100") << button;
        EXPECT_EQ(Focused(), IDC_INPUT);
    }
}

// Every release that reaches a convert button converts: one whose press
// began elsewhere, one away from the button, and each release of a double click.
TEST_F(TriggerTest, EveryReleaseOnAConvertButtonConverts) {
    SetText(IDC_INPUT, L"3");
    Release(IDC_CONVERT);
    EXPECT_EQ(TextOf(IDC_OUTPUT), L"11");

    SetText(IDC_OUTPUT, L"");
    Press(IDC_ARROW_GO);
    ReleaseAt(IDC_ARROW_GO, -40, -40);
    EXPECT_EQ(TextOf(IDC_OUTPUT), L"11");

    SetText(IDC_OUTPUT, L"");
    Click(IDC_CONVERT);
    EXPECT_EQ(TextOf(IDC_OUTPUT), L"11");
    SetText(IDC_OUTPUT, L"");
    SendMessageW(Control(IDC_CONVERT), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(5, 5));
    EXPECT_EQ(TextOf(IDC_OUTPUT), L"");
    Release(IDC_CONVERT);
    EXPECT_EQ(TextOf(IDC_OUTPUT), L"11");
}

TEST_F(TriggerTest, EnterConvertsOnItsReleaseOnly) {
    SetFocus(Control(IDC_INPUT));
    SetText(IDC_INPUT, L"7");
    SendMessageW(Control(IDC_INPUT), WM_KEYDOWN, VK_RETURN, 1);
    SendMessageW(Control(IDC_INPUT), WM_KEYDOWN, VK_RETURN, 1 | (1 << 30));  // held: repeats
    EXPECT_EQ(TextOf(IDC_OUTPUT), L"");
    Key(IDC_INPUT, VK_RETURN);
    EXPECT_EQ(TextOf(IDC_OUTPUT), L"111");
    EXPECT_EQ(Focused(), IDC_INPUT);

    SetText(IDC_OUTPUT, L"");
    for (const UINT key : {UINT{VK_SPACE}, UINT{'A'}, UINT{VK_TAB}, UINT{VK_ESCAPE}}) {
        Key(IDC_INPUT, key);
    }
    EXPECT_EQ(TextOf(IDC_OUTPUT), L"");
}

TEST_F(TriggerTest, ClearEmptiesBothBoxesAndKeepsEverythingElse) {
    SetText(IDC_FROM_BASE, L"5");
    SetText(IDC_TO_BASE, L"7");
    Click(IDC_8_TO_16);
    EXPECT_EQ(Convert(L"777"), L"1FF");
    Click(IDC_CLEAR);
    EXPECT_EQ(TextOf(IDC_INPUT), L"");
    EXPECT_EQ(TextOf(IDC_OUTPUT), L"");
    EXPECT_EQ(Focused(), IDC_INPUT);
    EXPECT_TRUE(IsChecked(IDC_8_TO_16));
    EXPECT_EQ(TextOf(IDC_FROM_BASE), L"5");
    EXPECT_EQ(TextOf(IDC_TO_BASE), L"7");
    EXPECT_TRUE(UsesPair(8, 16));
}

}  // namespace
