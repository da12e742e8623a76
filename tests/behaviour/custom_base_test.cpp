// The two custom base boxes: a click into one, and what each text leaves in
// the pair when the box loses the focus.

#include "tests/behaviour/behaviour_fixture.h"
#include "tests/support/real_input.h"

using namespace drive;

namespace {

using CustomBaseTest = BehaviourTest;

TEST_F(CustomBaseTest, AClickIntoABoxChoosesTheCustomPairAndSelectsTheText) {
    for (const ControlId box : {IDC_FROM_BASE, IDC_TO_BASE}) {
        Click(IDC_16_TO_2);
        SetText(box, L"12");
        Click(box);
        EXPECT_TRUE(IsChecked(IDC_CUSTOM));
        EXPECT_FALSE(IsChecked(IDC_16_TO_2));
        EXPECT_EQ(Focused(), box);
        EXPECT_TRUE(WholeTextSelected(box));
    }
    EXPECT_EQ(BoxCount(), 0u);
}

// Read like atoi, but without overflow: leading white space and a sign keep
// their meaning, the digits end at the first other character, and a
// character code page 936 cannot hold is such a character.
TEST_F(CustomBaseTest, BasesFromTwoToThirtySixAreStored) {
    Enter(IDC_TO_BASE, L"10");
    const struct {
        const wchar_t* text;
        int base;
    } accepted[] = {
        {L"2", 2}, {L"36", 36}, {L"007", 7}, {L"12ab", 12}, {L"+5", 5}, {L" 9", 9}, {L"12\U0001F600", 12},
        {L"3\u00F1", 3}, {L"0000000000000000000000000000035", 35},
    };
    for (const auto& a : accepted) {
        Enter(IDC_FROM_BASE, a.text);
        Click(IDC_INPUT);
        EXPECT_TRUE(UsesPair(a.base, 10)) << a.base;
    }
    Enter(IDC_TO_BASE, L"36");
    Click(IDC_CONVERT);
    EXPECT_TRUE(UsesPair(35, 36));
    EXPECT_EQ(BoxCount(), 0u);
}

// A paste far longer than the box is cut short at once (an edit box that does
// not scroll used to trim it a character at a time, for hours), and what stays
// is read by its leading digits.
TEST_F(CustomBaseTest, ALongPasteIsCutShortAndTheProgramGoesOnConverting) {
    Enter(IDC_TO_BASE, L"10");
    Click(IDC_FROM_BASE);
    const std::wstring paste = L"12" + std::wstring(29998, L'a');
    ASSERT_TRUE(testsupport::PutOnClipboard(paste));
    SendMessageW(Control(IDC_FROM_BASE), WM_PASTE, 0, 0);
    EXPECT_EQ(TextOf(IDC_FROM_BASE).substr(0, 3), L"12a");
    EXPECT_EQ(Convert(L"11"), L"13");
    EXPECT_EQ(BoxCount(), 0u);
}

TEST_F(CustomBaseTest, OtherTextIsRejectedWithTheWarningAndKeepsTheFocus) {
    Enter(IDC_FROM_BASE, L"3");
    Enter(IDC_TO_BASE, L"5");
    Click(IDC_INPUT);
    const std::wstring rejected[] = {
        L"0", L"1", L"37", L"-5", L"x12", L"abc", L" ", L"+", L"99999999999999999999", L"4294967298",
        L"2147483650", L"\U0001F600", L"\u00F1", L"\uD55C",
    };
    for (const ControlId box : {IDC_FROM_BASE, IDC_TO_BASE}) {
        for (const std::wstring& text : rejected) {
            Enter(box, text);
            ASSERT_EQ(WarningsFrom([] { Click(IDC_INPUT); }), 1) << text.size() << " characters in box " << box;
            EXPECT_EQ(Focused(), box);
            EXPECT_EQ(TextOf(box), text);
            EXPECT_TRUE(WholeTextSelected(box));
            SetText(box, L"");  // empty: leaving stores nothing and says nothing
            EXPECT_EQ(WarningsFrom([] { Click(IDC_INPUT); }), 0);
        }
    }
    EXPECT_TRUE(UsesPair(3, 5));
}

}  // namespace
