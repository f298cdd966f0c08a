// The string table of the built program: every row the program shows or uses,
// stored as UTF-16 under Japanese, text for text.
#include "ResourceReader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace restest {
namespace {

struct StringCase {
    UINT id;
    const char* symbol;
    const char* text;  // UTF-8
};

// \n is one line feed, \r\n a carriage return and a line feed.
const StringCase kStrings[] = {
    {101, "IDS_ABOUTBOX", "Magazine のﾊﾞｰｼﾞｮﾝ情報(&A)..."},
    {103, "IDS_GAME_NOT_INSTALLED", "「アシュヴェルト」がインストールされている必要があります。"},
    {106, "IDS_INSTALL_FINISHED", "インストールが終了しました。"},
    {107, "IDS_INSTALL_FAILED",
     "インストールに失敗しました。\n"
     "「アシュヴェルト」が正常にインストールされていない可能性があります。"},
    {108, "IDS_ITEM_DESCRIPTION",
     "　「アシュヴェルト」に雑誌社用アイテムの追加を行います。\r\n"
     "　インストール後、ゲーム中で数日経過しますと、アイテム「%s」がダンジョン「%s」の最深部に出現します。\r\n"
     "(他の雑誌社用アイテムもインストールされている場合には、出現が遅れる可能性があります)\r\n"
     "　インストールを実行してもよろしいですか？"},
    {109, "IDS_DUNGEON_NAME", "文人の廃屋"},
    {127, "IDS_ITEM_NAME", "聖女ルヴィエの法衣"},
    {1309, "IDS_REMAIN_SECONDS", "あと%d秒"},
};

std::string CaseName(const testing::TestParamInfo<StringCase>& info) {
    return std::string(info.param.symbol) + "_" + std::to_string(info.param.id);
}

// The row's text in code page 932, and whether every character had a place there.
struct Cp932Text {
    std::string bytes;
    bool lossless = false;
};

Cp932Text ToCp932(const std::string& utf8) {
    int wideLength = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.c_str(),
                                         static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring wide(wideLength > 0 ? wideLength : 0, L'\0');
    MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.c_str(), static_cast<int>(utf8.size()),
                        wide.data(), wideLength);
    BOOL usedDefault = FALSE;
    int length = WideCharToMultiByte(932, WC_NO_BEST_FIT_CHARS, wide.c_str(),
                                     static_cast<int>(wide.size()), nullptr, 0, nullptr, &usedDefault);
    Cp932Text out;
    out.bytes.resize(length > 0 ? length : 0);
    usedDefault = FALSE;
    WideCharToMultiByte(932, WC_NO_BEST_FIT_CHARS, wide.c_str(), static_cast<int>(wide.size()),
                        out.bytes.data(), length, nullptr, &usedDefault);
    out.lossless = wideLength > 0 && length > 0 && !usedDefault;
    return out;
}

class StringRowTest : public testing::TestWithParam<StringCase> {};

TEST_P(StringRowTest, IsStoredUnderJapaneseWithTheExactText) {
    const StringCase& row = GetParam();
    auto text = StringRow(row.id);
    ASSERT_TRUE(text.has_value()) << "row " << row.id << " is missing under 0x0411";
    EXPECT_EQ(*text, row.text);
}

// The program reads its rows through the 8-bit interfaces in code page 932:
// a character without a place there would come out as a question mark.
TEST_P(StringRowTest, SurvivesCodePage932) {
    const StringCase& row = GetParam();
    auto text = StringRow(row.id);
    ASSERT_TRUE(text.has_value());
    Cp932Text converted = ToCp932(*text);
    EXPECT_TRUE(converted.lossless) << "row " << row.id << " loses characters in code page 932";
}

INSTANTIATE_TEST_SUITE_P(Rows, StringRowTest, testing::ValuesIn(kStrings), CaseName);

// Row 108 is loaded whole although it is longer than a 256-byte buffer.
TEST(StringTable, ItemDescriptionIsLongerThan256BytesInCodePage932) {
    auto text = StringRow(108);
    ASSERT_TRUE(text.has_value());
    EXPECT_GT(ToCp932(*text).bytes.size(), 256u);
}

TEST(StringTable, ItemDescriptionHasFourLinesAndTwoPlaceholders) {
    auto text = StringRow(108);
    ASSERT_TRUE(text.has_value());
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t at; (at = text->find("\r\n", start)) != std::string::npos; start = at + 2)
        lines.push_back(text->substr(start, at - start));
    lines.push_back(text->substr(start));
    ASSERT_EQ(lines.size(), 4u);
    const std::string ideographicSpace = "\xE3\x80\x80";  // U+3000
    EXPECT_EQ(lines[0].rfind(ideographicSpace, 0), 0u);
    EXPECT_EQ(lines[1].rfind(ideographicSpace, 0), 0u);
    EXPECT_EQ(lines[2].rfind("(", 0), 0u);
    EXPECT_EQ(lines[3].rfind(ideographicSpace, 0), 0u);
    for (size_t at = 0; (at = text->find('\n', at)) != std::string::npos; ++at)
        EXPECT_TRUE(at > 0 && (*text)[at - 1] == '\r') << "a bare line feed at " << at;
    EXPECT_EQ(std::count(text->begin(), text->end(), '\n'), 3);
    // The text ends with a fullwidth question mark, not with a line break.
    ASSERT_GE(lines[3].size(), 3u);
    EXPECT_EQ(lines[3].substr(lines[3].size() - 3), "？");
    // Both placeholders, the item first and the dungeon second, are on the second line.
    size_t item = lines[1].find("アイテム「%s」");
    size_t dungeon = lines[1].find("ダンジョン「%s」");
    EXPECT_NE(item, std::string::npos);
    EXPECT_NE(dungeon, std::string::npos);
    EXPECT_LT(item, dungeon);
    size_t placeholders = 0;
    for (size_t at = 0; (at = text->find('%', at)) != std::string::npos; ++at) {
        EXPECT_EQ(text->compare(at, 2, "%s"), 0) << "unexpected format directive at " << at;
        ++placeholders;
    }
    EXPECT_EQ(placeholders, 2u);
}

// The rows the program carries are exactly those above: the series' other rows
// are left out, and there is no application-title row (57344), so the title
// always comes from the program's file name. Rows from 61440 on belong to
// the platforms and are not ours to list.
TEST(StringTable, HoldsExactlyTheProgramsRows) {
    std::vector<UINT> expected;
    for (const StringCase& row : kStrings) expected.push_back(row.id);
    std::vector<UINT> ours;
    for (UINT id : StringRowIds())
        if (id < 61440) ours.push_back(id);
    EXPECT_EQ(ours, expected);
}

TEST(StringTable, HasNoApplicationTitleRowInAnyLanguage) {
    HMODULE module = ProgramModule();
    ASSERT_NE(module, nullptr);
    // Row 57344 would be in block 3585.
    EXPECT_EQ(FindResourceW(module, MAKEINTRESOURCEW(57344 / 16 + 1), RT_STRING), nullptr);
}

}  // namespace
}  // namespace restest
