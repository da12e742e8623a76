#pragma once
// The main window's child controls: their identifiers, the three maps from
// identifier to window handle, hint and previous window procedure, and the
// one conversion engine object.

#include <windows.h>

#include <cstdint>
#include <map>

#include "engine/base_converter.h"

using ControlId = std::uint16_t;

// Draws the next identifier; used only while the identifiers below are
// initialised, in this order, starting at 201.
ControlId NextControlId();

extern const ControlId IDC_STATUSBAR;  // 201
extern const ControlId IDC_INPUT;
extern const ControlId IDC_ARROW_GO;
extern const ControlId IDC_OUTPUT;
extern const ControlId IDC_10_TO_2;
extern const ControlId IDC_2_TO_10;
extern const ControlId IDC_10_TO_8;
extern const ControlId IDC_8_TO_10;
extern const ControlId IDC_10_TO_16;
extern const ControlId IDC_16_TO_10;
extern const ControlId IDC_2_TO_8;
extern const ControlId IDC_8_TO_2;
extern const ControlId IDC_2_TO_16;
extern const ControlId IDC_16_TO_2;
extern const ControlId IDC_8_TO_16;
extern const ControlId IDC_16_TO_8;
extern const ControlId IDC_CUSTOM;
extern const ControlId IDC_FROM_BASE;
extern const ControlId IDC_TO_BASE;
extern const ControlId IDC_CLEAR;
extern const ControlId IDC_CONVERT;  // 221

// Filled while the main window is created, read-only afterwards.
// Every insertion keeps the value recorded first.
extern std::map<ControlId, HWND> ControlMap;
extern std::map<ControlId, const wchar_t*> HintMap;
extern std::map<ControlId, WNDPROC> PreviousProcMap;

// The one engine object the convert action uses.
extern BaseConverter Converter;

// Lookups: the recorded value, or null when the identifier has none.
HWND FindControl(ControlId id);
const wchar_t* FindHint(ControlId id);
WNDPROC FindPreviousProc(ControlId id);

// Insert-if-absent into each map (the map's end as the hint).
void RecordControl(ControlId id, HWND window);
void RecordHint(ControlId id, const wchar_t* hint);
void RecordPreviousProc(ControlId id, WNDPROC proc);
