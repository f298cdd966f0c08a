// Start-up, run as a user runs it: Install.EXE against the game key of this
// Wine prefix, driven through its windows.
#include "Text.h"
#include "uidriver.h"

#include <gtest/gtest.h>

#include <string>

using namespace std::chrono_literals;

namespace {

const char* const kGameKey = "SOFTWARE\\KORVANE\\QUV6";
const char* const kNotInstalled = u8"「アシュヴェルト」がインストールされている必要があります。";
const char* const kInstallCaption = "ASHVELDT Magazine Item Install Tool";

#ifdef _WIN64
constexpr REGSAM kGameView = KEY_WOW64_32KEY;
#else
constexpr REGSAM kGameView = 0;
#endif

std::string TempDirectory() {
    char path[MAX_PATH];
    GetTempPathA(MAX_PATH, path);
    return path;
}

// Each case starts without the game key and with a scratch folder for copies.
class StartupTest : public ::testing::Test {
protected:
    void SetUp() override {
        DeleteGameKey();
        m_dir = TempDirectory() + "startup_tests\\";
        CreateDirectoryA(m_dir.c_str(), nullptr);
    }
    void TearDown() override { DeleteGameKey(); }

    static void DeleteGameKey() {
        HKEY software;
        if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, "SOFTWARE", 0, KEY_ALL_ACCESS | kGameView, &software) != ERROR_SUCCESS)
            return;
        RegDeleteTreeA(software, "KORVANE");
        RegCloseKey(software);
    }
    static void SetInstallPath(const std::string& ansiPath) {
        HKEY key;
        ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExA(HKEY_LOCAL_MACHINE, kGameKey, 0, nullptr, 0, KEY_ALL_ACCESS | kGameView,
                                                 nullptr, &key, nullptr));
        RegSetValueExA(key, "InstallPath", 0, REG_SZ, reinterpret_cast<const BYTE*>(ansiPath.c_str()),
                       static_cast<DWORD>(ansiPath.size() + 1));
        RegCloseKey(key);
    }
    // A copy of file under the scratch folder; its full path.
    std::string Copy(const char* file, const std::string& name) {
        const std::string target = m_dir + name;
        EXPECT_TRUE(CopyFileA(file, target.c_str(), FALSE)) << file;
        return target;
    }

    static HWND WaitForBox(const uidriver::Process& program) {
        uidriver::WindowQuery query;
        query.processId = program.Id();
        query.className = "#32770";
        return uidriver::WaitForWindow(query, 30s);
    }
    static uidriver::WindowQuery ConfirmationDialogOf(const uidriver::Process& program) {
        uidriver::WindowQuery query;
        query.processId = program.Id();
        query.caption = kInstallCaption;
        return query;
    }
    static bool MutexExists(const char* name) {
        HANDLE mutex = OpenMutexA(SYNCHRONIZE, FALSE, name);
        if (mutex) CloseHandle(mutex);
        return mutex != nullptr;
    }
    // True when another process owns the mutex.
    static bool MutexIsOwnedElsewhere(const char* name) {
        HANDLE mutex = OpenMutexA(SYNCHRONIZE, FALSE, name);
        if (!mutex) return false;
        const DWORD wait = WaitForSingleObject(mutex, 0);
        if (wait == WAIT_OBJECT_0 || wait == WAIT_ABANDONED) ReleaseMutex(mutex);
        CloseHandle(mutex);
        return wait == WAIT_TIMEOUT;
    }
    static void ExpectEndsWithCodeZero(uidriver::Process& program) {
        ASSERT_TRUE(program.WaitForExit(30s));
        EXPECT_EQ(0u, program.ExitCode().value_or(99));
    }

    std::string m_dir;
};

