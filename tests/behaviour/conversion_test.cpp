// Conversions as the user sees them in the result box, whatever starts them.

#include "tests/behaviour/behaviour_fixture.h"
#include "ui/nesting_state.h"

using namespace drive;

namespace {

using ConversionTest = BehaviourTest;

TEST_F(ConversionTest, RoadOfOneConversion) {
    Click(IDC_16_TO_10);
    SetText(IDC_INPUT, L"ff");
    Click(IDC_CONVERT);
    EXPECT_EQ(TextOf(IDC_OUTPUT), L"255");
    EXPECT_EQ(TextOf(IDC_INPUT), L"ff");  // upper-cased only on the way to the engine
    EXPECT_EQ(Focused(), IDC_INPUT);
    EXPECT_FALSE(IsConverting);
    EXPECT_EQ(BoxCount(), 0u);
}

struct Case {
    const wchar_t* input;
    int source, target;
    const wchar_t* result;
};

// The converter's own table, for every pair the window can express: the
// twelve fixed pairs directly, the others through the custom base boxes.
// Lower-case input is upper-cased by the window, so "ff" converts here.
TEST_F(ConversionTest, ConverterTableThroughTheWindow) {
    const std::wstring ones32(32, L'1'), ones33(33, L'1');
    const Case cases[] = {
        {L"FF", 16, 2, L"11111111"},
        {L"ff", 16, 2, L"11111111"},
        {L"255", 10, 16, L"FF"},
        {L"0", 2, 10, L"0"},
        {L"0", 10, 2, L"0"},
        {L"000", 16, 2, L"0"},
        {L"0010", 2, 16, L"2"},
        {L"1111", 2, 8, L"17"},
        {L"37", 8, 2, L"11111"},
        {L"777", 8, 16, L"1FF"},
        {L"Z", 36, 10, L"35"},
        {L"z", 36, 10, L"35"},
        {L"10", 36, 2, L"100100"},
        {L"2147483647", 10, 16, L"7FFFFFFF"},
        {L"7FFFFFFF", 16, 8, L"17777777777"},
        {L"80000000", 16, 10, L"2147483648"},
        {L"FFFFFFFF", 16, 10, L"4294967295"},
        {L"FFFFFFFFF", 16, 10, L"4294967295"},
        {L"100000000", 16, 2, L"0"},
        {ones32.c_str(), 2, 10, L"4294967295"},
        {ones33.c_str(), 2, 10, L"4294967295"},
        {L"4294967295", 10, 16, L"FFFFFFFF"},
        {L"4294967296", 10, 16, L"0"},
        {L"ZZZZZZZ", 36, 10, L"1054752767"},
        {L"ZZZZZZZ", 36, 16, L"3EDE3FFF"},
        {L"12", 10, 10, L"12"},
        {L"abc", 16, 16, L"ABC"},
        {L"12", 2, 10, L"输入有误！"},
        {L"1A", 10, 16, L"输入有误！"},
        {L"-5", 10, 2, L"输入有误！"},
        {L" 12", 10, 2, L"输入有误！"},
        {L"1 0", 2, 8, L"输入有误！"},
        {L"G", 16, 10, L"输入有误！"},
        {L"8", 8, 2, L"输入有误！"},
    };
    for (const Case& c : cases) {
        ChoosePair(c.source, c.target);
        EXPECT_EQ(Convert(c.input), c.result) << "\"" << std::wstring(c.input).size() << " chars\" " << c.source
                                              << " => " << c.target;
        EXPECT_EQ(TextOf(IDC_INPUT), c.input);
    }
    EXPECT_EQ(BoxCount(), 0u);
}

TEST_F(ConversionTest, EmptyInputEmptiesTheResult) {
    EXPECT_EQ(Convert(L"1010"), Digits(1010, 2));  // 10 => 2 from the start
    EXPECT_EQ(Convert(L""), L"");
    EXPECT_EQ(Focused(), IDC_INPUT);
}

TEST_F(ConversionTest, EqualCustomBasesCopyTheTextUpperCased) {
    ChoosePair(7, 7);
    EXPECT_EQ(Convert(L"a-b.c 9!"), L"A-B.C 9!");
    EXPECT_EQ(Convert(L"中文abc"), L"中文ABC");
    EXPECT_EQ(Convert(L"說ab"), L"說AB");  // the second byte of 說 is no letter to upper-case
}

// Characters code page 936 cannot hold (an emoji, ñ, a Korean syllable) never
// come out as a number: with two different bases the input is rejected, with
// equal bases each is copied as '?'.
TEST_F(ConversionTest, UnconvertibleCharactersAreNoDigits) {
    const std::wstring loneSurrogate(1, static_cast<wchar_t>(0xD800));
    const std::wstring inputs[] = {L"1\U0001F600", L"\U0001F600", L"\u00F1", L"1\uD55C0", loneSurrogate};
    for (const auto& pair : {std::make_pair(10, 2), std::make_pair(16, 10), std::make_pair(36, 2)}) {
        ChoosePair(pair.first, pair.second);
        for (const std::wstring& input : inputs) {
            EXPECT_EQ(Convert(input), L"输入有误！") << pair.first << " => " << pair.second;
        }
    }
    ChoosePair(16, 16);
    EXPECT_EQ(Convert(L"a\U0001F600b"), L"A?B");
    EXPECT_EQ(Convert(L"\u00F1\uD55C"), L"??");
}

// Nothing on the triggers' paths can run a conversion inside another, but if
// anything did, the second run only tells the user so.
TEST_F(ConversionTest, ASecondRunWhileOneIsInProgressOnlyInforms) {
    SetText(IDC_OUTPUT, L"before");
    SetText(IDC_INPUT, L"5");
    Click(IDC_10_TO_8);
    SetFocus(Control(IDC_CLEAR));
    IsConverting = true;
    Click(IDC_CONVERT);
    IsConverting = false;
    ASSERT_EQ(BoxCount(), 1u);
    EXPECT_EQ(watcher.Seen()[0].caption, L"提示");
    EXPECT_EQ(watcher.Seen()[0].text, L"您的操作速度还真快！上一次的计算都还在进行中...");
    EXPECT_EQ(watcher.Seen()[0].owner, window);
    EXPECT_EQ(TextOf(IDC_OUTPUT), L"before");
    EXPECT_EQ(TextOf(IDC_INPUT), L"5");
    EXPECT_EQ(Focused(), IDC_INPUT);
    EXPECT_EQ(Convert(L"9"), L"11");  // and the next run converts again
}

}  // namespace
