// Random bases and random bytes: the converter must agree with the reference
// on every input; the upper-caser and the decimal reader must keep their
// promises.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "engine/base_converter.h"
#include "engine/decimal_reader.h"
#include "engine/tests/conversion_oracle.h"
#include "engine/text_bridge.h"

namespace {

void Check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

// Bases 2..36 mostly; one byte value in 64 each side gives an unsupported one.
int BaseFrom(std::uint8_t byte) {
    if (byte >= 252) {
        return byte == 252 ? 0 : byte == 253 ? 1 : byte == 254 ? 37 : -1;
    }
    return 2 + byte % 35;
}

void CheckConverter(const std::string& text, int from, int to) {
    BaseConverter converter;
    converter.ConvertBetweenBases(text, from, to);
    const OracleResult expected = OracleConvert(text, from, to);
    Check(converter.HasFailed() == expected.failed);
    Check(converter.ResultText() == expected.text);
}

void CheckUpperCase(const std::string& text) {
    const std::string upper = ToUpperCopy(text);
    Check(upper.size() == text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool lower = text[i] >= 'a' && text[i] <= 'z';
        Check(upper[i] == text[i] || (lower && upper[i] == text[i] - 'a' + 'A'));
    }
    // Upper-cased text in base 36 converts like the oracle reads its letters.
    CheckConverter(upper, 36, 10);
}

// strtoll reads the same way; only its saturation point differs.
void CheckDecimalReader(const std::string& text) {
    const long long expected = std::clamp(std::strtoll(text.c_str(), nullptr, 10), -kDecimalReaderLimit,
                                          kDecimalReaderLimit);
    Check(ReadLeadingDecimal(text) == expected);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) {
        return 0;
    }
    const std::string text(reinterpret_cast<const char*>(data + 2), size - 2);
    CheckConverter(text, BaseFrom(data[0]), BaseFrom(data[1]));
    CheckUpperCase(text);
    CheckDecimalReader(text);
    return 0;
}
