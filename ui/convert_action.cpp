#include "ui/convert_action.h"

#include <windows.h>

#include <string>

#include "engine/decimal_reader.h"
#include "engine/digit_alphabet.h"
#include "engine/text_bridge.h"
#include "ui/control_actions.h"
#include "ui/control_registry.h"
#include "ui/nesting_state.h"

// The base pair.

int SourceBase = 0;
int TargetBase = 0;

namespace {

// Reads a box's text as atoi would (leading white space, a sign, the leading
// digits), without overflow; anything outside 2..36, a text without a leading
// digit included, is rejected.
BaseReading ParseBaseText(const std::wstring& text) {
    if (text.empty()) {
        return {BaseBoxContent::Empty, 0};
    }
    // A character code page 936 cannot hold arrives as a mark that is no digit.
    const long long value = ReadLeadingDecimal(WideToNarrow(text));
    if (value < kMinBase || value > kMaxBase) {
        return {BaseBoxContent::Rejected, 0};
    }
    return {BaseBoxContent::Valid, static_cast<int>(value)};
}

}  // namespace

BaseReading ReadBaseBox(ControlId box) {
    return ParseBaseText(ControlText(FindControl(box)));
}

int* PairHalfOf(ControlId box) {
    if (box == IDC_FROM_BASE) {
        return &SourceBase;
    }
    if (box == IDC_TO_BASE) {
        return &TargetBase;
    }
    return nullptr;
}

bool CustomPairSelected() {
    return SendMessageW(FindControl(IDC_CUSTOM), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void StoreCustomBases() {
    if (!CustomPairSelected()) {
        return;
    }
    for (const ControlId box : {IDC_FROM_BASE, IDC_TO_BASE}) {
        const BaseReading reading = ReadBaseBox(box);
        if (reading.content == BaseBoxContent::Valid) {
            *PairHalfOf(box) = reading.base;
        }
    }
}

// The conversion.

namespace {

const wchar_t kInvalidInputText[] = L"输入有误！";
const wchar_t kBusyText[] = L"您的操作速度还真快！上一次的计算都还在进行中...";
const wchar_t kBusyCaption[] = L"提示";

// The engine's view of the input: narrow under code page 936, upper-cased.
// False, with text untouched, when the input box is empty.
bool ReadInput(std::string* text) {
    const std::wstring input = ControlText(FindControl(IDC_INPUT));
    if (input.empty()) {
        return false;
    }
    *text = ToUpperCopy(WideToNarrow(input));
    return true;
}

void Convert() {
    const HWND output = FindControl(IDC_OUTPUT);
    std::string text;
    if (!ReadInput(&text)) {
        SetWindowTextW(output, nullptr);
        return;
    }
    Converter.ConvertBetweenBases(text, SourceBase, TargetBase);
    if (Converter.HasFailed()) {
        SetWindowTextW(output, kInvalidInputText);
    } else {
        SetWindowTextW(output, NarrowToWide(Converter.ResultText()).c_str());
    }
}

}  // namespace

void RunConversion() {
    if (IsConverting) {
        MessageBoxW(MainWindow, kBusyText, kBusyCaption, MB_ICONINFORMATION);
    } else {
        IsConverting = true;
        StoreCustomBases();
        Convert();
        IsConverting = false;
    }
    ReturnFocusToInput();
}
