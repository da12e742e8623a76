#pragma once
// Reads a whole number the way atoi does, without its overflow.

#include <string>

// The magnitude ReadLeadingDecimal saturates at, 2^31: every value that large
// is far outside any range its callers accept.
constexpr long long kDecimalReaderLimit = 2147483648LL;

// Skips leading white space (' ', '\t', '\n', '\v', '\f', '\r'), takes an
// optional '+' or '-', then the decimal digits up to the first other
// character. 0 when no digit comes first. The magnitude stops growing at
// kDecimalReaderLimit.
long long ReadLeadingDecimal(const std::string& text);
