#pragma once
// The twelve fixed pairs as the window offers them: each radio button's
// control identifier and the pair it stands for, in layout order. Written out
// here for every test, apart from the program's own table, so that the tests
// check that table rather than borrow it.

namespace testsupport {

struct FixedPair {
    int radio;
    int source;
    int target;
};

inline constexpr FixedPair kFixedPairs[] = {
    {205, 10, 2},  {206, 2, 10},  {207, 10, 8}, {208, 8, 10}, {209, 10, 16}, {210, 16, 10},
    {211, 2, 8},   {212, 8, 2},   {213, 2, 16}, {214, 16, 2}, {215, 8, 16},  {216, 16, 8},
};

}  // namespace testsupport
