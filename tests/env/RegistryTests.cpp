// Registry functions on a scratch key in the same view as the game's key.
#include "Registry.h"
#include "Text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const char* const kScratchKey = "SOFTWARE\\AshveldtInstallToolTests";
const char* const kNestedKey = "SOFTWARE\\AshveldtInstallToolTests\\Created\\Below";

#ifdef _WIN64
constexpr REGSAM kGameView = KEY_WOW64_32KEY;
constexpr REGSAM kOtherView = KEY_WOW64_64KEY;
#else
constexpr REGSAM kGameView = 0;
constexpr REGSAM kOtherView = 0;
#endif

class RegistryTest : public ::testing::Test {
protected:
    void SetUp() override {
        RemoveScratchKey();
        ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExA(HKEY_LOCAL_MACHINE, kScratchKey, 0, nullptr, 0,
                                                 KEY_ALL_ACCESS | kGameView, nullptr, &m_key, nullptr));
    }
    void TearDown() override {
        RegCloseKey(m_key);
        RemoveScratchKey();
    }
    static void RemoveScratchKey() { RegDeleteTreeA(OpenGameView(), "AshveldtInstallToolTests"); }
    static HKEY OpenGameView() {
        static HKEY software = nullptr;
        if (!software) RegOpenKeyExA(HKEY_LOCAL_MACHINE, "SOFTWARE", 0, KEY_ALL_ACCESS | kGameView, &software);
        return software;
    }

    void Set(const char* name, DWORD type, const std::vector<BYTE>& data) {
        ASSERT_EQ(ERROR_SUCCESS, RegSetValueExA(m_key, name, 0, type, data.data(), static_cast<DWORD>(data.size())));
    }
    void SetString(const char* name, DWORD type, const std::string& text) {
        std::vector<BYTE> data(text.begin(), text.end());
        data.push_back(0);
        Set(name, type, data);
    }
    // The type and the data of a value as stored, read in the game's view.
    static bool Stored(const char* subkey, const char* name, DWORD& type, std::vector<BYTE>& data) {
        HKEY key;
        if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, subkey, 0, KEY_READ | kGameView, &key) != ERROR_SUCCESS) return false;
        data.assign(64, 0);
        DWORD size = 64;
        const LONG status = RegQueryValueExA(key, name, nullptr, &type, data.data(), &size);
        RegCloseKey(key);
        data.resize(size);
        return status == ERROR_SUCCESS;
    }

    HKEY m_key = nullptr;
};

TEST_F(RegistryTest, StringIsReadWholeUpToTheBufferSize) {
    struct Case {
        size_t bytesWithNul;
        bool readWhole;
    };
    for (const Case c : {Case{1, true}, Case{2, true}, Case{259, true}, Case{260, true}, Case{261, false}, Case{400, false}}) {
        const std::string text(c.bytesWithNul - 1, 'x');
        SetString("Text", REG_SZ, text);
        EXPECT_EQ(c.readWhole ? text : std::string(), static_cast<const char*>(ReadRegString(HKEY_LOCAL_MACHINE, kScratchKey, "Text")))
            << c.bytesWithNul;
    }
}

TEST_F(RegistryTest, StringTypeIsNotExamined) {
    SetString("Expand", REG_EXPAND_SZ, "%SystemRoot%\\quv6.exe");
    EXPECT_EQ(CString("%SystemRoot%\\quv6.exe"), ReadRegString(HKEY_LOCAL_MACHINE, kScratchKey, "Expand"));

    Set("Binary", REG_BINARY, {'a', 'b', 'c'});  // no NUL: ends with the data
    EXPECT_EQ(CString("abc"), ReadRegString(HKEY_LOCAL_MACHINE, kScratchKey, "Binary"));

    Set("Stop", REG_BINARY, {'a', 0, 'c', 0});
    EXPECT_EQ(CString("a"), ReadRegString(HKEY_LOCAL_MACHINE, kScratchKey, "Stop"));
}

TEST_F(RegistryTest, DoubleByteStringSurvives) {
    const std::string path = Utf8ToAnsi(u8"C:\\ゲーム\\表示\\quv6.exe");
    SetString("Path", REG_SZ, path);
    EXPECT_EQ(path, static_cast<const char*>(ReadRegString(HKEY_LOCAL_MACHINE, kScratchKey, "Path")));
}

TEST_F(RegistryTest, AbsentOrEmptyStringReadsEmpty) {
    SetString("Empty", REG_SZ, "");
    EXPECT_TRUE(ReadRegString(HKEY_LOCAL_MACHINE, kScratchKey, "Empty").IsEmpty());
    EXPECT_TRUE(ReadRegString(HKEY_LOCAL_MACHINE, kScratchKey, "Missing").IsEmpty());
    EXPECT_TRUE(ReadRegString(HKEY_LOCAL_MACHINE, "SOFTWARE\\AshveldtInstallToolTests\\None", "Path").IsEmpty());
}

