// Random wide and narrow text through the code page 936 bridge, checked
// against iconv's CP936 tables one character at a time: a character (or a
// byte sequence) with an exact form on the other side crosses unchanged, every
// other one becomes one '?', nothing non-empty comes back empty, and the
// upper-caser never touches the second byte of a double-byte character.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "engine/tests/cp936_oracle.h"
#include "engine/text_bridge.h"

namespace {

void Check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

const Cp936Oracle* Oracle = nullptr;

// Each character crosses and comes back, or comes back as the mark.
void CheckWide(const std::wstring& text) {
    const std::wstring source(text.c_str());
    std::wstring back;
    for (const wchar_t c : source) {
        back += Oracle->Encode(c) ? c : static_cast<wchar_t>(kUnconvertibleMark);
    }
    const std::string narrow = WideToNarrow(text);
    Check(narrow == Oracle->Narrow(text));
    Check(source.empty() || !narrow.empty());
    Check(NarrowToWide(narrow) == back);
}

void CheckNarrow(const std::string& text) {
    const std::wstring wide = NarrowToWide(text);
    const std::wstring expected = Oracle->Wide(text);
    Check(wide == expected);
    Check(std::string(text.c_str()).empty() || !wide.empty());
    if (expected.find(static_cast<wchar_t>(kUnconvertibleMark)) == std::wstring::npos) {
        Check(WideToNarrow(wide) == std::string(text.c_str()));
    }
}

void CheckUpperCase(const std::string& text) {
    const std::string upper = ToUpperCopy(text);
    Check(upper.size() == text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte >= 0x81 && byte <= 0xFE && i + 1 < text.size()) {
            Check(upper[i] == text[i] && upper[i + 1] == text[i + 1]);
            ++i;
        } else {
            const bool lower = text[i] >= 'a' && text[i] <= 'z';
            Check(upper[i] == (lower ? text[i] - 'a' + 'A' : text[i]));
        }
    }
}

// Wide text from the bytes: 16-bit units (the platform's wide characters,
// lone surrogates included), or 24-bit values reaching past the last
// character Unicode has.
std::wstring WideFrom(const std::uint8_t* data, std::size_t size, std::size_t width) {
    std::wstring wide;
    for (std::size_t i = 0; i + width <= size; i += width) {
        std::uint32_t value = 0;
        for (std::size_t b = 0; b < width; ++b) {
            value = value << 8 | data[i + b];
        }
        wide += static_cast<wchar_t>(value);
    }
    return wide;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    if (!NarrowLocaleAvailable()) {
        std::fputs("no code page 936 locale (zh_CN.GBK) on this machine\n", stderr);
        std::abort();
    }
    static const Cp936Oracle oracle;
    Check(oracle.Ready());
    Oracle = &oracle;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) {
        return 0;
    }
    const std::string narrow(reinterpret_cast<const char*>(data + 1), size - 1);
    switch (data[0] % 3) {
    case 0:
        CheckWide(WideFrom(data + 1, size - 1, 2));
        break;
    case 1:
        CheckWide(WideFrom(data + 1, size - 1, 3));
        break;
    default:
        CheckNarrow(narrow);
        break;
    }
    CheckUpperCase(narrow);
    return 0;
}
