// Icon 128 of the built program: one group with a 32x32 and a 16x16 image,
// 16 colours each, in the standard palette.
#include "ResourceReader.h"

#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>

namespace restest {
namespace {

// The standard 16-colour palette as stored in a bitmap: blue, green, red, 0.
const uint8_t kPalette[16][4] = {
    {0x00, 0x00, 0x00, 0}, {0x00, 0x00, 0x80, 0}, {0x00, 0x80, 0x00, 0}, {0x00, 0x80, 0x80, 0},
    {0x80, 0x00, 0x00, 0}, {0x80, 0x00, 0x80, 0}, {0x80, 0x80, 0x00, 0}, {0xC0, 0xC0, 0xC0, 0},
    {0x80, 0x80, 0x80, 0}, {0x00, 0x00, 0xFF, 0}, {0x00, 0xFF, 0x00, 0}, {0x00, 0xFF, 0xFF, 0},
    {0xFF, 0x00, 0x00, 0}, {0xFF, 0x00, 0xFF, 0}, {0xFF, 0xFF, 0x00, 0}, {0xFF, 0xFF, 0xFF, 0},
};

// One entry of an icon group (GRPICONDIRENTRY).
struct GroupEntry {
    uint8_t width, height, colorCount, reserved;
    uint16_t planes, bitCount;
    uint32_t bytesInRes;
    uint16_t id;
};

struct IconGroup {
    uint16_t reserved = 0, type = 0, count = 0;
    std::vector<GroupEntry> entries;
};

std::optional<IconGroup> LoadIconGroup() {
    auto bytes = LoadResourceBytes(RT_GROUP_ICON, MAKEINTRESOURCEW(128));
    if (!bytes) return std::nullopt;
    ByteReader reader(*bytes);
    IconGroup group;
    group.reserved = reader.Word();
    group.type = reader.Word();
    group.count = reader.Word();
    for (uint16_t i = 0; i < group.count && reader.Ok(); ++i) {
        GroupEntry entry;
        entry.width = reader.Byte();
        entry.height = reader.Byte();
        entry.colorCount = reader.Byte();
        entry.reserved = reader.Byte();
        entry.planes = reader.Word();
        entry.bitCount = reader.Word();
        entry.bytesInRes = reader.Dword();
        entry.id = reader.Word();
        group.entries.push_back(entry);
    }
    if (!reader.Ok() || reader.Offset() != bytes->size()) return std::nullopt;
    return group;
}

TEST(IconGroup, IsStoredUnderJapaneseWithTwoImages) {
    auto group = LoadIconGroup();
    ASSERT_TRUE(group.has_value()) << "icon group 128 is missing under 0x0411 or malformed";
    EXPECT_EQ(group->reserved, 0);
    EXPECT_EQ(group->type, 1) << "not an icon group";
    EXPECT_EQ(group->count, 2);
}

// Icon 128 is the program's only icon group, so it is also the program file's icon.
TEST(IconGroup, IsTheOnlyIconGroup) {
    std::set<std::wstring> groups;
    for (const ResourceEntry& entry : AllResources(ProgramModule()))
        if (entry.type == L"#14") groups.insert(entry.name);
    EXPECT_EQ(groups, std::set<std::wstring>{L"#128"});
}

struct ImageCase {
    int size;
};

class IconImageTest : public testing::TestWithParam<ImageCase> {
protected:
    void SetUp() override {
        auto group = LoadIconGroup();
        ASSERT_TRUE(group.has_value());
        const GroupEntry* found = nullptr;
        for (const GroupEntry& entry : group->entries)
            if (entry.width == GetParam().size && entry.height == GetParam().size) found = &entry;
        ASSERT_NE(found, nullptr) << "no " << GetParam().size << "x" << GetParam().size << " image";
        m_entry = *found;
        auto image = LoadResourceBytes(RT_ICON, MAKEINTRESOURCEW(m_entry.id));
        ASSERT_TRUE(image.has_value()) << "icon image " << m_entry.id << " is missing under 0x0411";
        m_image = *image;
        ASSERT_GE(m_image.size(), sizeof(BITMAPINFOHEADER));
        memcpy(&m_header, m_image.data(), sizeof m_header);
    }

    // Bytes of the colour bits and of the mask, as the header implies.
    size_t XorBytes() const { return ((GetParam().size * 4 + 31) / 32) * 4 * GetParam().size; }
    size_t AndBytes() const { return ((GetParam().size + 31) / 32) * 4 * GetParam().size; }
    static constexpr size_t kPaletteAt = sizeof(BITMAPINFOHEADER);
    static constexpr size_t kBitsAt = kPaletteAt + sizeof kPalette;

