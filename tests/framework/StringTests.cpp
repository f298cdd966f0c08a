// The string class: string-table rows loaded whole in the system code page, and
// formatting. The rows come from the program's own resource script, linked in.
#include "CString.h"
#include "Text.h"
#include "resource.h"

#include <gtest/gtest.h>

namespace {

const char* const kItemDescription =
    u8"　「アシュヴェルト」に雑誌社用アイテムの追加を行います。\r\n"
    u8"　インストール後、ゲーム中で数日経過しますと、アイテム「%s」がダンジョン「%s」の最深部に出現します。\r\n"
    u8"(他の雑誌社用アイテムもインストールされている場合には、出現が遅れる可能性があります)\r\n"
    u8"　インストールを実行してもよろしいですか？";

TEST(StringLoad, SystemCodePageIsJapanese) {
    // Every expectation below is in code page 932; run under ja_JP.UTF-8.
    EXPECT_EQ(932u, GetACP());
}

TEST(StringLoad, LongRowIsLoadedWhole) {
    CString text;
    ASSERT_TRUE(text.LoadString(IDS_ITEM_DESCRIPTION));
    EXPECT_GT(text.GetLength(), 256);
    EXPECT_EQ(Utf8ToAnsi(kItemDescription), static_cast<const char*>(text));
}

TEST(StringLoad, RowsAreConvertedToTheSystemCodePage) {
    struct Row {
        UINT id;
        const char* utf8;
    };
    const Row rows[] = {
        {IDS_GAME_NOT_INSTALLED, u8"「アシュヴェルト」がインストールされている必要があります。"},
        {IDS_ABOUTBOX, u8"Magazine のﾊﾞｰｼﾞｮﾝ情報(&A)..."},  // halfwidth katakana stay single bytes
        {IDS_INSTALL_FAILED, u8"インストールに失敗しました。\n「アシュヴェルト」が正常にインストールされていない可能性があります。"},
        {IDS_REMAIN_SECONDS, u8"あと%d秒"},
    };
    for (const Row& row : rows) {
        CString text;
        EXPECT_TRUE(text.LoadString(row.id)) << row.id;
        EXPECT_EQ(Utf8ToAnsi(row.utf8), static_cast<const char*>(text)) << row.id;
    }
}

TEST(StringLoad, MissingRowGivesFalseAndEmpty) {
    for (UINT id : {0u, 102u, 1310u, 65535u}) {
        CString text("previous");
        EXPECT_FALSE(text.LoadString(id)) << id;
        EXPECT_TRUE(text.IsEmpty()) << id;
    }
}

TEST(StringFormat, SubstitutesStringsAndNumbers) {
    CString text;
    text.Format("%s:%d:%s", "a", -12, "");
    EXPECT_EQ(CString("a:-12:"), text);

    CString remain;
    remain.Format(static_cast<UINT>(IDS_REMAIN_SECONDS), 29);
    EXPECT_EQ(Utf8ToAnsi(u8"あと29秒"), static_cast<const char*>(remain));
}

TEST(StringFormat, RowWithDoubleByteArgumentsKeepsEveryByte) {
    CString item, dungeon, description;
    ASSERT_TRUE(item.LoadString(IDS_ITEM_NAME));
    ASSERT_TRUE(dungeon.LoadString(IDS_DUNGEON_NAME));
    description.Format(static_cast<UINT>(IDS_ITEM_DESCRIPTION), static_cast<const char*>(item),
                       static_cast<const char*>(dungeon));
    const std::string utf8 = AnsiToUtf8(static_cast<const char*>(description));
    EXPECT_NE(std::string::npos, utf8.find(u8"アイテム「聖女ルヴィエの法衣」がダンジョン「文人の廃屋」の最深部"));
    EXPECT_EQ(description.GetLength(), item.GetLength() + dungeon.GetLength() + Utf8ToAnsi(kItemDescription).size() - 4);
}

}  // namespace
