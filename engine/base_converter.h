#pragma once
// Converts the text of an unsigned 32-bit number from one base (2..36) into
// another. Values beyond 32 bits wrap around modulo 2^32 without a report.

#include <cstdint>
#include <string>

class BaseConverter {
public:
    // Sets failed and result. Equal bases copy the text unchanged and never
    // fail; otherwise every character must be a digit of the source base
    // (upper-case letters only). An empty text reads as 0. A base outside
    // 2..36 fails.
    void ConvertBetweenBases(const std::string& text, int sourceBase, int targetBase);

    bool HasFailed() const;
    std::string ResultText() const;

    // The value of a digit text in base, modulo 2^32; 0 for an empty text.
    // Meant for text that passed validation: a character that is no digit of
    // the base adds nothing, and a base outside 2..36 gives 0.
    std::uint32_t ParseInBase(const std::string& text, std::uint32_t base) const;

    // The digits of value in base, most significant first, without leading
    // zeros ("0" for zero). Empty for a base outside 2..36.
    std::string FormatInBase(std::uint32_t value, std::uint32_t base) const;

private:
    std::string result;
    bool failed = false;
};
