#include "engine/decimal_reader.h"

namespace {

// White space as the C locale's isspace knows it, whatever locale is in force.
bool IsCSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool IsDecimalDigit(char c) {
    return c >= '0' && c <= '9';
}

}  // namespace

long long ReadLeadingDecimal(const std::string& text) {
    std::string::size_type i = 0;
    while (i < text.size() && IsCSpace(text[i])) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    long long magnitude = 0;
    for (; i < text.size() && IsDecimalDigit(text[i]); ++i) {
        magnitude = magnitude * 10 + (text[i] - '0');
        if (magnitude >= kDecimalReaderLimit) {
            magnitude = kDecimalReaderLimit;  // further digits change nothing
        }
    }
    return negative ? -magnitude : magnitude;
}
