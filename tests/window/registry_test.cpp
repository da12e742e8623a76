// The control identifiers and the three maps, before any window exists.

#include <gtest/gtest.h>

#include "ui/control_registry.h"

namespace {

TEST(ControlRegistry, IdentifiersAreDrawnInTableOrderFrom201) {
    const ControlId* const inOrder[] = {
        &IDC_STATUSBAR, &IDC_INPUT,    &IDC_ARROW_GO, &IDC_OUTPUT,   &IDC_10_TO_2,   &IDC_2_TO_10, &IDC_10_TO_8,
        &IDC_8_TO_10,   &IDC_10_TO_16, &IDC_16_TO_10, &IDC_2_TO_8,   &IDC_8_TO_2,    &IDC_2_TO_16, &IDC_16_TO_2,
        &IDC_8_TO_16,   &IDC_16_TO_8,  &IDC_CUSTOM,   &IDC_FROM_BASE, &IDC_TO_BASE,  &IDC_CLEAR,   &IDC_CONVERT,
    };
    ControlId expected = 201;
    for (const ControlId* id : inOrder) {
        EXPECT_EQ(*id, expected++);
    }
    EXPECT_EQ(NextControlId(), 222) << "the counter stops at the last identifier drawn";
}

TEST(ControlRegistry, MapsStartEmptyAndLookupsOfMissingIdsGiveNull) {
    EXPECT_TRUE(ControlMap.empty());
    EXPECT_TRUE(HintMap.empty());
    EXPECT_TRUE(PreviousProcMap.empty());
    EXPECT_EQ(FindControl(IDC_INPUT), nullptr);
    EXPECT_EQ(FindHint(IDC_INPUT), nullptr);
    EXPECT_EQ(FindPreviousProc(IDC_INPUT), nullptr);
}

LRESULT CALLBACK ProcA(HWND, UINT, WPARAM, LPARAM) { return 1; }
LRESULT CALLBACK ProcB(HWND, UINT, WPARAM, LPARAM) { return 2; }

// Recording an identifier again keeps the value recorded first, in each map.
TEST(ControlRegistry, RecordingKeepsTheFirstValue) {
    constexpr ControlId id = 0xFFF0;  // outside the program's range
    const HWND first = reinterpret_cast<HWND>(0x1234);
    const HWND second = reinterpret_cast<HWND>(0x5678);
    RecordControl(id, first);
    RecordControl(id, second);
    EXPECT_EQ(FindControl(id), first);

    RecordHint(id, L"a");
    RecordHint(id, L"b");
    EXPECT_STREQ(FindHint(id), L"a");

    RecordPreviousProc(id, ProcA);
    RecordPreviousProc(id, ProcB);
    EXPECT_EQ(FindPreviousProc(id), ProcA);

    // A null hint is an entry of its own and also stays.
    RecordHint(id + 1, nullptr);
    RecordHint(id + 1, L"late");
    EXPECT_EQ(HintMap.count(id + 1), 1u);
    EXPECT_EQ(FindHint(id + 1), nullptr);

    ControlMap.clear();
    HintMap.clear();
    PreviousProcMap.clear();
}

}  // namespace