// Without the game: message 103, captioned with the program file's name, with
// the information icon and no owner; no mutex is created; exit code 0.
TEST_F(StartupTest, GameNotInstalledShowsMessageAndEnds) {
    struct Case {
        const char* what;
        bool writeEmptyPath;
        const char* fileName;
        const char* caption;
    };
    const Case cases[] = {
        {"no value", false, "Install.EXE", "Install"},
        {"empty value", true, "Install.EXE", "Install"},
        {"renamed copy", false, "Magazine Copy.exe", "Magazine Copy"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        if (c.writeEmptyPath) SetInstallPath("");
        uidriver::Process program(Copy(INSTALL_EXE, c.fileName));
        ASSERT_TRUE(program.IsStarted());
        HWND box = WaitForBox(program);
        ASSERT_NE(nullptr, box);
        const auto shown = uidriver::ReadMessageBox(box);
        ASSERT_TRUE(shown.has_value());
        EXPECT_EQ(c.caption, shown->caption);
        EXPECT_EQ(kNotInstalled, shown->text);
        EXPECT_TRUE(shown->hasIcon);
        EXPECT_EQ(std::vector<int>{IDOK}, shown->buttonIds);
        EXPECT_EQ(nullptr, GetWindow(box, GW_OWNER));
        EXPECT_FALSE(MutexExists("ExclusiveInstance_Quv6"));
        EXPECT_FALSE(MutexExists("ExclusiveInstance_Quv6_Magazine_Item"));
        ASSERT_TRUE(uidriver::ClickButton(box, IDOK));
        ExpectEndsWithCodeZero(program);
        DeleteGameKey();
    }
}

// With the game installed the run reaches the confirmation dialog, holding the
// program's mutex; after the dialog both mutexes are free again.
TEST_F(StartupTest, InstalledGameLeadsToTheConfirmationDialog) {
    SetInstallPath(Copy(OLD_GAME_EXE, "quv6.exe"));
    uidriver::Process program(INSTALL_EXE);
    HWND dialog = uidriver::WaitForWindow(ConfirmationDialogOf(program), 30s);
    ASSERT_NE(nullptr, dialog);
    EXPECT_TRUE(MutexIsOwnedElsewhere("ExclusiveInstance_Quv6_Magazine_Item"));
    ASSERT_TRUE(uidriver::ClickButton(dialog, IDCANCEL));
    ExpectEndsWithCodeZero(program);
    EXPECT_FALSE(MutexIsOwnedElsewhere("ExclusiveInstance_Quv6_Magazine_Item"));
    EXPECT_FALSE(MutexIsOwnedElsewhere("ExclusiveInstance_Quv6"));
}

// A double-byte directory name with a trail byte 0x5C: the game is still found.
TEST_F(StartupTest, DoubleByteGameDirectoryIsFound) {
    const std::string dir = m_dir + Utf8ToAnsi(u8"表示ソフト");
    CreateDirectoryA(dir.c_str(), nullptr);
    const std::string exe = dir + "\\quv6.exe";
    ASSERT_TRUE(CopyFileA(OLD_GAME_EXE, exe.c_str(), FALSE));
    SetInstallPath(exe);
    uidriver::Process program(INSTALL_EXE);
    HWND dialog = uidriver::WaitForWindow(ConfirmationDialogOf(program), 30s);
    ASSERT_NE(nullptr, dialog);
    ASSERT_TRUE(uidriver::ClickButton(dialog, IDCANCEL));
    ExpectEndsWithCodeZero(program);
}

// A game executable without a version resource: message 103 after the wait.
TEST_F(StartupTest, UnreadableVersionShowsMessage) {
    const std::string exe = m_dir + "quv6.exe";
    HANDLE file = CreateFileA(exe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, file);
    DWORD written = 0;
    WriteFile(file, "not a program", 13, &written, nullptr);
    CloseHandle(file);
    SetInstallPath(exe);
    uidriver::Process program(INSTALL_EXE);
    HWND box = WaitForBox(program);
    ASSERT_NE(nullptr, box);
    const auto shown = uidriver::ReadMessageBox(box);
    ASSERT_TRUE(shown.has_value());
    EXPECT_EQ(kNotInstalled, shown->text);
    // By now the program holds its own mutex.
    EXPECT_TRUE(MutexIsOwnedElsewhere("ExclusiveInstance_Quv6_Magazine_Item"));
    ASSERT_TRUE(uidriver::ClickButton(box, IDOK));
    ExpectEndsWithCodeZero(program);
}

// Another copy owns the program's mutex: this one ends silently.
TEST_F(StartupTest, SecondCopyEndsWithoutMessage) {
    SetInstallPath(Copy(OLD_GAME_EXE, "quv6.exe"));
    HANDLE held = CreateMutexA(nullptr, TRUE, "ExclusiveInstance_Quv6_Magazine_Item");
    ASSERT_NE(nullptr, held);
    uidriver::Process program(INSTALL_EXE);
    // Neither the confirmation dialog nor a message box may show while it runs.
    uidriver::WindowQuery messageBox;
    messageBox.processId = program.Id();
    messageBox.caption = "Install";
    bool windowShown = false;
    for (int poll = 0; poll < 300 && !program.WaitForExit(100ms); ++poll)
        windowShown = windowShown || !uidriver::FindWindows(ConfirmationDialogOf(program)).empty() ||
                      !uidriver::FindWindows(messageBox).empty();
    ASSERT_TRUE(program.WaitForExit(0ms));
    EXPECT_EQ(0u, program.ExitCode().value_or(99));
    EXPECT_FALSE(windowShown);
    ReleaseMutex(held);
    CloseHandle(held);
}

}  // namespace
