#pragma once
// An independent reference for BaseConverter::ConvertBetweenBases, built on
// std::from_chars / std::to_chars with the modulo 2^32 wrap added, for the
// tests and the fuzzer.

#include <charconv>
#include <cstdint>
#include <string>
#include <system_error>

struct OracleResult {
    bool failed = false;
    std::string text;
};

// value in base as to_chars writes it, upper-cased: the way the converter
// writes numbers. Values above 32 bits give texts the converter must wrap.
inline std::string OracleDigits(std::uint64_t value, int base) {
    char buffer[70];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, value, base);
    std::string digits(buffer, written.ptr);
    for (char& c : digits) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    return digits;
}

namespace oracle_detail {

inline bool HasLowerCase(const std::string& text) {
    for (char c : text) {
        if (c >= 'a' && c <= 'z') {
            return true;
        }
    }
    return false;
}

// from_chars of the whole text, which must be all digits of base.
inline bool ReadWhole(const std::string& text, int base, std::uint64_t& value) {
    const char* end = text.data() + text.size();
    const auto [ptr, error] = std::from_chars(text.data(), end, value, base);
    return error == std::errc() && ptr == end;
}

}  // namespace oracle_detail

// Same contract as the converter: bases outside 2..36 fail, equal bases copy,
// only upper-case letters are digits, an empty text is 0, values wrap modulo 2^32.
inline OracleResult OracleConvert(const std::string& text, int source, int target) {
    using oracle_detail::ReadWhole;
    if (source < 2 || source > 36 || target < 2 || target > 36) {
        return {true, ""};
    }
    if (source == target) {
        return {false, text};
    }
    if (oracle_detail::HasLowerCase(text)) {
        return {true, ""};
    }
    // Chunks of at most 6 digits: 36^6 < 2^32, so a chunk and the factor
    // 1000000 in its base both fit, and their product fits in 64 bits.
    constexpr std::size_t kChunkDigits = 6;
    constexpr std::uint64_t kWrap = std::uint64_t{1} << 32;
    std::uint64_t value = 0;
    for (std::size_t at = 0; at < text.size(); at += kChunkDigits) {
        const std::string chunk = text.substr(at, kChunkDigits);
        std::uint64_t chunkValue = 0;
        std::uint64_t shift = 0;
        if (!ReadWhole(chunk, source, chunkValue) ||
            !ReadWhole("1" + std::string(chunk.size(), '0'), source, shift)) {
            return {true, ""};
        }
        value = (value * shift + chunkValue) % kWrap;
    }
    return {false, OracleDigits(value, target)};
}
