#include "engine/digit_alphabet.h"

const std::string DigitAlphabet = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";

bool IsSupportedBase(unsigned base) {
    return base >= kMinBase && base <= kMaxBase;
}
