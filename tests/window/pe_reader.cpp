#include "tests/window/pe_reader.h"

#include <windows.h>

namespace petest {

namespace {

constexpr std::uint32_t kHighBit = 0x80000000u;

std::vector<std::uint8_t> ReadWholeFile(const std::wstring& path) {
    std::vector<std::uint8_t> content;
    const HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return content;
    }
    LARGE_INTEGER size{};
    if (GetFileSizeEx(file, &size) && size.QuadPart > 0 && size.QuadPart < (64 << 20)) {
        content.resize(static_cast<std::size_t>(size.QuadPart));
        DWORD read = 0;
        if (!ReadFile(file, content.data(), static_cast<DWORD>(content.size()), &read, nullptr) ||
            read != content.size()) {
            content.clear();
        }
    }
    CloseHandle(file);
    return content;
}

}  // namespace

std::optional<PeFile> PeFile::Read(const std::wstring& path) {
    PeFile file;
    file.bytes = ReadWholeFile(path);
    if (!file.Parse()) {
        return std::nullopt;
    }
    return file;
}

std::uint16_t PeFile::U16(std::size_t offset) const {
    return offset + 2 <= bytes.size() ? static_cast<std::uint16_t>(bytes[offset] | bytes[offset + 1] << 8) : 0;
}

std::uint32_t PeFile::U32(std::size_t offset) const {
    return offset + 4 <= bytes.size() ? static_cast<std::uint32_t>(U16(offset) | std::uint32_t{U16(offset + 2)} << 16)
                                      : 0;
}

bool PeFile::Parse() {
    if (bytes.size() < 0x40 || U16(0) != 0x5A4D) {  // "MZ"
        return false;
    }
    const std::uint32_t pe = U32(0x3C);
    if (U32(pe) != 0x00004550) {  // "PE\0\0"
        return false;
    }
    machine = U16(pe + 4);
    const std::uint16_t sectionCount = U16(pe + 6);
    const std::uint16_t optionalSize = U16(pe + 20);
    const std::size_t optional = pe + 24;
    magic = U16(optional);
    subsystem = U16(optional + 68);
    std::size_t directories = 0;
    if (magic == 0x10B) {
        directories = optional + 96;
    } else if (magic == 0x20B) {
        directories = optional + 112;
    } else {
        return false;
    }
    const std::uint32_t directoryCount = U32(directories - 4);
    importRva = directoryCount > 1 ? U32(directories + 8) : 0;
    resourceRva = directoryCount > 2 ? U32(directories + 16) : 0;
    const std::size_t sectionTable = optional + optionalSize;
    for (std::uint16_t i = 0; i < sectionCount; ++i) {
        const std::size_t s = sectionTable + 40u * i;
        sections.push_back({U32(s + 12), U32(s + 8), U32(s + 20), U32(s + 16)});
    }
    return true;
}

std::optional<std::uint32_t> PeFile::OffsetOf(std::uint32_t rva) const {
    for (const Section& s : sections) {
        const std::uint32_t extent = s.virtualSize > s.rawSize ? s.virtualSize : s.rawSize;
        if (rva >= s.virtualAddress && rva - s.virtualAddress < extent && rva - s.virtualAddress < s.rawSize) {
            return s.rawOffset + (rva - s.virtualAddress);
        }
    }
    return std::nullopt;
}

std::vector<std::string> PeFile::ImportedDlls() const {
    std::vector<std::string> dlls;
    const auto table = OffsetOf(importRva);
    if (importRva == 0 || !table) {
        return dlls;
    }
    for (std::size_t d = *table; d + 20 <= bytes.size(); d += 20) {
        const std::uint32_t nameRva = U32(d + 12);
        if (nameRva == 0 && U32(d + 16) == 0) {
            break;
        }
        const auto name = OffsetOf(nameRva);
        std::string dll;
        for (std::size_t c = name.value_or(bytes.size()); c < bytes.size() && bytes[c] != 0; ++c) {
            dll += static_cast<char>(bytes[c]);
        }
        dlls.push_back(dll);
    }
    return dlls;
}

std::vector<Resource> PeFile::Resources() const {
    std::vector<Resource> resources;
    const auto base = OffsetOf(resourceRva);
    if (resourceRva != 0 && base) {
        WalkResources(*base, 0, 0, Resource{}, resources);
    }
    return resources;
}

// Level 0: types, 1: names, 2: languages, then the data entries.
void PeFile::WalkResources(std::uint32_t base, std::uint32_t directory, int level, Resource current,
                           std::vector<Resource>& out) const {
    if (level > 2) {
        return;  // a malformed, deeper tree
    }
    const std::size_t dir = base + directory;
    const unsigned entries = U16(dir + 12) + U16(dir + 14);
    for (unsigned i = 0; i < entries; ++i) {
        const std::size_t entry = dir + 16 + 8u * i;
        const std::uint32_t nameField = U32(entry);
        const std::uint32_t target = U32(entry + 4);
        ResourceKey key;
        if (nameField & kHighBit) {
            const std::size_t str = base + (nameField & ~kHighBit);
            const std::uint16_t length = U16(str);
            for (std::uint16_t c = 0; c < length; ++c) {
                key.name += static_cast<char16_t>(U16(str + 2 + 2u * c));
            }
        } else {
            key.id = static_cast<std::uint16_t>(nameField);
        }
        Resource next = current;
        if (level == 0) next.type = key;
        if (level == 1) next.name = key;
        if (level == 2) next.language = key.id;
        if (target & kHighBit) {
            WalkResources(base, target & ~kHighBit, level + 1, next, out);
        } else if (level == 2) {
            const std::size_t dataEntry = base + target;
            const auto data = OffsetOf(U32(dataEntry));
            const std::uint32_t size = U32(dataEntry + 4);
            if (data && *data + size <= bytes.size()) {
                next.data.assign(bytes.begin() + *data, bytes.begin() + *data + size);
            }
            out.push_back(next);
        }
    }
}

std::uint8_t ByteCursor::U8() {
    return pos < data.size() ? data[pos++] : (pos++, 0);
}

std::uint16_t ByteCursor::U16() {
    const std::uint8_t low = U8();
    return static_cast<std::uint16_t>(low | U8() << 8);
}

std::uint32_t ByteCursor::U32() {
    const std::uint16_t low = U16();
    return low | std::uint32_t{U16()} << 16;
}

std::u16string ByteCursor::String() {
    std::u16string text;
    for (char16_t c = static_cast<char16_t>(U16()); c != 0 && !AtEnd(); c = static_cast<char16_t>(U16())) {
        text += c;
    }
    return text;
}

void ByteCursor::AlignTo4() {
    pos = (pos + 3) & ~std::size_t{3};
}

}  // namespace petest
