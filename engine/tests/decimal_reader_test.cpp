#include "engine/decimal_reader.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(ReadLeadingDecimal, ReadsLikeAtoiWithoutOverflow) {
    const struct {
        std::string text;
        long long value;
    } cases[] = {
        {"", 0},
        {"abc", 0},
        {"+5", 5},
        {"-5", -5},
        {"007", 7},
        {"12ab", 12},
        {"36", 36},
        {" \t\n\v\f\r 16", 16},
        {"- 5", 0},
        {"+-5", 0},
        {"1 2", 1},
        {std::string("3\0" "4", 3), 3},
        {"\xA1\xA1" "12", 0},  // a double-byte space is no white space
        {"2147483647", 2147483647},
        {"2147483648", kDecimalReaderLimit},
        {"4294967298", kDecimalReaderLimit},
        {"99999999999999999999", kDecimalReaderLimit},
        {"-99999999999999999999", -kDecimalReaderLimit},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ReadLeadingDecimal(c.text), c.value) << '"' << c.text << '"';
    }
}

}  // namespace
