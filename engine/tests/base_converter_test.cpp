#include "engine/base_converter.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/tests/conversion_oracle.h"

namespace {

struct Case {
    std::string text;
    int from;
    int to;
    std::string result;
    bool failed;
};

void ExpectConversions(const std::vector<Case>& cases) {
    BaseConverter converter;
    for (const Case& c : cases) {
        SCOPED_TRACE("\"" + c.text + "\" " + std::to_string(c.from) + " => " + std::to_string(c.to));
        converter.ConvertBetweenBases(c.text, c.from, c.to);
        EXPECT_EQ(converter.HasFailed(), c.failed);
        EXPECT_EQ(converter.ResultText(), c.result);
    }
}

void ExpectMatchesOracle(BaseConverter& converter, const std::string& text, int from, int to) {
    const OracleResult expected = OracleConvert(text, from, to);
    converter.ConvertBetweenBases(text, from, to);
    ASSERT_EQ(converter.HasFailed(), expected.failed) << '"' << text << "\" " << from << " => " << to;
    ASSERT_EQ(converter.ResultText(), expected.text) << '"' << text << "\" " << from << " => " << to;
}

constexpr std::uint64_t kTwoTo32 = std::uint64_t{1} << 32;

TEST(BaseConverter, KnownConversions) {
    ExpectConversions({
        {"FF", 16, 2, "11111111", false},
        {"255", 10, 16, "FF", false},
        {"0", 2, 10, "0", false},
        {"0", 10, 2, "0", false},
        {"000", 16, 2, "0", false},
        {"0010", 2, 16, "2", false},
        {"1111", 2, 8, "17", false},
        {"37", 8, 2, "11111", false},
        {"777", 8, 16, "1FF", false},
        {"Z", 36, 10, "35", false},
        {"10", 36, 2, "100100", false},
        {"2147483647", 10, 16, "7FFFFFFF", false},
        {"7FFFFFFF", 16, 8, "17777777777", false},
        {"80000000", 16, 10, "2147483648", false},
        {"FFFFFFFF", 16, 10, "4294967295", false},
        {"FFFFFFFFF", 16, 10, "4294967295", false},
        {"100000000", 16, 2, "0", false},
        {std::string(32, '1'), 2, 10, "4294967295", false},
        {std::string(33, '1'), 2, 10, "4294967295", false},
        {"ZZZZZZZ", 36, 10, "1054752767", false},
        {"ZZZZZZZ", 36, 16, "3EDE3FFF", false},
        {"", 2, 16, "0", false},
        {"", 10, 16, "0", false},
        {"12", 10, 10, "12", false},
        {"abc", 16, 16, "abc", false},
        {"ff", 16, 2, "", true},
        {"12", 2, 10, "", true},
        {"1A", 10, 16, "", true},
        {"-5", 10, 2, "", true},
        {" 12", 10, 2, "", true},
    });
}

TEST(BaseConverter, DecimalSourceWrapsModulo2To32) {
    ExpectConversions({
        {"4294967295", 10, 16, "FFFFFFFF", false},
        {"4294967296", 10, 16, "0", false},
        {"4294967297", 10, 2, "1", false},
        {"2147483648", 10, 16, "80000000", false},
        {"00000000004294967295", 10, 16, "FFFFFFFF", false},
        {"99999999999999999999", 10, 16, "630FFFFF", false},
    });
}

TEST(BaseConverter, EqualBasesCopyAnyText) {
    const std::string odd(" -x\xD5\x66\0z", 7);
    ExpectConversions({
        {odd, 10, 10, odd, false},
        {"", 36, 36, "", false},
        {"ZZZZZZZZZZZZZZZZZZZZ", 2, 2, "ZZZZZZZZZZZZZZZZZZZZ", false},
    });
}

TEST(BaseConverter, BaseOutsideTwoToThirtySixFails) {
    const int pairs[][2] = {{0, 10},   {1, 10}, {37, 10}, {-1, 10},  {10, 0},      {10, 1},
                            {10, 37},  {0, 0},  {1, 1},   {37, 37},  {INT_MIN, 2}, {2, INT_MAX},
                            {16, -16}};
    BaseConverter converter;
    for (const auto& pair : pairs) {
        SCOPED_TRACE(std::to_string(pair[0]) + " => " + std::to_string(pair[1]));
        converter.ConvertBetweenBases("10", 2, 10);  // an earlier result must not survive
        converter.ConvertBetweenBases("1", pair[0], pair[1]);
        EXPECT_TRUE(converter.HasFailed());
        EXPECT_EQ(converter.ResultText(), "");
    }
}

TEST(BaseConverter, ParseAndFormatRefuseUnsupportedBases) {
    const BaseConverter converter;
    for (std::uint32_t base : {0u, 1u, 37u, 0xFFFFFFFFu}) {
        SCOPED_TRACE(base);
        EXPECT_EQ(converter.FormatInBase(12345, base), "");
        EXPECT_EQ(converter.ParseInBase("101", base), 0u);
    }
}

TEST(BaseConverter, EachConversionReplacesTheLastOutcome) {
    BaseConverter converter;
    EXPECT_FALSE(converter.HasFailed());
    EXPECT_EQ(converter.ResultText(), "");
    converter.ConvertBetweenBases("FF", 16, 10);
    EXPECT_EQ(converter.ResultText(), "255");
    converter.ConvertBetweenBases("G", 16, 10);
    EXPECT_TRUE(converter.HasFailed());
    EXPECT_EQ(converter.ResultText(), "");
    converter.ConvertBetweenBases("7", 8, 2);
    EXPECT_FALSE(converter.HasFailed());
    EXPECT_EQ(converter.ResultText(), "111");
}

// Written in each base: 0, 1, base-1, base, 2^31-1, 2^31, 2^32-1, and the
// first two values past 32 bits; converted into every base.
TEST(BaseConverter, BoundaryValuesInEveryBaseMatchOracle) {
    BaseConverter converter;
    for (int from = 2; from <= 36; ++from) {
        const std::uint64_t values[] = {0, 1, std::uint64_t(from - 1), std::uint64_t(from), 0x7FFFFFFF,
                                        0x80000000, 0xFFFFFFFF, kTwoTo32, kTwoTo32 + 1};
        for (std::uint64_t value : values) {
            for (int to = 2; to <= 36; ++to) {
                ExpectMatchesOracle(converter, OracleDigits(value, from), from, to);
            }
        }
    }
}

TEST(BaseConverter, AllBasePairsOnSpreadValuesMatchOracle) {
    const std::uint64_t values[] = {7,           35,         36,          255,        1295,
                                    65535,       123456789,  2147483647,  2147483648, 3000000000,
                                    4294967295,  0x123456789, 0xFFFFFFFFFFFFFFFF};
    BaseConverter converter;
    for (int from = 2; from <= 36; ++from) {
        for (int to = 2; to <= 36; ++to) {
            for (std::uint64_t value : values) {
                ExpectMatchesOracle(converter, OracleDigits(value, from), from, to);
            }
            ExpectMatchesOracle(converter, "000" + OracleDigits(4294967295, from), from, to);
        }
    }
}

// Every byte, alone and between two digits, against every source base.
TEST(BaseConverter, EveryByteIsCheckedAgainstTheSourceBase) {
    BaseConverter converter;
    for (int byte = 0; byte < 256; ++byte) {
        const std::string alone(1, static_cast<char>(byte));
        for (int from = 2; from <= 36; ++from) {
            const int to = from == 10 ? 16 : 10;
            ExpectMatchesOracle(converter, alone, from, to);
            ExpectMatchesOracle(converter, "1" + alone + "0", from, to);
        }
    }
}

}  // namespace
