// The code page 936 bridge against iconv's CP936 tables, whole: every UTF-16
// unit, every single byte and every pair of bytes that starts with a lead
// byte. Native only: the reference is glibc's iconv.

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "engine/tests/cp936_oracle.h"
#include "engine/text_bridge.h"

namespace {

class BridgeTable : public ::testing::Test {
protected:
    void SetUp() override {
        if (!NarrowLocaleAvailable()) {
            GTEST_SKIP() << "no code page 936 locale (zh_CN.GBK) on this machine";
        }
        ASSERT_TRUE(oracle.Ready()) << "iconv has no CP936";
    }

    // Every mismatch is kept; the test fails with the first few of them.
    void Expect(bool same, const std::string& what) {
        if (!same) {
            mismatches.push_back(what);
        }
    }
    void TearDown() override {
        EXPECT_EQ(mismatches.size(), 0u) << "first: " << (mismatches.empty() ? "" : mismatches[0]);
    }

    Cp936Oracle oracle;
    std::vector<std::string> mismatches;
};

std::string Hex(unsigned value) {
    char text[16];
    std::snprintf(text, sizeof text, "%04X", value);
    return text;
}

TEST_F(BridgeTable, EveryUtf16UnitCrossesAsIconvSays) {
    for (unsigned unit = 1; unit <= 0xFFFF; ++unit) {
        const std::wstring wide(1, static_cast<wchar_t>(unit));
        const std::string narrow = WideToNarrow(wide);
        Expect(narrow == oracle.Narrow(wide), "U+" + Hex(unit) + " to narrow");
        Expect(NarrowToWide(narrow) == oracle.Wide(narrow), "U+" + Hex(unit) + " back");
    }
}

TEST_F(BridgeTable, EveryByteAndLeadBytePairCrossesAsIconvSays) {
    for (unsigned first = 1; first <= 0xFF; ++first) {
        const std::string single(1, static_cast<char>(first));
        Expect(NarrowToWide(single) == oracle.Wide(single), "byte " + Hex(first));
        if (first < 0x81 || first > 0xFE) {
            continue;  // leads no pair
        }
        for (unsigned second = 1; second <= 0xFF; ++second) {
            const std::string pair{static_cast<char>(first), static_cast<char>(second)};
            const std::wstring wide = NarrowToWide(pair);
            Expect(wide == oracle.Wide(pair), "bytes " + Hex(first << 8 | second));
            Expect(WideToNarrow(wide) == oracle.Narrow(wide), "bytes " + Hex(first << 8 | second) + " back");
        }
    }
}

}  // namespace
