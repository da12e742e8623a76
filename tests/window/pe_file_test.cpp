// The built Quendrix.exe as a file: machine, subsystem, imported DLLs and
// exactly the resources the program needs, with their contents.

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <set>
#include <tuple>

#include "tests/support/app_process.h"
#include "tests/window/pe_reader.h"

using petest::ByteCursor;
using petest::PeFile;
using petest::Resource;
using petest::ResourceKey;

namespace {

constexpr std::uint16_t kRtIcon = 3, kRtMenu = 4, kRtDialog = 5, kRtGroupIcon = 14;
constexpr std::uint16_t kEnglishUs = 1033;

#if defined(QUENDRIX_CHECKED_EXE_MACHINE_i386)
constexpr std::uint16_t kMachine = 0x14C;
constexpr std::uint16_t kMagic = 0x10B;  // PE32
#elif defined(QUENDRIX_CHECKED_EXE_MACHINE_amd64)
constexpr std::uint16_t kMachine = 0x8664;
constexpr std::uint16_t kMagic = 0x20B;  // PE32+
#else
#error "QUENDRIX_CHECKED_EXE_MACHINE must be i386 or amd64"
#endif

ResourceKey Id(std::uint16_t id) { return ResourceKey{id, u""}; }
ResourceKey Name(const char16_t* name) { return ResourceKey{0, name}; }

class ProgramFile : public ::testing::Test {
protected:
    void SetUp() override {
        const auto read = PeFile::Read(testsupport::WindowsPathOf(QUENDRIX_CHECKED_EXE));
        ASSERT_TRUE(read.has_value()) << "cannot read " << QUENDRIX_CHECKED_EXE;
        file = *read;
        resources = file->Resources();
    }

    const Resource* Find(std::uint16_t type, const ResourceKey& name) const {
        for (const Resource& r : resources) {
            if (r.type == Id(type) && r.name == name) return &r;
        }
        return nullptr;
    }