    // Palette index of pixel (x, y), y counted from the top.
    int PixelIndex(int x, int y) const {
        int size = GetParam().size;
        size_t row = kBitsAt + (size - 1 - y) * (XorBytes() / size);
        uint8_t pair = m_image[row + x / 2];
        return x % 2 == 0 ? pair >> 4 : pair & 0x0F;
    }
    bool Transparent(int x, int y) const {
        int size = GetParam().size;
        size_t row = kBitsAt + XorBytes() + (size - 1 - y) * (AndBytes() / size);
        return (m_image[row + x / 8] >> (7 - x % 8)) & 1;
    }

    GroupEntry m_entry{};
    std::vector<uint8_t> m_image;
    BITMAPINFOHEADER m_header{};
};

TEST_P(IconImageTest, GroupEntrySays16Colours) {
    EXPECT_EQ(m_entry.colorCount, 16);
    EXPECT_EQ(m_entry.reserved, 0);
    EXPECT_EQ(m_entry.planes, 1);
    EXPECT_EQ(m_entry.bitCount, 4);
    EXPECT_EQ(m_entry.bytesInRes, m_image.size());
}

TEST_P(IconImageTest, BitmapIs4BitsPerPixel) {
    int size = GetParam().size;
    EXPECT_EQ(m_header.biSize, sizeof(BITMAPINFOHEADER));
    EXPECT_EQ(m_header.biWidth, size);
    EXPECT_EQ(m_header.biHeight, 2 * size) << "colour bits and mask";
    EXPECT_EQ(m_header.biPlanes, 1);
    EXPECT_EQ(m_header.biBitCount, 4);
    EXPECT_EQ(m_header.biCompression, static_cast<DWORD>(BI_RGB));
    EXPECT_TRUE(m_header.biClrUsed == 0 || m_header.biClrUsed == 16) << m_header.biClrUsed;
    EXPECT_EQ(m_image.size(), kBitsAt + XorBytes() + AndBytes());
}

TEST_P(IconImageTest, PaletteIsTheStandardOne) {
    ASSERT_GE(m_image.size(), kBitsAt);
    for (int i = 0; i < 16; ++i) {
        const uint8_t* colour = &m_image[kPaletteAt + 4 * i];
        EXPECT_EQ(memcmp(colour, kPalette[i], 4), 0) << "palette entry " << i;
    }
}

// A picture: some of it transparent, some of it drawn, in several colours,
// and nothing drawn where the mask makes it transparent.
TEST_P(IconImageTest, HoldsAPicture) {
    ASSERT_EQ(m_image.size(), kBitsAt + XorBytes() + AndBytes());
    int size = GetParam().size;
    int transparent = 0;
    std::set<int> colours;
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            if (Transparent(x, y)) {
                ++transparent;
                EXPECT_EQ(PixelIndex(x, y), 0) << "colour under the mask at " << x << "," << y;
            } else {
                colours.insert(PixelIndex(x, y));
            }
        }
    EXPECT_GT(transparent, 0);
    EXPECT_LT(transparent, size * size / 2);
    EXPECT_GE(colours.size(), 3u);
}

// The system picks this image for its size and makes an icon of it.
TEST_P(IconImageTest, SystemChoosesAndCreatesIt) {
    int size = GetParam().size;
    auto group = LoadResourceBytes(RT_GROUP_ICON, MAKEINTRESOURCEW(128));
    ASSERT_TRUE(group.has_value());
    int chosen = LookupIconIdFromDirectoryEx(group->data(), TRUE, size, size, LR_DEFAULTCOLOR);
    EXPECT_EQ(chosen, m_entry.id);
    HICON icon = CreateIconFromResourceEx(m_image.data(), static_cast<DWORD>(m_image.size()), TRUE,
                                          0x00030000, size, size, LR_DEFAULTCOLOR);
    ASSERT_NE(icon, nullptr);
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(icon, &info));
    BITMAP mask{};
    GetObjectW(info.hbmMask, sizeof mask, &mask);
    EXPECT_EQ(mask.bmWidth, size);
    if (info.hbmColor) DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    DestroyIcon(icon);
}

std::string ImageName(const testing::TestParamInfo<ImageCase>& info) {
    return "Size" + std::to_string(info.param.size);
}

INSTANTIATE_TEST_SUITE_P(Images, IconImageTest, testing::Values(ImageCase{32}, ImageCase{16}),
                         ImageName);

}  // namespace
}  // namespace restest
