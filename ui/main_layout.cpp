#include "ui/main_layout.h"

#include <windows.h>

#include "ui/base_edit_proc.h"
#include "ui/control_procs.h"
#include "ui/control_registry.h"

namespace {

// Styles chosen per row; the other controls get theirs from their factory.
constexpr DWORD kInputEdit = WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL | ES_RIGHT;                 // 0x50800082
constexpr DWORD kResultEdit = WS_CHILD | WS_VISIBLE | WS_BORDER | ES_READONLY | ES_AUTOHSCROLL | ES_RIGHT;  // 0x50800882
constexpr DWORD kBaseEdit = WS_CHILD | WS_VISIBLE | WS_BORDER | ES_NUMBER | ES_RIGHT;                      // 0x50802002
constexpr DWORD kLabel = WS_CHILD | WS_VISIBLE | SS_CENTER;                                                // 0x50000001
constexpr DWORD kByFactory = 0;

constexpr ControlId kNoId = 0;

constexpr wchar_t kConvertHint[] = L"转换";  // both convert buttons show it

// The base boxes do not scroll, so they show only the three to six digits
// that fit their width (more with a smaller font), and the edit control
// trims a longer paste one character at a time, measuring the text again
// each time: a paste of thousands froze the window for minutes. A limit a
// little above what fits cuts it short at once and never stops typing.
constexpr int kBaseBoxTextLimit = 8;

}  // namespace

void CreateLayoutRow(const LayoutRow& row) {
    // The row's numbers are for 96 DPI; the control stands where they say on
    // this screen.
    const int x = ScaledToScreen(row.x), y = ScaledToScreen(row.y);
    const int width = ScaledToScreen(row.width), height = ScaledToScreen(row.height);
    switch (row.make) {
    case Make::StatusBar:
        AddStatusBar();
        break;
    case Make::EditBox:
        AddEditBox(row.id, row.style, row.hint, x, y, width, height, row.subclass);
        if (row.textLimit > 0) {
            SendMessageW(FindControl(row.id), EM_SETLIMITTEXT, row.textLimit, 0);
        }
        break;
    case Make::RadioButton:
        AddRadioButton(row.id, row.caption, row.hint, x, y, width, height, row.subclass);
        break;
    case Make::PushButton:
        AddPushButton(row.id, row.caption, row.hint, x, y, width, height, row.subclass);
        break;
    case Make::GroupBox:
        AddGroupBox(x, y, width, height);
        break;
    case Make::Label:
        CreateWindowExW(0, L"Static", row.caption, row.style, x, y, width, height, MainWindow, nullptr,
                        AppInstance, nullptr);
        break;
    }
}

std::vector<LayoutRow> MainLayoutRows() {
    using M = Make;
    return {
        // make          id             caption     style        x    y    w    h   hint                          subclass, text limit
        {M::StatusBar,   IDC_STATUSBAR},
        {M::EditBox,     IDC_INPUT,     nullptr,    kInputEdit,  20,  20, 115, 25, L"待转换的数字",              InputEditProc},
        {M::PushButton,  IDC_ARROW_GO,  L"=>",      kByFactory, 155,  20,  40, 25, kConvertHint,                 ConvertButtonProc},
        {M::EditBox,     IDC_OUTPUT,    nullptr,    kResultEdit, 215, 20, 115, 25, L"转换结果",                  OutputEditProc},
        {M::GroupBox,    kNoId,         nullptr,    kByFactory,  20,  65,  90, 70, nullptr,                      nullptr},
        {M::RadioButton, IDC_10_TO_2,   L"10 => 2", kByFactory,  20,  65,  90, 25, L"从 10 进制转换到 2 进制",   RadioPairProc},
        {M::RadioButton, IDC_2_TO_10,   L"2 => 10", kByFactory,  20, 110,  90, 25, L"从 2 进制转换到 10 进制",   RadioPairProc},
        {M::GroupBox,    kNoId,         nullptr,    kByFactory, 130,  65,  90, 70, nullptr,                      nullptr},
        {M::RadioButton, IDC_10_TO_8,   L"10 => 8", kByFactory, 130,  65,  90, 25, L"从 10 进制转换到 8 进制",   RadioPairProc},
        {M::RadioButton, IDC_8_TO_10,   L"8 => 10", kByFactory, 130, 110,  90, 25, L"从 8 进制转换到 10 进制",   RadioPairProc},
        {M::GroupBox,    kNoId,         nullptr,    kByFactory, 240,  65,  90, 70, nullptr,                      nullptr},
        {M::RadioButton, IDC_10_TO_16,  L"10 => 16", kByFactory, 240, 65,  90, 25, L"从 10 进制转换到 16 进制",  RadioPairProc},
        {M::RadioButton, IDC_16_TO_10,  L"16 => 10", kByFactory, 240, 110, 90, 25, L"从 16 进制转换到 10 进制",  RadioPairProc},
        {M::GroupBox,    kNoId,         nullptr,    kByFactory,  20, 155,  90, 70, nullptr,                      nullptr},
        {M::RadioButton, IDC_2_TO_8,    L"2 => 8",  kByFactory,  20, 155,  90, 25, L"从 2 进制转换到 8 进制",    RadioPairProc},
        {M::RadioButton, IDC_8_TO_2,    L"8 => 2",  kByFactory,  20, 200,  90, 25, L"从 8 进制转换到 2 进制",    RadioPairProc},
        {M::GroupBox,    kNoId,         nullptr,    kByFactory, 130, 155,  90, 70, nullptr,                      nullptr},
        {M::RadioButton, IDC_2_TO_16,   L"2 => 16", kByFactory, 130, 155,  90, 25, L"从 2 进制转换到 16进制",    RadioPairProc},
        {M::RadioButton, IDC_16_TO_2,   L"16 => 2", kByFactory, 130, 200,  90, 25, L"从 16 进制转换到 2 进制",   RadioPairProc},
        {M::GroupBox,    kNoId,         nullptr,    kByFactory, 240, 155,  90, 70, nullptr,                      nullptr},
        {M::RadioButton, IDC_8_TO_16,   L"8 => 16", kByFactory, 240, 155,  90, 25, L"从 8 进制转换到 16 进制",   RadioPairProc},
        {M::RadioButton, IDC_16_TO_8,   L"16 => 8", kByFactory, 240, 200,  90, 25, L"从 16 进制转换到 8 进制",   RadioPairProc},
        {M::RadioButton, IDC_CUSTOM,    nullptr,    kByFactory,  20, 245,  25, 25, nullptr,                      nullptr},
        {M::EditBox,     IDC_FROM_BASE, nullptr,    kBaseEdit,   45, 245,  50, 25, kBaseRangeText,               BaseEditProc, kBaseBoxTextLimit},
        {M::Label,       kNoId,         L"=>",      kLabel,      95, 245,  25, 25, nullptr,                      nullptr},
        {M::EditBox,     IDC_TO_BASE,   nullptr,    kBaseEdit,  120, 245,  50, 25, kBaseRangeText,               BaseEditProc, kBaseBoxTextLimit},
        {M::PushButton,  IDC_CLEAR,     L"清 空",   kByFactory, 190, 245,  60, 25, L"清空",                      ClearButtonProc},
        {M::PushButton,  IDC_CONVERT,   L"转 换",   kByFactory, 270, 245,  60, 25, kConvertHint,                 ConvertButtonProc},
    };
}

void BuildMainLayout() {
    for (const LayoutRow& row : MainLayoutRows()) {
        CreateLayoutRow(row);
    }
}
