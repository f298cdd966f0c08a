// The built program's resources as a whole: it loads, and everything in it is
// stored under Japanese.
#include "ResourceReader.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace restest {
namespace {

TEST(Module, LoadsAsDataFile) {
    EXPECT_NE(ProgramModule(), nullptr) << "cannot load " << ToUtf8(ProgramPath()) << ": error "
                                        << GetLastError();
}

// A resource left outside the script's LANGUAGE statement would land under
// the resource compiler's default language instead.
TEST(Module, EveryResourceIsStoredUnderJapanese) {
    auto entries = AllResources(ProgramModule());
    ASSERT_FALSE(entries.empty());
    for (const ResourceEntry& entry : entries)
        EXPECT_EQ(entry.language, kJapanese)
            << "type " << ToUtf8(entry.type) << " name " << ToUtf8(entry.name) << " under 0x"
            << std::hex << entry.language;
}

struct KindCase {
    const char* label;
    const wchar_t* type;
    const wchar_t* name;
};

// What the program carries besides the string table (checked on its own).
const KindCase kKinds[] = {
    {"Dialog100", L"#5", L"#100"},
    {"Dialog102", L"#5", L"#102"},
    {"Dialog129", L"#5", L"#129"},
    {"IconGroup128", L"#14", L"#128"},
    {"Version1", L"#16", L"#1"},
    {"Manifest1", L"#24", L"#1"},
};

class ModuleKindTest : public testing::TestWithParam<KindCase> {};

TEST_P(ModuleKindTest, IsPresentInOneLanguageOnly) {
    std::set<WORD> languages;
    for (const ResourceEntry& entry : AllResources(ProgramModule()))
        if (entry.type == GetParam().type && entry.name == GetParam().name)
            languages.insert(entry.language);
    EXPECT_EQ(languages, std::set<WORD>{kJapanese});
}

std::string KindName(const testing::TestParamInfo<KindCase>& info) {
    return info.param.label;
}

INSTANTIATE_TEST_SUITE_P(Kinds, ModuleKindTest, testing::ValuesIn(kKinds), KindName);

}  // namespace
}  // namespace restest
