#include "engine/text_bridge.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string_view>
#include <type_traits>
#include <vector>

#include "engine/narrow_locale_scope.h"

namespace {

// Code page 936 keeps every character below 0x80 as the byte of the same
// value, both ways: text made only of them needs no locale to convert.
template <typename Unit>
bool AllBelow0x80(std::basic_string_view<Unit> text) {
    return std::all_of(text.begin(), text.end(),
                       [](Unit unit) { return static_cast<std::make_unsigned_t<Unit>>(unit) < 0x80; });
}

// Everything below that converts runs while a NarrowLocaleScope is in force.
constexpr std::size_t kConversionError = static_cast<std::size_t>(-1);

// Bytes that open a double-byte character in code page 936.
constexpr unsigned char kLeadByteFirst = 0x81;
constexpr unsigned char kLeadByteLast = 0xFE;

std::optional<std::string> Encode(const wchar_t* text) {
    const std::size_t length = std::wcstombs(nullptr, text, 0);
    if (length == kConversionError) {
        return std::nullopt;
    }
    std::vector<char> buffer(length + 1, '\0');
    if (std::wcstombs(buffer.data(), text, length + 1) == kConversionError) {
        return std::nullopt;
    }
    return std::string(buffer.data());
}

std::optional<std::wstring> Decode(const char* text) {
    const std::size_t length = std::mbstowcs(nullptr, text, 0);
    if (length == kConversionError) {
        return std::nullopt;
    }
    std::vector<wchar_t> buffer(length + 1, L'\0');
    if (std::mbstowcs(buffer.data(), text, length + 1) == kConversionError) {
        return std::nullopt;
    }
    return std::wstring(buffer.data());
}

// The narrow form of text only when it comes back unchanged: Windows' own
// runtime maps some characters to look-alikes ("best fit", superscript two
// to '2') instead of failing.
std::optional<std::string> EncodeExactly(const wchar_t* text) {
    std::optional<std::string> narrow = Encode(text);
    if (!narrow) {
        return std::nullopt;
    }
    const std::optional<std::wstring> back = Decode(narrow->c_str());
    if (!back || *back != text) {
        return std::nullopt;
    }
    return narrow;
}

std::optional<std::wstring> DecodeExactly(const char* text) {
    std::optional<std::wstring> wide = Decode(text);
    if (!wide) {
        return std::nullopt;
    }
    const std::optional<std::string> back = Encode(wide->c_str());
    if (!back || *back != text) {
        return std::nullopt;
    }
    return wide;
}

// Code page 936 holds characters of the Basic Multilingual Plane only. Where
// wchar_t has 32 bits, larger values never reach the runtime's converter:
// glibc's drops Unicode tag characters without a word and then fails an
// assertion when asked to write them.
bool BeyondBasicPlane(wchar_t unit) {
    return static_cast<std::uint32_t>(unit) / 0x10000 != 0;
}

bool IsHighSurrogate(wchar_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}

bool IsLowSurrogate(wchar_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

// How many units the character at text[i] takes: two for a surrogate pair
// where wchar_t has 16 bits, otherwise one (a lone surrogate is one).
std::size_t CharacterUnits(const std::wstring& text, std::size_t i) {
    if (sizeof(wchar_t) == 2 && IsHighSurrogate(text[i]) && i + 1 < text.size() &&
        IsLowSurrogate(text[i + 1])) {
        return 2;
    }
    return 1;
}

std::string WideToNarrowByCharacter(const std::wstring& text) {
    std::string narrow;
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t units = CharacterUnits(text, i);
        const std::wstring character = text.substr(i, units);
        const std::optional<std::string> piece =
            BeyondBasicPlane(character[0]) ? std::nullopt : EncodeExactly(character.c_str());
        if (piece) {
            narrow += *piece;
        } else {
            narrow += kUnconvertibleMark;
        }
        i += units;
    }
    return narrow;
}

// Each character is the shortest run of bytes, up to MB_CUR_MAX, that
// decodes exactly; a byte that starts none is unconvertible on its own.
std::wstring NarrowToWideByCharacter(const std::string& text) {
    const std::size_t longest = MB_CUR_MAX;
    std::wstring wide;
    for (std::size_t i = 0; i < text.size();) {
        std::size_t used = 0;
        for (std::size_t length = 1; length <= longest && i + length <= text.size(); ++length) {
            const std::optional<std::wstring> piece = DecodeExactly(text.substr(i, length).c_str());
            if (piece && !piece->empty()) {
                wide += *piece;
                used = length;
                break;
            }
        }
        if (used == 0) {
            wide += static_cast<wchar_t>(kUnconvertibleMark);
            used = 1;
        }
        i += used;
    }
    return wide;
}

bool IsLeadByte(unsigned char byte) {
    return byte >= kLeadByteFirst && byte <= kLeadByteLast;
}

}  // namespace

std::string WideToNarrow(const std::wstring& text) {
    const std::wstring_view source(text.c_str());  // up to the first zero character
    if (AllBelow0x80(source)) {
        return std::string(source.begin(), source.end());
    }
    return WideToNarrowInLocale(text);
}

std::wstring NarrowToWide(const std::string& text) {
    const std::string_view source(text.c_str());  // up to the first zero byte
    if (AllBelow0x80(source)) {
        return std::wstring(source.begin(), source.end());
    }
    return NarrowToWideInLocale(text);
}

std::string WideToNarrowInLocale(const std::wstring& text) {
    const NarrowLocaleScope scope;
    const std::wstring source(text.c_str());  // up to the first zero character
    if (std::none_of(source.begin(), source.end(), BeyondBasicPlane)) {
        if (std::optional<std::string> whole = EncodeExactly(source.c_str())) {
            return *whole;
        }
    }
    return WideToNarrowByCharacter(source);
}

std::wstring NarrowToWideInLocale(const std::string& text) {
    const NarrowLocaleScope scope;
    const std::string source(text.c_str());  // up to the first zero byte
    if (std::optional<std::wstring> whole = DecodeExactly(source.c_str())) {
        return *whole;
    }
    return NarrowToWideByCharacter(source);
}

std::string ToUpperCopy(const std::string& text) {
    std::string upper;
    upper.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (IsLeadByte(byte) && i + 1 < text.size()) {
            // A double-byte character: its second byte may look like a
            // letter ('f' in 說) but is no letter.
            upper += text[i];
            upper += text[i + 1];
            ++i;
        } else if (byte < 0x80) {
            upper += static_cast<char>(std::toupper(byte));
        } else {
            upper += text[i];
        }
    }
    return upper;
}

bool NarrowLocaleAvailable() {
    const NarrowLocaleScope scope;
    return scope.Active();
}