TEST_F(RegistryTest, NumberIsAnyFourByteDataLittleEndian) {
    struct Case {
        const char* name;
        DWORD type;
        std::vector<BYTE> data;
        DWORD expected;
    };
    const Case cases[] = {
        {"Dword", REG_DWORD, {0x78, 0x56, 0x34, 0x12}, 0x12345678},
        {"String", REG_SZ, {'a', 'b', 'c', 0}, 0x00636261},
        {"Short", REG_BINARY, {0x34, 0x12}, 0x1234},
        {"Eight", REG_BINARY, {1, 2, 3, 4, 5, 6, 7, 8}, 0},
        {"Qword", REG_QWORD, {1, 0, 0, 0, 0, 0, 0, 0}, 0},
        {"Nothing", REG_BINARY, {}, 0},
    };
    for (const Case& c : cases) {
        Set(c.name, c.type, c.data);
        EXPECT_EQ(c.expected, ReadRegDword(HKEY_LOCAL_MACHINE, kScratchKey, c.name)) << c.name;
    }
    EXPECT_EQ(0u, ReadRegDword(HKEY_LOCAL_MACHINE, kScratchKey, "Missing"));
    EXPECT_EQ(0u, ReadRegDword(HKEY_LOCAL_MACHINE, "SOFTWARE\\AshveldtInstallToolTests\\None", "Dword"));
}

TEST_F(RegistryTest, WriteCreatesMissingKeysAndValue) {
    ASSERT_TRUE(WriteRegDword(HKEY_LOCAL_MACHINE, kNestedKey, "Serune", 0x80000001));
    DWORD type = 0;
    std::vector<BYTE> data;
    ASSERT_TRUE(Stored(kNestedKey, "Serune", type, data));
    EXPECT_EQ(static_cast<DWORD>(REG_DWORD), type);
    EXPECT_EQ((std::vector<BYTE>{0x01, 0x00, 0x00, 0x80}), data);
    EXPECT_EQ(0x80000001u, ReadRegDword(HKEY_LOCAL_MACHINE, kNestedKey, "Serune"));
}

TEST_F(RegistryTest, WriteReplacesValueOfAnotherTypeOrSize) {
    SetString("Serune", REG_SZ, "a longer string value");
    ASSERT_TRUE(WriteRegDword(HKEY_LOCAL_MACHINE, kScratchKey, "Serune", 7));
    DWORD type = 0;
    std::vector<BYTE> data;
    ASSERT_TRUE(Stored(kScratchKey, "Serune", type, data));
    EXPECT_EQ(static_cast<DWORD>(REG_DWORD), type);
    EXPECT_EQ((std::vector<BYTE>{7, 0, 0, 0}), data);
}

TEST_F(RegistryTest, CreateKeyReportsExistingAndNewKeys) {
    EXPECT_TRUE(CreateRegKey(HKEY_LOCAL_MACHINE, kScratchKey));
    EXPECT_TRUE(CreateRegKey(HKEY_LOCAL_MACHINE, kNestedKey));
    DWORD type;
    std::vector<BYTE> data;
    EXPECT_FALSE(Stored(kNestedKey, "Anything", type, data));
    HKEY key;
    ASSERT_EQ(ERROR_SUCCESS, RegOpenKeyExA(HKEY_LOCAL_MACHINE, kNestedKey, 0, KEY_READ | kGameView, &key));
    RegCloseKey(key);
}

#ifdef _WIN64
// The game is a 32-bit program: its key must not land in the 64-bit view.
TEST_F(RegistryTest, WritesGoToTheGamesView) {
    ASSERT_TRUE(WriteRegDword(HKEY_LOCAL_MACHINE, kNestedKey, "Serune", 1));
    HKEY key;
    EXPECT_NE(ERROR_SUCCESS, RegOpenKeyExA(HKEY_LOCAL_MACHINE, kNestedKey, 0, KEY_READ | kOtherView, &key));
}
#endif

TEST(FlagValueNames, ThisPackagesSlotIsSerune) {
    EXPECT_STREQ("Serune", FlagValueNames[8]);
    for (int slot = 0; slot < 16; ++slot) {
        ASSERT_NE(nullptr, FlagValueNames[slot]);
        for (int other = slot + 1; other < 16; ++other) EXPECT_STRNE(FlagValueNames[slot], FlagValueNames[other]);
    }
}

}  // namespace
