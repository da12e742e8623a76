#pragma once
// The one operation that turns the input box's text into the result box's.

// Converts the input box's text from SourceBase to TargetBase into the result
// box ("输入有误！" when it is no number in the source base, empty for an empty
// input) and gives the focus back to the input box. The input box's own text
// is never changed.
void RunConversion();
