#pragma once
// An independent reference for the code page 936 bridge, built on iconv's
// CP936 tables, for the native table test and the fuzzer: a character (or a
// byte sequence) with an exact form on the other side crosses unchanged, and
// every other one becomes one kUnconvertibleMark. glibc only: Windows has no
// iconv.

#include <iconv.h>

#include <cstddef>
#include <optional>
#include <string>

#include "engine/text_bridge.h"

class Cp936Oracle {
public:
    Cp936Oracle() : toNarrow(iconv_open("CP936", "WCHAR_T")), toWide(iconv_open("WCHAR_T", "CP936")) {}
    ~Cp936Oracle() {
        iconv_close(toNarrow);
        iconv_close(toWide);
    }
    Cp936Oracle(const Cp936Oracle&) = delete;
    Cp936Oracle& operator=(const Cp936Oracle&) = delete;

    bool Ready() const { return toNarrow != kFailed && toWide != kFailed; }

    // The CP936 bytes of one character, when they decode back to it exactly.
    std::optional<std::string> Encode(wchar_t c) const {
        const std::optional<std::string> narrow = Convert(toNarrow, Bytes(std::wstring(1, c)));
        if (!narrow || narrow->empty() || Convert(toWide, *narrow) != Bytes(std::wstring(1, c))) {
            return std::nullopt;
        }
        return narrow;
    }

    // The character that exactly these bytes stand for, if any.
    std::optional<wchar_t> Decode(const std::string& bytes) const {
        const std::optional<std::string> wide = Convert(toWide, bytes);
        if (!wide || wide->size() != sizeof(wchar_t) || Encode(WideOf(*wide)[0]) != bytes) {
            return std::nullopt;
        }
        return WideOf(*wide)[0];
    }

    // What WideToNarrow must give: the text up to its first zero, a character at a time.
    std::string Narrow(const std::wstring& text) const {
        std::string narrow;
        for (const wchar_t c : std::wstring(text.c_str())) {
            const std::optional<std::string> bytes = Encode(c);
            narrow += bytes ? *bytes : std::string(1, kUnconvertibleMark);
        }
        return narrow;
    }

    // What NarrowToWide must give: up to the first zero byte, a single byte
    // where it stands for a character, else a pair, else one mark for the byte.
    std::wstring Wide(const std::string& text) const {
        const std::string source(text.c_str());
        std::wstring wide;
        for (std::size_t i = 0; i < source.size();) {
            std::optional<wchar_t> c = Decode(source.substr(i, 1));
            std::size_t used = 1;
            if (!c && i + 1 < source.size()) {
                c = Decode(source.substr(i, 2));
                used = c ? 2 : 1;
            }
            wide += c ? *c : static_cast<wchar_t>(kUnconvertibleMark);
            i += used;
        }
        return wide;
    }

private:
    inline static const iconv_t kFailed = reinterpret_cast<iconv_t>(-1);

    // iconv of a whole piece, or nothing when any of it does not convert.
    static std::optional<std::string> Convert(iconv_t cd, const std::string& in) {
        iconv(cd, nullptr, nullptr, nullptr, nullptr);  // a fresh start
        std::string out(in.size() * 4 + 8, '\0');
        char* source = const_cast<char*>(in.data());
        char* target = out.data();
        std::size_t left = in.size(), room = out.size();
        if (iconv(cd, &source, &left, &target, &room) == static_cast<std::size_t>(-1) || left != 0) {
            return std::nullopt;
        }
        out.resize(out.size() - room);
        return out;
    }

    static std::string Bytes(const std::wstring& wide) {
        return std::string(reinterpret_cast<const char*>(wide.data()), wide.size() * sizeof(wchar_t));
    }

    static std::wstring WideOf(const std::string& bytes) {
        return std::wstring(reinterpret_cast<const wchar_t*>(bytes.data()), bytes.size() / sizeof(wchar_t));
    }

    iconv_t toNarrow, toWide;
};
