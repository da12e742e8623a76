#pragma once
// A small reader for the parts of a PE file (.exe) the tests check: header
// fields, imported DLLs and the resource tree. Portable: it reads the file's
// bytes and never loads the module, so a 64-bit test can read a 32-bit .exe.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace petest {

// A resource type or name: a number, or a string (upper-case as stored).
struct ResourceKey {
    std::uint16_t id = 0;
    std::u16string name;  // non-empty for a named entry
    bool operator==(const ResourceKey& other) const { return id == other.id && name == other.name; }
    bool operator<(const ResourceKey& other) const {
        return name != other.name ? name < other.name : id < other.id;
    }
};

struct Resource {
    ResourceKey type;
    ResourceKey name;
    std::uint16_t language = 0;
    std::vector<std::uint8_t> data;
};

class PeFile {
public:
    // The file's contents, or nothing when it cannot be read or is no PE file.
    static std::optional<PeFile> Read(const std::wstring& path);

    std::uint16_t Machine() const { return machine; }
    std::uint16_t OptionalHeaderMagic() const { return magic; }  // 0x10B PE32, 0x20B PE32+
    std::uint16_t Subsystem() const { return subsystem; }
    std::vector<std::string> ImportedDlls() const;
    std::vector<Resource> Resources() const;

private:
    struct Section {
        std::uint32_t virtualAddress, virtualSize, rawOffset, rawSize;
    };

    bool Parse();
    std::optional<std::uint32_t> OffsetOf(std::uint32_t rva) const;
    std::uint16_t U16(std::size_t offset) const;
    std::uint32_t U32(std::size_t offset) const;
    void WalkResources(std::uint32_t base, std::uint32_t directory, int level, Resource current,
                       std::vector<Resource>& out) const;

    std::vector<std::uint8_t> bytes;
    std::vector<Section> sections;
    std::uint16_t machine = 0, magic = 0, subsystem = 0;
    std::uint32_t importRva = 0, resourceRva = 0;
};

// Reads little-endian fields from resource data; past the end reads as 0.
class ByteCursor {
public:
    explicit ByteCursor(const std::vector<std::uint8_t>& data, std::size_t offset = 0) : data(data), pos(offset) {}
    std::uint16_t U16();
    std::uint32_t U32();
    std::uint8_t U8();
    std::u16string String();  // zero-terminated UTF-16
    void AlignTo4();
    std::size_t Position() const { return pos; }
    bool AtEnd() const { return pos >= data.size(); }

private:
    const std::vector<std::uint8_t>& data;
    std::size_t pos;
};

}  // namespace petest
