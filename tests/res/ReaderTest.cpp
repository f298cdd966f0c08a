// The readers themselves, on hand-made bytes: what the other tests see is only
// as good as these.
#include "ResourceReader.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <vector>

namespace restest {
namespace {

// Little-endian bytes from 16-bit words.
std::vector<uint8_t> Words(std::initializer_list<uint16_t> words) {
    std::vector<uint8_t> bytes;
    for (uint16_t w : words) {
        bytes.push_back(static_cast<uint8_t>(w));
        bytes.push_back(static_cast<uint8_t>(w >> 8));
    }
    return bytes;
}

// A classic template, style DS_SETFONT | WS_POPUP, one control with id 0xFFFF,
// class ordinal 0x82 and text "A".
std::vector<uint8_t> ClassicDialog() {
    return Words({
        0x0040, 0x8000,          // style
        0x0000, 0x0000,          // extended style
        1,                       // one control
        1, 2, 30, 40,            // x, y, cx, cy
        0, 0, 'C', 0,            // no menu, no class, caption "C"
        9, 'F', 0,               // font 9, "F" (ends on a DWORD boundary)
        0x0000, 0x5000,          // control style
        0x0000, 0x0000,          // control extended style
        5, 6, 7, 8,              // x, y, cx, cy
        0xFFFF,                  // id
        0xFFFF, 0x0082,          // class
        'A', 0,                  // text
        0,                       // no creation data
    });
}

TEST(DialogReader, ReadsAClassicTemplate) {
    auto dialog = ParseDialog(ClassicDialog());
    ASSERT_TRUE(dialog.has_value());
    EXPECT_FALSE(dialog->extended);
    EXPECT_EQ(dialog->style, 0x80000040u);
    EXPECT_EQ(dialog->cx, 30);
    EXPECT_EQ(dialog->caption, "C");
    EXPECT_EQ(dialog->pointSize, 9);
    EXPECT_EQ(dialog->typeface, "F");
    ASSERT_EQ(dialog->items.size(), 1u);
    EXPECT_EQ(dialog->items[0].style, 0x50000000u);
    EXPECT_EQ(dialog->items[0].id, -1);
    EXPECT_EQ(dialog->items[0].windowClass, ResId::Ordinal(0x82));
    EXPECT_EQ(dialog->items[0].text, ResId::Name("A"));
    EXPECT_EQ(dialog->items[0].cy, 8);
}

TEST(DialogReader, RejectsEveryTruncation) {
    std::vector<uint8_t> whole = ClassicDialog();
    for (size_t size = 0; size < whole.size(); size += 2) {
        std::vector<uint8_t> cut(whole.begin(), whole.begin() + size);
        EXPECT_FALSE(ParseDialog(cut).has_value()) << "cut at " << size;
    }
}

TEST(DialogReader, ReadsAnExtendedTemplate) {
    std::vector<uint8_t> bytes = Words({
        1, 0xFFFF,               // version, signature
        7, 0,                    // help id
        0x0000, 0x0004,          // extended style WS_EX_APPWINDOW
        0x0040, 0x9000,          // style
        1,                       // one control
        0, 0, 10, 20,            // x, y, cx, cy
        0, 0, 0,                 // no menu, no class, empty caption
        9, 700, 0x0101, 'F', 0,  // font 9, weight 700, italic 1, charset 1, "F"
        0x0000,                  // padding
        3, 0,                    // control help id
        0, 0,                    // control extended style
        0x0000, 0x5001,          // control style
        1, 2, 3, 4,              // x, y, cx, cy
        0xFFFF, 0xFFFF,          // id -1
        0xFFFF, 0x0080,          // class
        0xFFFF, 128,             // text: ordinal 128
        0,                       // no creation data
    });
    auto dialog = ParseDialog(bytes);
    ASSERT_TRUE(dialog.has_value());
    EXPECT_TRUE(dialog->extended);
    EXPECT_EQ(dialog->helpId, 7u);
    EXPECT_EQ(dialog->exStyle, 0x00040000u);
    EXPECT_EQ(dialog->style, 0x90000040u);
    EXPECT_EQ(dialog->weight, 700);
    EXPECT_EQ(dialog->italic, 1);
    EXPECT_EQ(dialog->charset, 1);
    ASSERT_EQ(dialog->items.size(), 1u);
    EXPECT_EQ(dialog->items[0].helpId, 3u);
    EXPECT_EQ(dialog->items[0].style, 0x50010000u);
    EXPECT_EQ(dialog->items[0].id, -1);
    EXPECT_EQ(dialog->items[0].text, ResId::Ordinal(128));
}

// A node "K" holding the text "ab" and one child "C" without a value.
std::vector<uint8_t> VersionTree(uint16_t outerLength) {
    return Words({
        outerLength, 3, 1, 'K', 0,  // length, value length in words, text, key
        0,                          // padding to a DWORD
        'a', 'b', 0,                // value
        0,                          // padding
        10, 0, 1, 'C', 0,           // child
    });
}

TEST(VersionReader, ReadsNestedNodes) {
    auto root = ParseVersionBlock(VersionTree(30));
    ASSERT_TRUE(root.has_value());
    EXPECT_EQ(root->key, "K");
    EXPECT_EQ(root->Text(), "ab");
    EXPECT_EQ(root->valueLength, 3);
    ASSERT_EQ(root->children.size(), 1u);
    EXPECT_EQ(root->children[0].key, "C");
    EXPECT_TRUE(root->children[0].value.empty());
}

TEST(VersionReader, RejectsANodeLongerThanItsData) {
    EXPECT_FALSE(ParseVersionBlock(VersionTree(40)).has_value());
    EXPECT_FALSE(ParseVersionBlock(Words({4})).has_value());
    EXPECT_FALSE(ParseVersionBlock({}).has_value());
}

TEST(VersionReader, RejectsAValueLongerThanItsNode) {
    // Value length 30 words in a 12-byte node.
    EXPECT_FALSE(ParseVersionBlock(Words({12, 30, 1, 'K', 0, 0})).has_value());
}

}  // namespace
}  // namespace restest
