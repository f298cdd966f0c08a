// The game directory: the registered path up to its last real backslash.
#include "GameDirectory.h"
#include "Text.h"

#include <gtest/gtest.h>

namespace {

TEST(GameDirectory, EndsAtTheLastRealBackslash) {
    struct Case {
        const char* utf8Path;
        const char* utf8Directory;
    };
    const Case cases[] = {
        {"C:\\Games\\ASHVELDT\\quv6.exe", "C:\\Games\\ASHVELDT\\"},
        {"quv6.exe", ""},                    // no backslash: the current directory
        {"C:\\Games\\", "C:\\Games\\"},      // a trailing backslash is its own directory
        {"C:/Games/quv6.exe", ""},           // only backslashes separate
        {"", ""},
        {u8"C:\\ゲーム\\表\\quv6.exe", u8"C:\\ゲーム\\表\\"},  // 表 and ソ end in byte 0x5C
        {u8"C:\\ソフト\\表", u8"C:\\ソフト\\"},
        {u8"D:\\能力\\予定表", u8"D:\\能力\\"},
    };
    for (const Case& c : cases) {
        const std::string path = Utf8ToAnsi(c.utf8Path);
        EXPECT_EQ(Utf8ToAnsi(c.utf8Directory), static_cast<const char*>(GameDirectoryOf(path.c_str()))) << c.utf8Path;
    }
}

TEST(GameDirectory, LeadByteAtTheEndDoesNotReachPastTheText) {
    const char path[] = {'C', ':', '\\', 'a', '\\', static_cast<char>(0x95), 0};
    EXPECT_EQ(CString("C:\\a\\"), GameDirectoryOf(path));
}

}  // namespace
