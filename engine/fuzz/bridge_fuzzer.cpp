// Random wide and narrow text through the code page 936 bridge, checked
// against iconv's CP936 tables one character at a time: a character (or a
// byte sequence) with an exact form on the other side crosses unchanged, every
// other one becomes one '?', nothing non-empty comes back empty, and the
// upper-caser never touches the second byte of a double-byte character.

#include <iconv.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>

#include "engine/text_bridge.h"

namespace {

void Check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

iconv_t ToNarrow, ToWide;

// iconv of a whole piece, or nothing when any of it does not convert.
std::optional<std::string> Iconv(iconv_t cd, const std::string& in) {
    iconv(cd, nullptr, nullptr, nullptr, nullptr);  // a fresh start
    std::string out(in.size() * 4 + 8, '\0');
    char* source = const_cast<char*>(in.data());
    char* target = out.data();
    std::size_t left = in.size(), room = out.size();
    const bool ok = iconv(cd, &source, &left, &target, &room) != static_cast<std::size_t>(-1) && left == 0;
    if (!ok) {
        return std::nullopt;
    }
    out.resize(out.size() - room);
    return out;
}

std::string Bytes(const std::wstring& wide) {
    return std::string(reinterpret_cast<const char*>(wide.data()), wide.size() * sizeof(wchar_t));
}

std::wstring Wide(const std::string& bytes) {
    return std::wstring(reinterpret_cast<const wchar_t*>(bytes.data()), bytes.size() / sizeof(wchar_t));
}

// The CP936 bytes of one character, when they decode back to it exactly.
std::optional<std::string> Encode(wchar_t c) {
    const std::optional<std::string> narrow = Iconv(ToNarrow, Bytes(std::wstring(1, c)));
    if (!narrow || narrow->empty() || Iconv(ToWide, *narrow) != Bytes(std::wstring(1, c))) {
        return std::nullopt;
    }
    return narrow;
}

// The character that exactly these bytes stand for, if any.
std::optional<wchar_t> Decode(const std::string& bytes) {
    const std::optional<std::string> wide = Iconv(ToWide, bytes);
    if (!wide || wide->size() != sizeof(wchar_t) || Encode(Wide(*wide)[0]) != bytes) {
        return std::nullopt;
    }
    return Wide(*wide)[0];
}

void CheckWide(const std::wstring& text) {
    const std::wstring source(text.c_str());
    std::string expected;
    std::wstring back;
    for (const wchar_t c : source) {
        const std::optional<std::string> bytes = Encode(c);
        expected += bytes ? *bytes : std::string(1, kUnconvertibleMark);
        back += bytes ? c : static_cast<wchar_t>(kUnconvertibleMark);
    }
    const std::string narrow = WideToNarrow(text);
    Check(narrow == expected);
    Check(source.empty() || !narrow.empty());
    Check(NarrowToWide(narrow) == back);
}

void CheckNarrow(const std::string& text) {
    const std::string source(text.c_str());
    std::wstring expected;
    for (std::size_t i = 0; i < source.size();) {
        std::optional<wchar_t> c = Decode(source.substr(i, 1));
        std::size_t used = 1;
        if (!c && i + 1 < source.size()) {
            c = Decode(source.substr(i, 2));
            used = c ? 2 : 1;
        }
        expected += c ? *c : static_cast<wchar_t>(kUnconvertibleMark);
        i += used;
    }
    const std::wstring wide = NarrowToWide(text);
    Check(wide == expected);
    Check(source.empty() || !wide.empty());
    if (expected.find(static_cast<wchar_t>(kUnconvertibleMark)) == std::wstring::npos) {
        Check(WideToNarrow(wide) == source);
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
    ToNarrow = iconv_open("CP936", "WCHAR_T");
    ToWide = iconv_open("WCHAR_T", "CP936");
    Check(ToNarrow != reinterpret_cast<iconv_t>(-1) && ToWide != reinterpret_cast<iconv_t>(-1));
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
