#include "engine/base_converter.h"

#include <deque>
#include <locale>
#include <sstream>
#include <stack>

#include "engine/digit_alphabet.h"

namespace {

// The digit value of c, or kMaxBase when c is no digit of any base.
std::uint32_t DigitValue(char c) {
    const std::string::size_type position = DigitAlphabet.find(c);
    return position == std::string::npos ? kMaxBase : static_cast<std::uint32_t>(position);
}

bool IsDigitText(const std::string& text, std::uint32_t base) {
    for (char c : text) {
        if (DigitValue(c) >= base) {
            return false;
        }
    }
    return true;
}

std::string DecimalText(std::uint32_t value) {
    std::ostringstream out;
    out.imbue(std::locale::classic());  // no digit grouping, whatever the global locale
    out << value;
    return out.str();
}

}  // namespace

void BaseConverter::ConvertBetweenBases(const std::string& text, int sourceBase, int targetBase) {
    failed = false;
    result.clear();

    const auto source = static_cast<std::uint32_t>(sourceBase);
    const auto target = static_cast<std::uint32_t>(targetBase);
    if (!IsSupportedBase(source) || !IsSupportedBase(target)) {
        failed = true;
        return;
    }
    if (source == target) {
        result = text;
        return;
    }
    if (!IsDigitText(text, source)) {
        failed = true;
        return;
    }
    // Decimal text takes the same road as every other base: exact up to
    // 4294967295, reduced modulo 2^32 beyond.
    const std::uint32_t value = ParseInBase(text, source);
    result = target == 10 ? DecimalText(value) : FormatInBase(value, target);
}

bool BaseConverter::HasFailed() const {
    return failed;
}

std::string BaseConverter::ResultText() const {
    return result;
}

std::uint32_t BaseConverter::ParseInBase(const std::string& text, std::uint32_t base) const {
    if (!IsSupportedBase(base)) {
        return 0;
    }
    std::uint32_t sum = 0;
    std::uint32_t weight = 1;
    for (auto it = text.rbegin(); it != text.rend(); ++it) {
        const std::uint32_t digit = DigitValue(*it);
        if (digit < base) {
            sum += digit * weight;  // unsigned: wraps modulo 2^32
        }
        weight *= base;
    }
    return sum;
}

std::string BaseConverter::FormatInBase(std::uint32_t value, std::uint32_t base) const {
    if (!IsSupportedBase(base)) {
        return std::string();
    }
    std::stack<std::uint32_t, std::deque<std::uint32_t>> digits;
    do {
        digits.push(value % base);
        value /= base;
    } while (value != 0);

    std::ostringstream out;
    while (!digits.empty()) {
        const std::uint32_t digit = digits.top();
        if (digit < DigitAlphabet.size()) {
            out << DigitAlphabet[digit];
        }
        digits.pop();
    }
    return out.str();
}
