// The About text's line structure.

#include <gtest/gtest.h>

#include "app/about_dialog.h"
#include "app/web_addresses.h"

namespace {

std::vector<std::wstring> SplitLines(const std::wstring& text) {
    std::vector<std::wstring> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find(L"\r\n", start)) != std::wstring::npos; start = end + 2) {
        lines.push_back(text.substr(start, end - start));
    }
    lines.push_back(text.substr(start));
    return lines;
}

bool StartsWith(const std::wstring& text, const std::wstring& prefix) {
    return text.compare(0, prefix.size(), prefix) == 0;
}

TEST(AboutText, FifteenLinesWithLabelsInPlace) {
    const std::wstring text = AboutText();
    ASSERT_GE(text.size(), 2u);
    EXPECT_NE(text.substr(text.size() - 2), L"\r\n") << "no line break after the last line";
    const std::vector<std::wstring> lines = SplitLines(text);
    ASSERT_EQ(lines.size(), 15u);
    EXPECT_EQ(lines[0], L"版本：1.3");
    EXPECT_EQ(lines[2], L"发布日期：2010-09-16");
    EXPECT_TRUE(StartsWith(lines[4], L"使用许可：") && lines[4].size() > 5);
    EXPECT_TRUE(StartsWith(lines[8], L"作者："));
    EXPECT_EQ(lines[8].substr(lines[8].size() - 8), L"(Tavrel)");
    EXPECT_TRUE(StartsWith(lines[10], L"QQ："));
    EXPECT_TRUE(StartsWith(lines[12], L"邮箱："));
    EXPECT_EQ(lines[14], std::wstring(L"MSN 空间：") + kAuthorSpaceAddress)
        << "the address the menu opens";
    for (int empty : {1, 3, 5, 6, 7, 9, 11, 13}) {
        EXPECT_EQ(lines[empty], L"") << "line " << empty + 1;
    }
    for (const std::wstring& line : lines) {
        EXPECT_EQ(line.find_first_of(L"\r\n"), std::wstring::npos) << "a CR or LF outside a CR LF pair";
    }
}

}  // namespace
