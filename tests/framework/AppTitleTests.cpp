// The application title: the program file's name without directory and
// extension, found by whole characters of code page 932.
#include "CWinApp.h"
#include "Text.h"

#include <gtest/gtest.h>

namespace {

TEST(AppTitle, IsTheFileNameWithoutDirectoryAndExtension) {
    struct Case {
        const char* utf8Path;
        const char* utf8Title;
    };
    const Case cases[] = {
        {"C:\\Program Files\\Tool\\Install.EXE", "Install"},
        {"C:\\Downloads\\Install (2).exe", "Install (2)"},
        {"Z:/mnt/cd/setup.tool.exe", "setup.tool"},
        {"C:Install.EXE", "Install"},
        {"Install.EXE", "Install"},
        {"C:\\dir.v2\\Install", "Install"},            // a dotted directory is no extension
        {u8"C:\\ゲーム\\表.exe", u8"表"},              // 表 ends in byte 0x5C
        {u8"C:\\表\\ソフト\\Install.EXE", "Install"},  // ソ ends in byte 0x5C too
        {u8"D:\\雑誌\\インストール.exe", u8"インストール"},
    };
    for (const Case& c : cases) {
        const std::string path = Utf8ToAnsi(c.utf8Path);
        EXPECT_EQ(Utf8ToAnsi(c.utf8Title), static_cast<const char*>(AppTitleFromModulePath(path.c_str())))
            << c.utf8Path;
    }
}

}  // namespace
