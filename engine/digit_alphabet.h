#pragma once
// The digits of every base the converter handles: a character's position in
// DigitAlphabet is its digit value ('0'..'9' are 0..9, 'A'..'Z' are 10..35).

#include <string>

extern const std::string DigitAlphabet;

// The bases DigitAlphabet can write: 2 up to its length, 36.
constexpr unsigned kMinBase = 2;
constexpr unsigned kMaxBase = 36;

// True when base lies in kMinBase..kMaxBase.
bool IsSupportedBase(unsigned base);
