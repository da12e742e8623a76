// Everything here is initialised statically and in this order, which is the
// reason it all lives in one file: the counter, the 21 identifiers (drawn in
// table order, 201 to 221), the three maps, then the engine object. At exit
// they go in the reverse order.
#include "ui/control_registry.h"

namespace {

ControlId IdCounter = 200;  // the last identifier drawn

template <typename Value>
void InsertIfAbsent(std::map<ControlId, Value>& map, ControlId id, Value value) {
    map.emplace_hint(map.end(), id, value);  // keeps an existing entry unchanged
}

template <typename Value>
Value FindOrNull(const std::map<ControlId, Value>& map, ControlId id) {
    const auto found = map.find(id);
    return found == map.end() ? nullptr : found->second;
}

}  // namespace

ControlId NextControlId() {
    return ++IdCounter;
}

const ControlId IDC_STATUSBAR = NextControlId();
const ControlId IDC_INPUT = NextControlId();
const ControlId IDC_ARROW_GO = NextControlId();
const ControlId IDC_OUTPUT = NextControlId();
const ControlId IDC_10_TO_2 = NextControlId();
const ControlId IDC_2_TO_10 = NextControlId();
const ControlId IDC_10_TO_8 = NextControlId();
const ControlId IDC_8_TO_10 = NextControlId();
const ControlId IDC_10_TO_16 = NextControlId();
const ControlId IDC_16_TO_10 = NextControlId();
const ControlId IDC_2_TO_8 = NextControlId();
const ControlId IDC_8_TO_2 = NextControlId();
const ControlId IDC_2_TO_16 = NextControlId();
const ControlId IDC_16_TO_2 = NextControlId();
const ControlId IDC_8_TO_16 = NextControlId();
const ControlId IDC_16_TO_8 = NextControlId();
const ControlId IDC_CUSTOM = NextControlId();
const ControlId IDC_FROM_BASE = NextControlId();
const ControlId IDC_TO_BASE = NextControlId();
const ControlId IDC_CLEAR = NextControlId();
const ControlId IDC_CONVERT = NextControlId();

std::map<ControlId, HWND> ControlMap;
std::map<ControlId, const wchar_t*> HintMap;
std::map<ControlId, WNDPROC> PreviousProcMap;

BaseConverter Converter;

HWND FindControl(ControlId id) {
    return FindOrNull(ControlMap, id);
}

const wchar_t* FindHint(ControlId id) {
    return FindOrNull(HintMap, id);
}

WNDPROC FindPreviousProc(ControlId id) {
    return FindOrNull(PreviousProcMap, id);
}

void RecordControl(ControlId id, HWND window) {
    InsertIfAbsent(ControlMap, id, window);
}

void RecordHint(ControlId id, const wchar_t* hint) {
    InsertIfAbsent(HintMap, id, hint);
}

void RecordPreviousProc(ControlId id, WNDPROC proc) {
    InsertIfAbsent(PreviousProcMap, id, proc);
}
