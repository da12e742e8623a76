#include "ui/convert_action.h"

#include <windows.h>

#include <string>

#include "engine/text_bridge.h"
#include "ui/base_pair.h"
#include "ui/control_actions.h"
#include "ui/control_registry.h"
#include "ui/nesting_state.h"

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
