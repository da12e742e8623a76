#pragma once
// What the main window offers, as the tests expect it: written out here for
// every test, apart from the program's own tables, so that the tests check
// those tables rather than borrow them. Controls by their identifiers.

namespace testsupport {

// The twelve fixed pairs: each radio button and the pair it stands for, in
// layout order.
struct FixedPair {
    int radio;
    int source;
    int target;
};

inline constexpr FixedPair kFixedPairs[] = {
    {205, 10, 2},  {206, 2, 10},  {207, 10, 8}, {208, 8, 10}, {209, 10, 16}, {210, 16, 10},
    {211, 2, 8},   {212, 8, 2},   {213, 2, 16}, {214, 16, 2}, {215, 8, 16},  {216, 16, 8},
};

// The hint each of the 19 subclassed controls shows in the status bar. The
// untitled radio (217) has a null hint and the status bar (201) none.
struct ControlHint {
    int control;
    const wchar_t* hint;
};

inline constexpr ControlHint kControlHints[] = {
    {202, L"待转换的数字"},
    {203, L"转换"},
    {204, L"转换结果"},
    {205, L"从 10 进制转换到 2 进制"},
    {206, L"从 2 进制转换到 10 进制"},
    {207, L"从 10 进制转换到 8 进制"},
    {208, L"从 8 进制转换到 10 进制"},
    {209, L"从 10 进制转换到 16 进制"},
    {210, L"从 16 进制转换到 10 进制"},
    {211, L"从 2 进制转换到 8 进制"},
    {212, L"从 8 进制转换到 2 进制"},
    {213, L"从 2 进制转换到 16进制"},
    {214, L"从 16 进制转换到 2 进制"},
    {215, L"从 8 进制转换到 16 进制"},
    {216, L"从 16 进制转换到 8 进制"},
    {218, L"允许输入范围：2 - 36"},
    {219, L"允许输入范围：2 - 36"},
    {220, L"清空"},
    {221, L"转换"},
};

// Where the 27 children after the status bar stand, in creation order, in
// client pixels at 96 DPI; on another screen, scaled by its DPI / 96.
struct ChildPlace {
    int x, y, width, height;
};

inline constexpr ChildPlace kChildPlaces[] = {
    {20, 20, 115, 25},   {155, 20, 40, 25},   {215, 20, 115, 25},   // input, "=>", result
    {20, 65, 90, 70},    {20, 65, 90, 25},    {20, 110, 90, 25},    // a group box and its two radios
    {130, 65, 90, 70},   {130, 65, 90, 25},   {130, 110, 90, 25},
    {240, 65, 90, 70},   {240, 65, 90, 25},   {240, 110, 90, 25},
    {20, 155, 90, 70},   {20, 155, 90, 25},   {20, 200, 90, 25},
    {130, 155, 90, 70},  {130, 155, 90, 25},  {130, 200, 90, 25},
    {240, 155, 90, 70},  {240, 155, 90, 25},  {240, 200, 90, 25},
    {20, 245, 25, 25},   {45, 245, 50, 25},   {95, 245, 25, 25},    // custom radio, from-base box, "=>" label
    {120, 245, 50, 25},  {190, 245, 60, 25},  {270, 245, 60, 25},   // to-base box, "清 空", "转 换"
};

}  // namespace testsupport
