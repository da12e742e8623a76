#include "ui/base_pair.h"

#include "engine/decimal_reader.h"
#include "engine/digit_alphabet.h"
#include "engine/text_bridge.h"
#include "ui/control_actions.h"

int SourceBase = 0;
int TargetBase = 0;

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