    std::optional<PeFile> file;
    std::vector<Resource> resources;
};

TEST_F(ProgramFile, IsAGuiProgramForTheCheckedMachine) {
    EXPECT_EQ(file->Machine(), kMachine);
    EXPECT_EQ(file->OptionalHeaderMagic(), kMagic);
    EXPECT_EQ(file->Subsystem(), 2) << "IMAGE_SUBSYSTEM_WINDOWS_GUI";
}

TEST_F(ProgramFile, ImportsOnlySystemDlls) {
    const std::set<std::string> system = {"kernel32.dll", "user32.dll", "gdi32.dll", "shell32.dll",
                                          "comctl32.dll", "msvcrt.dll", "advapi32.dll"};
    std::set<std::string> imported;
    for (std::string dll : file->ImportedDlls()) {
        std::transform(dll.begin(), dll.end(), dll.begin(), [](unsigned char c) { return std::tolower(c); });
        imported.insert(dll);
        EXPECT_TRUE(system.count(dll)) << dll << " is not a system DLL";
    }
    for (const char* needed : {"user32.dll", "gdi32.dll", "shell32.dll", "comctl32.dll"}) {
        EXPECT_TRUE(imported.count(needed)) << needed;
    }
}

TEST_F(ProgramFile, HoldsExactlyMenuDialogAndIconInEnglishUs) {
    std::set<std::tuple<std::uint16_t, ResourceKey, std::uint16_t>> found;
    for (const Resource& r : resources) {
        EXPECT_TRUE(r.type.name.empty()) << "named resource type";
        found.insert({r.type.id, r.name, r.language});
    }
    const std::set<std::tuple<std::uint16_t, ResourceKey, std::uint16_t>> expected = {
        {kRtIcon, Id(1), kEnglishUs},
        {kRtMenu, Name(u"IDM_VX"), kEnglishUs},
        {kRtDialog, Id(200), kEnglishUs},
        {kRtGroupIcon, Name(u"IDI_VX"), kEnglishUs},
    };
    EXPECT_EQ(found, expected);
    EXPECT_EQ(resources.size(), expected.size());
}

TEST_F(ProgramFile, IconIsOne48By48ImageOf32Bits) {
    const Resource* group = Find(kRtGroupIcon, Name(u"IDI_VX"));
    ASSERT_NE(group, nullptr);
    ByteCursor g(group->data);
    EXPECT_EQ(g.U16(), 0);  // reserved
    EXPECT_EQ(g.U16(), 1);  // icon
    ASSERT_EQ(g.U16(), 1);  // one image
    EXPECT_EQ(g.U8(), 48);
    EXPECT_EQ(g.U8(), 48);
    EXPECT_EQ(g.U8(), 0);  // colour count
    EXPECT_EQ(g.U8(), 0);
    EXPECT_EQ(g.U16(), 1);   // planes
    EXPECT_EQ(g.U16(), 32);  // bits per pixel
    EXPECT_EQ(g.U32(), 9640u);
    EXPECT_EQ(g.U16(), 1);  // image id
    EXPECT_EQ(group->data.size(), 20u);

    const Resource* image = Find(kRtIcon, Id(1));
    ASSERT_NE(image, nullptr);
    ASSERT_EQ(image->data.size(), 9640u);
    ByteCursor h(image->data);
    EXPECT_EQ(h.U32(), 40u);  // BITMAPINFOHEADER
    EXPECT_EQ(h.U32(), 48u);
    EXPECT_EQ(h.U32(), 96u);  // colour and mask
    EXPECT_EQ(h.U16(), 1);
    EXPECT_EQ(h.U16(), 32);
}

struct MenuEntry {
    int depth;
    std::uint16_t flags;
    std::uint16_t id;  // none for a popup
    std::u16string text;
    bool operator==(const MenuEntry& o) const {
        return depth == o.depth && flags == o.flags && id == o.id && text == o.text;
    }
};

std::ostream& operator<<(std::ostream& out, const MenuEntry& e) {
    return out << "{depth " << e.depth << ", flags 0x" << std::hex << e.flags << std::dec << ", id " << e.id
               << ", " << e.text.size() << " characters}";
}

// A standard menu template, flattened in order.
void ReadMenuItems(ByteCursor& cursor, int depth, std::vector<MenuEntry>& out) {
    for (int guard = 0; guard < 64 && !cursor.AtEnd(); ++guard) {
        MenuEntry entry{depth, cursor.U16(), 0, u""};
        if (!(entry.flags & 0x10)) entry.id = cursor.U16();
        entry.text = cursor.String();
        out.push_back(entry);
        if (entry.flags & 0x10) ReadMenuItems(cursor, depth + 1, out);
        if (entry.flags & 0x80) return;
    }
}

TEST_F(ProgramFile, MenuTemplateHasTheTwoMenusAndTheirItems) {
    const Resource* menu = Find(kRtMenu, Name(u"IDM_VX"));
    ASSERT_NE(menu, nullptr);
    ByteCursor cursor(menu->data);
    EXPECT_EQ(cursor.U16(), 0);  // version
    EXPECT_EQ(cursor.U16(), 0);  // header size
    std::vector<MenuEntry> items;
    ReadMenuItems(cursor, 0, items);
    const std::vector<MenuEntry> expected = {
        {0, 0x10, 0, u"文件(&F)"},
        {1, 0x80, 100, u"退出(&X)"},
        {0, 0x90, 0, u"帮助(&H)"},
        {1, 0x00, 121, u"检查更新(&U)"},
        {1, 0x00, 0, u""},
        {1, 0x00, 122, u"访问作者 MSN 空间(&W)"},
        {1, 0x00, 0, u""},
        {1, 0x80, 123, u"关于(&A) Quendrix"},
    };
    EXPECT_EQ(items, expected);
}

struct DialogItem {
    std::uint32_t style;
    std::uint32_t exStyle;
    std::int16_t x, y, cx, cy;
    std::uint16_t id;
    std::uint16_t classAtom;
    std::u16string text;
    bool operator==(const DialogItem& o) const {
        return std::tie(style, exStyle, x, y, cx, cy, id, classAtom, text) ==
               std::tie(o.style, o.exStyle, o.x, o.y, o.cx, o.cy, o.id, o.classAtom, o.text);
    }
};

std::ostream& operator<<(std::ostream& out, const DialogItem& i) {
    return out << "{style 0x" << std::hex << i.style << " ex 0x" << i.exStyle << std::dec << " " << i.x << ","
               << i.y << "," << i.cx << "," << i.cy << " id " << i.id << " class 0x" << std::hex << i.classAtom
               << std::dec << " text of " << i.text.size() << "}";
}

TEST_F(ProgramFile, AboutDialogTemplateAsDesigned) {
    const Resource* dialog = Find(kRtDialog, Id(200));
    ASSERT_NE(dialog, nullptr);
    ByteCursor c(dialog->data);
    EXPECT_EQ(c.U32(), 0x80C800C0u);  // style
    EXPECT_EQ(c.U32(), 0u);           // extended style
    const std::uint16_t count = c.U16();
    EXPECT_EQ(count, 4);
    EXPECT_EQ(static_cast<std::int16_t>(c.U16()), 10);
    EXPECT_EQ(static_cast<std::int16_t>(c.U16()), 25);
    EXPECT_EQ(static_cast<std::int16_t>(c.U16()), 200);
    EXPECT_EQ(static_cast<std::int16_t>(c.U16()), 180);
    EXPECT_EQ(c.U16(), 0);  // no menu
    EXPECT_EQ(c.U16(), 0);  // the dialog class
    EXPECT_EQ(c.String(), u"");  // no caption
    EXPECT_EQ(c.U16(), 12);
    EXPECT_EQ(c.String(), u"宋体");

    std::vector<DialogItem> items;
    for (std::uint16_t i = 0; i < count && i < 16; ++i) {
        c.AlignTo4();
        DialogItem item{};
        item.style = c.U32();
        item.exStyle = c.U32();
        item.x = static_cast<std::int16_t>(c.U16());
        item.y = static_cast<std::int16_t>(c.U16());
        item.cx = static_cast<std::int16_t>(c.U16());
        item.cy = static_cast<std::int16_t>(c.U16());
        item.id = c.U16();
        EXPECT_EQ(c.U16(), 0xFFFF) << "class given by atom";
        item.classAtom = c.U16();
        item.text = c.String();
        EXPECT_EQ(c.U16(), 0) << "no creation data";
        items.push_back(item);
    }
    const std::vector<DialogItem> expected = {
        {0x50010001, 0, 75, 155, 40, 20, 203, 0x80, u"关 闭"},
        {0x50000003, 0, 55, 2, 0, 0, 201, 0x82, u"IDI_VX"},
        {0x50020000, 0, 79, 8, 100, 12, 202, 0x82, u"Quendrix"},
        {0x50010844, 0, 10, 25, 220, 120, 204, 0x81, u""},
    };
    EXPECT_EQ(items, expected);
}

}  // namespace
