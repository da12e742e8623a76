// Conversions as the user sees them in the result box, whatever starts them.

#include <utility>

#include "tests/behaviour/behaviour_fixture.h"

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
    EXPECT_EQ(BoxCount(), 0u);
}

struct Case {
    const wchar_t* input;
    int source, target;
    const wchar_t* result;
};

// What the window adds to the converter (whose own table the engine's tests
// hold): lower-case digits are upper-cased on the way, the input box keeps
// what was typed, a custom pair converts like a fixed one, and a number that
// is none in the source base says so.
TEST_F(ConversionTest, TheWindowUpperCasesTheInputAndShowsTheResult) {
    const Case cases[] = {
        {L"ff", 16, 2, L"11111111"},
        {L"z", 36, 10, L"35"},
        {L"ZZZZZZZ", 36, 16, L"3EDE3FFF"},
        {L"FFFFFFFFF", 16, 10, L"4294967295"},
        {L"12", 2, 10, L"输入有误！"},
        {L"1 0", 2, 8, L"输入有误！"},
    };
    for (const Case& c : cases) {
        ChoosePair(c.source, c.target);
        EXPECT_EQ(Convert(c.input), c.result) << c.source << " => " << c.target;
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
// anything did, the second run only tells the user so. Here a release on "=>"
// arrives while the first run writes its result.
HWND NestedRelease = nullptr;

LRESULT CALLBACK ReleaseWhileTheResultIsWritten(int code, WPARAM wParam, LPARAM lParam) {
    const auto* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && call->message == WM_SETTEXT && call->hwnd == Control(IDC_OUTPUT) && NestedRelease) {
        SendMessageW(std::exchange(NestedRelease, nullptr), WM_LBUTTONUP, 0, 0);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST_F(ConversionTest, ASecondRunWhileOneIsInProgressOnlyInforms) {
    SetText(IDC_INPUT, L"5");
    Click(IDC_10_TO_8);
    const HHOOK hook = SetWindowsHookExW(WH_CALLWNDPROC, ReleaseWhileTheResultIsWritten, nullptr,
                                         GetCurrentThreadId());
    NestedRelease = Control(IDC_ARROW_GO);
    Click(IDC_CONVERT);
    UnhookWindowsHookEx(hook);
    EXPECT_EQ(NestedRelease, nullptr) << "the release was sent";
    ASSERT_EQ(BoxCount(), 1u);
    EXPECT_EQ(watcher.Seen()[0].caption, L"提示");
    EXPECT_EQ(watcher.Seen()[0].text, L"您的操作速度还真快！上一次的计算都还在进行中...");
    EXPECT_EQ(watcher.Seen()[0].owner, window);
    EXPECT_EQ(TextOf(IDC_OUTPUT), L"5");  // the first run's result
    EXPECT_EQ(TextOf(IDC_INPUT), L"5");
    EXPECT_EQ(Focused(), IDC_INPUT);
    EXPECT_EQ(Convert(L"9"), L"11");  // and the next run converts again
    EXPECT_EQ(BoxCount(), 1u);
}

}  // namespace
