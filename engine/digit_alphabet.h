#pragma once
// The digits of every base the converter handles: a character's position in
// DigitAlphabet is its digit value ('0'..'9' are 0..9, 'A'..'Z' are 10..35).

#include <string>

extern const std::string DigitAlphabet;

// The bases DigitAlphabet can write: 2 up to its length, 36.
constexpr unsigned MinBase = 2;
constexpr unsigned MaxBase = 36;

// True when base lies in MinBase..MaxBase.
bool IsSupportedBase(unsigned base);
