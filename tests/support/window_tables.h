#pragma once
// What the main window offers, as the tests expect it: written out here for
// every test, apart from the program's own tables, so that the tests check
// those tables rather than borrow them. Controls by their identifiers.

#include <windows.h>

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

// The main window's 28 children in creation order, as the platform shows
// them: class, caption (null: none), child identifier (0: none), style, and
// place in client pixels at 96 DPI (on another screen, scaled by its DPI / 96).
// The status bar places itself along the bottom edge.
struct Child {
    const wchar_t* className;
    const wchar_t* caption;
    int id;
    DWORD style;
    int x, y, width, height;
};

inline constexpr DWORD kInputEdit = 0x50800082, kResultEdit = 0x50800882, kBaseEdit = 0x50802002,
                       kRadio = 0x50000309, kPushButton = 0x50800000, kGroupBox = 0x50000007, kLabel = 0x50000001,
                       kStatusBar = 0x50800000;

inline constexpr Child kChildren[] = {
    {L"msctls_statusbar32", nullptr, 0, kStatusBar, 0, 0, 0, 0},
    {L"Edit", nullptr, 202, kInputEdit, 20, 20, 115, 25},
    {L"Button", L"=>", 203, kPushButton, 155, 20, 40, 25},
    {L"Edit", nullptr, 204, kResultEdit, 215, 20, 115, 25},
    {L"Button", nullptr, 0, kGroupBox, 20, 65, 90, 70},
    {L"Button", L"10 => 2", 205, kRadio, 20, 65, 90, 25},
    {L"Button", L"2 => 10", 206, kRadio, 20, 110, 90, 25},
    {L"Button", nullptr, 0, kGroupBox, 130, 65, 90, 70},
    {L"Button", L"10 => 8", 207, kRadio, 130, 65, 90, 25},
    {L"Button", L"8 => 10", 208, kRadio, 130, 110, 90, 25},
    {L"Button", nullptr, 0, kGroupBox, 240, 65, 90, 70},
    {L"Button", L"10 => 16", 209, kRadio, 240, 65, 90, 25},
    {L"Button", L"16 => 10", 210, kRadio, 240, 110, 90, 25},
    {L"Button", nullptr, 0, kGroupBox, 20, 155, 90, 70},
    {L"Button", L"2 => 8", 211, kRadio, 20, 155, 90, 25},
    {L"Button", L"8 => 2", 212, kRadio, 20, 200, 90, 25},
    {L"Button", nullptr, 0, kGroupBox, 130, 155, 90, 70},
    {L"Button", L"2 => 16", 213, kRadio, 130, 155, 90, 25},
    {L"Button", L"16 => 2", 214, kRadio, 130, 200, 90, 25},
    {L"Button", nullptr, 0, kGroupBox, 240, 155, 90, 70},
    {L"Button", L"8 => 16", 215, kRadio, 240, 155, 90, 25},
    {L"Button", L"16 => 8", 216, kRadio, 240, 200, 90, 25},
    {L"Button", nullptr, 217, kRadio, 20, 245, 25, 25},
    {L"Edit", nullptr, 218, kBaseEdit, 45, 245, 50, 25},
    {L"Static", L"=>", 0, kLabel, 95, 245, 25, 25},
    {L"Edit", nullptr, 219, kBaseEdit, 120, 245, 50, 25},
    {L"Button", L"清 空", 220, kPushButton, 190, 245, 60, 25},
    {L"Button", L"转 换", 221, kPushButton, 270, 245, 60, 25},
};

}  // namespace testsupport
