// Choosing the base pair: the twelve radio buttons and the custom radio. The
// pair a conversion uses is always the one the window shows.

#include <iterator>

#include "tests/behaviour/behaviour_fixture.h"
#include "tests/support/window_tables.h"

using namespace drive;

namespace {

using PairTest = BehaviourTest;

void ExpectOnlyChecked(ControlId checked) {
    for (const testsupport::FixedPair& pair : testsupport::kFixedPairs) {
        EXPECT_EQ(IsChecked(static_cast<ControlId>(pair.radio)), pair.radio == checked) << "radio " << pair.radio;
    }
    EXPECT_EQ(IsChecked(IDC_CUSTOM), checked == IDC_CUSTOM);
}

// The state right after start-up.
TEST_F(PairTest, StartsWithTenToTwoCheckedAndTheFocusInTheInputBox) {
    ExpectOnlyChecked(IDC_10_TO_2);
    EXPECT_EQ(Focused(), IDC_INPUT);
    EXPECT_EQ(TextOf(IDC_INPUT), L"");
    EXPECT_EQ(TextOf(IDC_OUTPUT), L"");
    EXPECT_TRUE(UsesPair(10, 2));
}

// A completed click sets the check mark and the pair together; all thirteen
// radio buttons are one group. The start pair, 10 => 2, comes last.
TEST_F(PairTest, EachRadioButtonSetsItsPair) {
    const size_t count = std::size(testsupport::kFixedPairs);
    for (size_t i = 1; i <= count; ++i) {
        const testsupport::FixedPair& pair = testsupport::kFixedPairs[i % count];
        const auto radio = static_cast<ControlId>(pair.radio);
        Click(radio);
        ExpectOnlyChecked(radio);
        EXPECT_TRUE(UsesPair(pair.source, pair.target));
    }
    Click(IDC_CUSTOM);
    ExpectOnlyChecked(IDC_CUSTOM);
}

// A press released away from the button is no click: neither the check mark
// nor the pair moves.
TEST_F(PairTest, APressReleasedAwayChangesNothing) {
    Press(IDC_2_TO_8);
    ReleaseAt(IDC_2_TO_8, 200, -30);
    ExpectOnlyChecked(IDC_10_TO_2);
    EXPECT_TRUE(UsesPair(10, 2));

    // The space bar completes a click on the focused button just as well.
    Press(IDC_2_TO_8);
    ReleaseAt(IDC_2_TO_8, -5, 5);
    Key(IDC_2_TO_8, VK_SPACE);
    ExpectOnlyChecked(IDC_2_TO_8);
    EXPECT_TRUE(UsesPair(2, 8));
}

// With 5 in the source box and the focus in it, a click on "10 => 2" leaves
// 10 => 2 checked, and that is the pair: 123 gives 1111011.
TEST_F(PairTest, AFixedPairClickedWhileABaseBoxHasTheFocusWins) {
    Click(IDC_16_TO_10);
    Enter(IDC_FROM_BASE, L"5");
    ASSERT_EQ(Focused(), IDC_FROM_BASE);
    Click(IDC_10_TO_2);
    ExpectOnlyChecked(IDC_10_TO_2);
    EXPECT_EQ(Convert(L"123"), L"1111011");
    EXPECT_TRUE(UsesPair(10, 2));

    Enter(IDC_TO_BASE, L"7");
    Click(IDC_8_TO_16);
    EXPECT_TRUE(UsesPair(8, 16));
    EXPECT_EQ(BoxCount(), 0u);
}

// Checking the custom radio, by a click on it or by a click into a base box,
// takes the bases both boxes show.
TEST_F(PairTest, TheCustomPairIsTheBasesTheBoxesShow) {
    SetText(IDC_FROM_BASE, L"5");
    SetText(IDC_TO_BASE, L"7");
    Click(IDC_16_TO_10);
    Click(IDC_CUSTOM);
    EXPECT_TRUE(UsesPair(5, 7));

    Click(IDC_16_TO_10);
    Click(IDC_TO_BASE);
    ExpectOnlyChecked(IDC_CUSTOM);
    Click(IDC_INPUT);
    EXPECT_TRUE(UsesPair(5, 7));

    // A box that is empty or holds no valid base keeps its half, silently.
    Click(IDC_16_TO_10);
    SetText(IDC_FROM_BASE, L"");
    SetText(IDC_TO_BASE, L"99");
    Click(IDC_CUSTOM);
    EXPECT_TRUE(UsesPair(16, 10));
    EXPECT_EQ(BoxCount(), 0u);
}

// A base box writes its half only while the custom pair is chosen, and a
// conversion with the custom pair takes whatever valid bases the boxes show,
// however they got there. Each box in turn.
TEST_F(PairTest, TheShownPairIsUsedHoweverABaseReachedItsBox) {
    for (const ControlId box : {IDC_FROM_BASE, IDC_TO_BASE}) {
        const ControlId other = box == IDC_FROM_BASE ? IDC_TO_BASE : IDC_FROM_BASE;
        SCOPED_TRACE(box == IDC_FROM_BASE ? "the source box" : "the target box");
        Click(IDC_10_TO_2);

        // The focus in the box without a click into it (a right-click gives
        // it), "10 => 2" still checked.
        SetFocus(Control(box));
        SetText(box, L"16");
        EXPECT_EQ(Convert(L"17"), L"10001");

        // A press on "8 => 16" warns about the box's 1 and hands the focus
        // back; the click completes all the same.
        SetText(box, L"1");
        Click(box);
        Click(IDC_8_TO_16);
        ExpectOnlyChecked(IDC_8_TO_16);
        ASSERT_EQ(Focused(), box);
        SetText(box, L"10");
        EXPECT_EQ(Convert(L"17"), L"F");

        // A base pasted into the box (from its context menu) while the other,
        // rejected, keeps the focus: 9, with 16 in the other box.
        SetText(box, L"");
        Enter(other, L"1");
        SetText(box, L"9");
        SetText(other, L"16");
        EXPECT_EQ(Convert(L"17"), box == IDC_FROM_BASE ? L"10" : L"25");
        SetText(box, L"");
        SetText(other, L"");
    }
    EXPECT_EQ(BoxCount(), 4u);  // the two warnings about 1, for each box
}

TEST_F(PairTest, ClickingIntoAnEmptyBoxKeepsThePair) {
    Click(IDC_8_TO_2);
    Click(IDC_FROM_BASE);
    ExpectOnlyChecked(IDC_CUSTOM);
    Click(IDC_TO_BASE);
    Click(IDC_INPUT);
    EXPECT_TRUE(UsesPair(8, 2));
    EXPECT_EQ(BoxCount(), 0u);
}

}  // namespace
