#include "engine/text_bridge.h"

#include <gtest/gtest.h>

#include <clocale>
#include <functional>
#include <string>
#include <vector>

namespace {

std::string CurrentCtype() {
    const char* name = std::setlocale(LC_CTYPE, nullptr);
    return name != nullptr ? name : "";
}

// Where the runtime has a code page 936 locale: under Windows always ("chs"),
// natively only where a GBK locale has been generated.
class TextBridge : public ::testing::Test {
protected:
    void SetUp() override {
        if (!NarrowLocaleAvailable()) {
#if defined(_WIN32)
            FAIL() << "the runtime does not know the locale \"chs\"";
#else
            GTEST_SKIP() << "no code page 936 locale (zh_CN.GBK) on this machine";
#endif
        }
    }
    void TearDown() override { std::setlocale(LC_CTYPE, "C"); }
};

TEST_F(TextBridge, EmptyTextBothWays) {
    EXPECT_EQ(WideToNarrow(L""), "");
    EXPECT_EQ(NarrowToWide(""), L"");
}

TEST_F(TextBridge, AsciiIsOneByteEachWay) {
    std::string narrow;
    std::wstring wide;
    for (char c = 0x20; c < 0x7F; ++c) {
        narrow += c;
        wide += static_cast<wchar_t>(c);
    }
    EXPECT_EQ(WideToNarrow(wide), narrow);
    EXPECT_EQ(NarrowToWide(narrow), wide);
}

TEST_F(TextBridge, ChineseCharactersAreTwoBytes) {
    EXPECT_EQ(WideToNarrow(L"\u4E2D"), "\xD6\xD0");  // 中
    EXPECT_EQ(NarrowToWide("\xD6\xD0"), L"\u4E2D");
    EXPECT_EQ(WideToNarrow(L"1\u8AAA2"), "1\xD5\x66" "2");  // 說
}

TEST_F(TextBridge, StopsAtFirstZeroCharacter) {
    EXPECT_EQ(WideToNarrow(std::wstring(L"12\0" L"34", 5)), "12");
    EXPECT_EQ(NarrowToWide(std::string("12\0" "34", 5)), L"12");
    EXPECT_EQ(WideToNarrow(std::wstring(L"\0" L"5", 2)), "");
}

// Text made only of characters below 0x80 takes a shortcut past the locale;
// whichever way a text goes, it must come out as the locale path gives it.
TEST_F(TextBridge, AsciiShortcutGivesWhatTheLocalePathGives) {
    struct Text {
        std::wstring wide;
        std::string narrow;
    };
    std::vector<Text> texts;
    Text allAscii;
    for (int c = 0; c < 0x80; ++c) {
        texts.push_back({std::wstring(1, wchar_t(c)), std::string(1, char(c))});
        if (c > 0) {
            allAscii.wide += wchar_t(c);
            allAscii.narrow += char(c);
        }
    }
    texts.push_back(allAscii);
    texts.insert(texts.end(), {
        {L"1\u4E2D2", "1\xD6\xD0" "2"},                         // ASCII around a Chinese character
        {L"\u8AAA" L"ff", "\xD5\x66" "ff"},                     // a second byte that looks like 'f'
        {L"ff\u00B2", "ff\x81"},                                // unconvertible either way
        {L"\x7F\x80", "\x7F\x80"},                              // just past ASCII
        {std::wstring(L"12\0\u4E2D", 4), std::string("12\0\xD6\xD0", 5)},  // ASCII up to the zero only
        {std::wstring(L"\u4E2D\0" L"12", 4), std::string("\xD6\xD0\0" "12", 5)},
        {std::wstring(L"\0\u4E2D", 2), std::string("\0\xD6\xD0", 3)},
        {std::wstring(L"\0" L"12", 3), std::string("\0" "12", 3)},
    });
    for (std::size_t i = 0; i < texts.size(); ++i) {
        EXPECT_EQ(WideToNarrow(texts[i].wide), WideToNarrowInLocale(texts[i].wide)) << "text " << i;
        EXPECT_EQ(NarrowToWide(texts[i].narrow), NarrowToWideInLocale(texts[i].narrow)) << "text " << i;
    }
}

// None of these may come out as a text the converter would read as a number.
TEST_F(TextBridge, UnconvertibleWideCharactersBecomeOneMarkEach) {
    const struct {
        std::wstring wide;
        std::string narrow;
    } cases[] = {
        {L"\U0001F600", "?"},                      // emoji: a surrogate pair on Windows
        {L"1\U0001F600" L"2", "1?2"},
        {std::wstring{L'1', wchar_t(0xD800), L'2'}, "1?2"},  // lone high surrogate
        {std::wstring{L'1', wchar_t(0xDC00)}, "1?"},         // lone low surrogate
        {std::wstring{wchar_t(0xDBFF)}, "?"},
        {L"\u00B2", "?"},                          // superscript two: never "2"
        {L"1\u00B2\u00BD", "1??"},                 // superscript two, one half
        {L"\u00F1\u00E7\u00DF\u00A9", "????"},     // accented and other Latin letters
        {L"\u4E2D\u00B2F", "\xD6\xD0?F"},
        {L"\U000E0060\U000E000E", "??"},  // tag characters: glibc dropped them, then aborted
    };
    for (const auto& c : cases) {
        EXPECT_EQ(WideToNarrow(c.wide), c.narrow) << "of " << c.wide.size() << " units";
    }
}

TEST_F(TextBridge, InvalidByteSequencesBecomeOneMarkPerByte) {
    EXPECT_EQ(NarrowToWide("\x81"), L"?");           // lead byte with nothing after it
    EXPECT_EQ(NarrowToWide("1\x81"), L"1?");
    EXPECT_EQ(NarrowToWide("\x81\x30" "5"), L"?05");  // no valid second byte
    EXPECT_EQ(NarrowToWide("\xD6\xD0\x81"), L"\u4E2D?");
}

TEST_F(TextBridge, UpperCasingKeepsDoubleByteCharacters) {
    const std::string narrow = ToUpperCopy(WideToNarrow(L"\u8AAAff"));  // 說ff
    EXPECT_EQ(NarrowToWide(narrow), L"\u8AAA" L"FF");
}

TEST_F(TextBridge, LocaleIsPutBackAfterEveryConversion) {
    // Any locale other than the code page 936 one will do; one that differs
    // from "C" shows that the bridge does not just reset to "C".
    for (const char* name : {"C.UTF-8", "C.utf8", "English_United States.1252", "English", "C"}) {
        if (std::setlocale(LC_CTYPE, name) != nullptr) {
            break;
        }
    }
    const std::string before = CurrentCtype();
    const std::vector<std::function<void()>> conversions = {
        [] { WideToNarrow(L"12"); },
        [] { WideToNarrow(L""); },
        [] { WideToNarrow(L"\U0001F600\u00B2"); },
        [] { NarrowToWide("\xD6\xD0"); },
        [] { NarrowToWide("\x81"); },
        [] { NarrowLocaleAvailable(); },
    };
    for (std::size_t i = 0; i < conversions.size(); ++i) {
        conversions[i]();
        EXPECT_EQ(CurrentCtype(), before) << "after conversion " << i;
    }
}

TEST(ToUpperCopy, UpperCasesOnlyAsciiLetters) {
    const struct {
        std::string text;
        std::string upper;
    } cases[] = {
        {"ff", "FF"},
        {"1a2b", "1A2B"},
        {"", ""},
        {"09AZaz!@#-+ .", "09AZAZ!@#-+ ."},
        {"\x80\xFF\xA0", "\x80\xFF\xA0"},
        {"\xD5\x66", "\xD5\x66"},               // 說: its second byte is no 'f'
        {"a\xD6\xD0" "b\xD5\x66" "c", "A\xD6\xD0" "B\xD5\x66" "C"},
        {"\x81\x81" "a", "\x81\x81" "A"},       // second byte may itself look like a lead byte
        {"a\x81", "A\x81"},                     // lead byte at the end
        {"\x80" "a\xFF" "b", "\x80" "A\xFF" "B"},  // 0x80 and 0xFF lead nothing
        {std::string("a\0b", 3), std::string("A\0B", 3)},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ToUpperCopy(c.text), c.upper) << '"' << c.text << '"';
    }
}

}  // namespace
