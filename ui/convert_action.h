#pragma once
// The one operation that turns the input box's text into the result box's,
// and the base pair it converts between, with the two custom base boxes that
// can supply it.

#include <windows.h>

#include "ui/control_registry.h"

// 0 until the main window's start-up click, then always within 2..36.
extern int SourceBase;
extern int TargetBase;

// What a custom base box holds.
enum class BaseBoxContent { Empty, Valid, Rejected };

struct BaseReading {
    BaseBoxContent content;
    int base;  // meaningful only for Valid
};

// The current text of a custom base box, read and judged.
BaseReading ReadBaseBox(ControlId box);

// The half of the pair a custom base box writes: SourceBase for IDC_FROM_BASE,
// TargetBase for IDC_TO_BASE, null for any other identifier.
int* PairHalfOf(ControlId box);

// True while the custom radio button is checked: only then do the base boxes
// write the pair.
bool CustomPairSelected();

// While the custom pair is selected, each base box that holds a valid base
// writes its half, without a word about a box that does not. Run when the
// custom radio button is clicked and when a conversion starts, so that a base
// that reached its box without passing through the box's focus (a paste from
// its context menu) is the one used.
void StoreCustomBases();

// Converts the input box's text from SourceBase to TargetBase into the result
// box ("输入有误！" when it is no number in the source base, empty for an empty
// input) and gives the focus back to the input box. The input box's own text
// is never changed.
void RunConversion();
