// The version block of the built program: the fixed part, one string table
// "041104b0" with exactly these keys, and the translation entry.
#include "ResourceReader.h"

#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <string>

namespace restest {
namespace {

constexpr const char* kStringTable = "041104b0";

struct KeyCase {
    const char* key;
    const char* value;  // UTF-8
};

const KeyCase kKeys[] = {
    {"Comments", "ASHVELDT Magazine Item Install Tool Copyright (C) 2026 KORVANE"},
    {"CompanyName", "KORVANE"},
    {"FileDescription", "ASHVELDT Magazine Item Install Tool MFC ｱﾌﾟﾘｹｰｼｮﾝ"},
    {"FileVersion", "1, 0, 8, 0"},
    {"InternalName", "Quv6 Magazine Item Install"},
    {"LegalCopyright", "Copyright (C) 2026 KORVANE"},
    {"LegalTrademarks", "ASHVELDT Magazine Item Install Tool"},
    {"OriginalFilename", "Install.EXE"},
    {"PrivateBuild", "1, 0"},
    {"ProductName", "ASHVELDT Magazine Item Install Tool"},
    {"ProductVersion", "1, 0, 8, 0"},
    {"SpecialBuild", "1, 0"},
};

std::optional<VersionNode> LoadVersionBlock() {
    auto bytes = LoadResourceBytes(RT_VERSION, MAKEINTRESOURCEW(1));
    if (!bytes) return std::nullopt;
    return ParseVersionBlock(*bytes);
}

const VersionNode* StringTable(const VersionNode& root) {
    const VersionNode* info = root.Child("StringFileInfo");
    return info ? info->Child(kStringTable) : nullptr;
}

TEST(VersionBlock, IsStoredUnderJapanese) {
    auto root = LoadVersionBlock();
    ASSERT_TRUE(root.has_value()) << "version block 1 is missing under 0x0411 or malformed";
    EXPECT_EQ(root->key, "VS_VERSION_INFO");
}

TEST(VersionBlock, FixedPart) {
    auto root = LoadVersionBlock();
    ASSERT_TRUE(root.has_value());
    ASSERT_EQ(root->type, 0);
    ASSERT_EQ(root->value.size(), sizeof(VS_FIXEDFILEINFO));
    VS_FIXEDFILEINFO fixed;
    memcpy(&fixed, root->value.data(), sizeof fixed);
    EXPECT_EQ(fixed.dwSignature, 0xFEEF04BDu);
    EXPECT_EQ(fixed.dwStrucVersion, 0x00010000u);
    // 1.0.8.0
    EXPECT_EQ(fixed.dwFileVersionMS, 0x00010000u);
    EXPECT_EQ(fixed.dwFileVersionLS, 0x00080000u);
    EXPECT_EQ(fixed.dwProductVersionMS, 0x00010000u);
    EXPECT_EQ(fixed.dwProductVersionLS, 0x00080000u);
    EXPECT_EQ(fixed.dwFileFlagsMask, 0x3Fu);
    EXPECT_EQ(fixed.dwFileFlags, static_cast<DWORD>(VS_FF_PRIVATEBUILD | VS_FF_SPECIALBUILD));
    EXPECT_EQ(fixed.dwFileFlags, 0x28u);
    EXPECT_EQ(fixed.dwFileOS, static_cast<DWORD>(VOS__WINDOWS32));
    EXPECT_EQ(fixed.dwFileType, static_cast<DWORD>(VFT_APP));
    EXPECT_EQ(fixed.dwFileSubtype, 0u);
    EXPECT_EQ(fixed.dwFileDateMS, 0u);
    EXPECT_EQ(fixed.dwFileDateLS, 0u);
}

// Exactly one string table, Japanese in UTF-16, and nothing else beside the
// translation list.
TEST(VersionBlock, HasOneStringTableAndTheTranslationList) {
    auto root = LoadVersionBlock();
    ASSERT_TRUE(root.has_value());
    ASSERT_EQ(root->children.size(), 2u);
    EXPECT_EQ(root->children[0].key, "StringFileInfo");
    EXPECT_EQ(root->children[1].key, "VarFileInfo");
    const VersionNode* info = root->Child("StringFileInfo");
    ASSERT_NE(info, nullptr);
    ASSERT_EQ(info->children.size(), 1u);
    EXPECT_EQ(info->children[0].key, kStringTable);
}

TEST(VersionBlock, TranslationIsJapaneseUnicode) {
    auto root = LoadVersionBlock();
    ASSERT_TRUE(root.has_value());
    const VersionNode* var = root->Child("VarFileInfo");
    ASSERT_NE(var, nullptr);
    ASSERT_EQ(var->children.size(), 1u);
    const VersionNode& translation = var->children[0];
    EXPECT_EQ(translation.key, "Translation");
    EXPECT_EQ(translation.type, 0) << "binary";
    ASSERT_EQ(translation.value.size(), 4u) << "exactly one entry";
    EXPECT_EQ(translation.value[0] | (translation.value[1] << 8), 0x0411);
    EXPECT_EQ(translation.value[2] | (translation.value[3] << 8), 1200);
}

// The string table has exactly the keys below, no more.
TEST(VersionBlock, StringTableHasExactlyTheseKeys) {
    auto root = LoadVersionBlock();
    ASSERT_TRUE(root.has_value());
    const VersionNode* table = StringTable(*root);
    ASSERT_NE(table, nullptr);
    std::map<std::string, std::string> have, want;
    for (const VersionNode& value : table->children) {
        EXPECT_EQ(have.count(value.key), 0u) << "key " << value.key << " twice";
        have[value.key] = value.Text();
    }
    for (const KeyCase& key : kKeys) want[key.key] = key.value;
    EXPECT_EQ(have, want);
}

class VersionKeyTest : public testing::TestWithParam<KeyCase> {};

TEST_P(VersionKeyTest, HasTheExactValue) {
    auto root = LoadVersionBlock();
    ASSERT_TRUE(root.has_value());
    const VersionNode* table = StringTable(*root);
    ASSERT_NE(table, nullptr);
    const VersionNode* value = table->Child(GetParam().key);
    ASSERT_NE(value, nullptr) << "no key " << GetParam().key;
    EXPECT_EQ(value->type, 1) << "text";
    EXPECT_EQ(value->Text(), GetParam().value);
    // The stored length counts the characters and the terminating NUL, nothing more.
    std::wstring wide(value->value.size() / 2, L'\0');
    memcpy(wide.data(), value->value.data(), wide.size() * 2);
    EXPECT_EQ(value->valueLength, wcslen(wide.c_str()) + 1);
}

// The program's version information as the system's version functions give
// it; empty when they fail.
std::vector<uint8_t> SystemVersionInfo() {
    const std::wstring path = ProgramPath();
    DWORD handle = 0;
    const DWORD size = GetFileVersionInfoSizeW(path.c_str(), &handle);
    std::vector<uint8_t> block(size);
    if (size == 0 || !GetFileVersionInfoW(path.c_str(), 0, size, block.data())) block.clear();
    return block;
}

// The system's own reading, as Explorer's properties page would show it.
TEST_P(VersionKeyTest, SystemReadsTheSameValue) {
    const std::vector<uint8_t> block = SystemVersionInfo();
    ASSERT_FALSE(block.empty());
    std::wstring query = L"\\StringFileInfo\\041104b0\\";
    for (const char* c = GetParam().key; *c; ++c) query += static_cast<wchar_t>(*c);
    void* value = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(block.data(), query.c_str(), &value, &length));
    ASSERT_GT(length, 0u);
    EXPECT_EQ(ToUtf8(std::wstring_view(static_cast<const wchar_t*>(value))), GetParam().value);
}

std::string KeyName(const testing::TestParamInfo<KeyCase>& info) {
    return info.param.key;
}

INSTANTIATE_TEST_SUITE_P(Keys, VersionKeyTest, testing::ValuesIn(kKeys), KeyName);

TEST(VersionBlock, SystemReadsTheFixedPartAndTranslation) {
    const std::vector<uint8_t> block = SystemVersionInfo();
    ASSERT_FALSE(block.empty());
    void* value = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(block.data(), L"\\", &value, &length));
    ASSERT_EQ(length, sizeof(VS_FIXEDFILEINFO));
    const auto* fixed = static_cast<const VS_FIXEDFILEINFO*>(value);
    EXPECT_EQ(fixed->dwFileVersionMS, 0x00010000u);
    EXPECT_EQ(fixed->dwFileVersionLS, 0x00080000u);
    ASSERT_TRUE(VerQueryValueW(block.data(), L"\\VarFileInfo\\Translation", &value, &length));
    ASSERT_EQ(length, 4u);
    const auto* words = static_cast<const WORD*>(value);
    EXPECT_EQ(words[0], 0x0411);
    EXPECT_EQ(words[1], 0x04B0);
}

}  // namespace
}  // namespace restest
