// The stand-in game quv6.exe, as the install tool and its tests rely on it: its
// version resource, the game's mutex while it runs, and the item flag shown in
// its window. Read through the UI driver, which these tests exercise too.
#include "item_flag_value.h"
#include "standin_ids.h"
#include "uidriver.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

using namespace std::chrono_literals;

namespace {

const char kGameMutex[] = "ExclusiveInstance_Quv6";
const auto kAppear = 10s;

struct Build {
    const char* name;
    const char* exe;
    const char* fileVersion;
    DWORD versionMs; // the fixed-info numbers, high and low halves
    DWORD versionLs;
};

void PrintTo(const Build& build, std::ostream* out)
{
    *out << build.name;
}

const Build kBuilds[] = {
    {"Old", QUV6_1005_EXE, "1, 0, 0, 5", 0x00010000, 0x00000005},
    {"Current", QUV6_1007_EXE, "1, 0, 0, 7", 0x00010000, 0x00000007},
};

// Names each case of a table after its name field.
struct CaseName {
    template <class Case>
    std::string operator()(const testing::TestParamInfo<Case>& test) const
    {
        return test.param.name;
    }
};

struct HandleCloser {
    void operator()(HANDLE handle) const { CloseHandle(handle); }
};
using UniqueHandle = std::unique_ptr<void, HandleCloser>;

UniqueHandle OpenGameMutex()
{
    return UniqueHandle(CreateMutexA(nullptr, FALSE, kGameMutex));
}

// ----- the version resource, read the way the install tool reads it -----

std::vector<char> ReadVersionBlock(const char* path)
{
    DWORD ignored = 0;
    DWORD size = GetFileVersionInfoSizeA(path, &ignored);
    std::vector<char> block(size);
    if (size == 0 || !GetFileVersionInfoA(path, 0, size, block.data()))
        block.clear();
    return block;
}

std::vector<WORD> Translations(std::vector<char>& block)
{
    WORD* entries = nullptr;
    UINT length = 0;
    if (!VerQueryValueA(block.data(), "\\VarFileInfo\\Translation", reinterpret_cast<void**>(&entries), &length))
        return {};
    return std::vector<WORD>(entries, entries + length / sizeof(WORD));
}

// A string of the block under its first translation; no value when missing.
std::optional<std::string> VersionString(std::vector<char>& block, const char* name)
{
    std::vector<WORD> translation = Translations(block);
    if (translation.size() < 2)
        return std::nullopt;
    char query[80];
    std::snprintf(query, sizeof query, "\\StringFileInfo\\%04X%04X\\%s", translation[0], translation[1], name);
    char* text = nullptr;
    UINT length = 0;
    if (!VerQueryValueA(block.data(), query, reinterpret_cast<void**>(&text), &length))
        return std::nullopt;
    return std::string(text);
}

// ----- running the stand-in -----

class StandinTest : public testing::Test {
protected:
    // Starts the stand-in and waits for its window; null when none appeared.
    HWND StartGame(const char* exe)
    {
        m_game = std::make_unique<uidriver::Process>(exe);
        if (!m_game->IsStarted()) {
            ADD_FAILURE() << exe << " did not start, error " << m_game->StartError();
            return nullptr;
        }
        uidriver::WindowQuery query;
        query.processId = m_game->Id();
        query.className = QUV6_WINDOW_CLASS;
        return uidriver::WaitForWindow(query, kAppear);
    }

    static std::optional<std::string> ControlText(HWND window, int id)
    {
        return uidriver::ReadText(GetDlgItem(window, id));
    }

    // Both views, so that a test that writes the other view leaves it as it was.
    SavedItemFlag m_savedFlag32{KEY_WOW64_32KEY};
    SavedItemFlag m_savedFlag64{KEY_WOW64_64KEY};
    std::unique_ptr<uidriver::Process> m_game;
};

} // namespace

// ----- version resource -----

class VersionResourceTest : public testing::TestWithParam<Build> {
protected:
    void SetUp() override
    {
        m_block = ReadVersionBlock(GetParam().exe);
        ASSERT_FALSE(m_block.empty()) << GetParam().exe;
    }
    std::vector<char> m_block;
};

TEST_P(VersionResourceTest, FileVersionReadsBackThroughTheFirstTranslation)
{
    EXPECT_EQ(VersionString(m_block, "FileVersion"), GetParam().fileVersion);
}

TEST_P(VersionResourceTest, HasOneTranslationJapaneseUnicode)
{
    EXPECT_EQ(Translations(m_block), (std::vector<WORD>{0x0411, 1200}));
}

TEST_P(VersionResourceTest, FixedInfoMatchesTheFileVersionString)
{
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueA(m_block.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
    ASSERT_EQ(length, sizeof(VS_FIXEDFILEINFO));
    EXPECT_EQ(fixed->dwSignature, 0xFEEF04BDu);
    EXPECT_EQ(fixed->dwFileVersionMS, GetParam().versionMs);
    EXPECT_EQ(fixed->dwFileVersionLS, GetParam().versionLs);
    EXPECT_EQ(fixed->dwProductVersionMS, GetParam().versionMs);
    EXPECT_EQ(fixed->dwProductVersionLS, GetParam().versionLs);
    EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));
    EXPECT_EQ(fixed->dwFileOS, static_cast<DWORD>(VOS_NT_WINDOWS32));
}

TEST_P(VersionResourceTest, NamesItselfQuv6WithTheSameProductVersion)
{
    EXPECT_EQ(VersionString(m_block, "OriginalFilename"), "quv6.exe");
    EXPECT_EQ(VersionString(m_block, "InternalName"), "quv6");
    EXPECT_EQ(VersionString(m_block, "ProductVersion"), GetParam().fileVersion);
}

INSTANTIATE_TEST_SUITE_P(Builds, VersionResourceTest, testing::ValuesIn(kBuilds), CaseName());

// ----- the game's mutex, and what each build shows -----

class StandinBuildTest : public StandinTest, public testing::WithParamInterface<Build> {};

TEST_P(StandinBuildTest, HoldsTheGameMutexUntilClosed)
{
    HWND window = StartGame(GetParam().exe);
    ASSERT_NE(window, nullptr);
    UniqueHandle mutex = OpenGameMutex();
    ASSERT_TRUE(mutex);
    EXPECT_EQ(WaitForSingleObject(mutex.get(), 0), static_cast<DWORD>(WAIT_TIMEOUT));

    ASSERT_TRUE(uidriver::RequestClose(window));
    ASSERT_TRUE(m_game->WaitForExit(kAppear));
    EXPECT_EQ(m_game->ExitCode(), static_cast<DWORD>(QUV6_EXIT_OK));
    // Released on the way out, not abandoned.
    EXPECT_EQ(WaitForSingleObject(mutex.get(), 0), WAIT_OBJECT_0);
    ReleaseMutex(mutex.get());
}

TEST_P(StandinBuildTest, ShowsItsOwnVersion)
{
    HWND window = StartGame(GetParam().exe);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(uidriver::ReadText(window), QUV6_WINDOW_CAPTION);
    EXPECT_EQ(ControlText(window, IDC_VERSION), std::string("Version: ") + GetParam().fileVersion);
}

INSTANTIATE_TEST_SUITE_P(Builds, StandinBuildTest, testing::ValuesIn(kBuilds), CaseName());

TEST_F(StandinTest, SecondCopyEndsAtOnceWhileTheFirstRuns)
{
    HWND first = StartGame(QUV6_1005_EXE);
    ASSERT_NE(first, nullptr);

    uidriver::Process second(QUV6_1007_EXE);
    ASSERT_TRUE(second.IsStarted());
    ASSERT_TRUE(second.WaitForExit(kAppear));
    EXPECT_EQ(second.ExitCode(), static_cast<DWORD>(QUV6_EXIT_ALREADY_RUNNING));
    EXPECT_TRUE(IsWindow(first));
    EXPECT_EQ(m_game->ExitCode(), std::nullopt);
}

TEST_F(StandinTest, EndsAtOnceWhileAnotherProcessOwnsTheMutexAndRunsOnceReleased)
{
    UniqueHandle mutex = OpenGameMutex();
    ASSERT_TRUE(mutex);
    ASSERT_EQ(WaitForSingleObject(mutex.get(), 0), WAIT_OBJECT_0);

    uidriver::Process refused(QUV6_1005_EXE);
    ASSERT_TRUE(refused.IsStarted());
    ASSERT_TRUE(refused.WaitForExit(kAppear));
    EXPECT_EQ(refused.ExitCode(), static_cast<DWORD>(QUV6_EXIT_ALREADY_RUNNING));

    ReleaseMutex(mutex.get());
    EXPECT_NE(StartGame(QUV6_1005_EXE), nullptr);
    EXPECT_EQ(WaitForSingleObject(mutex.get(), 0), static_cast<DWORD>(WAIT_TIMEOUT));
}

TEST_F(StandinTest, TakesOverAnAbandonedMutex)
{
    // Keeps the mutex in existence while its owner thread ends without releasing it.
    UniqueHandle mutex = OpenGameMutex();
    ASSERT_TRUE(mutex);
    DWORD taken = WAIT_FAILED;
    std::thread([&] { taken = WaitForSingleObject(mutex.get(), 0); }).join();
    ASSERT_EQ(taken, WAIT_OBJECT_0);

    HWND window = StartGame(QUV6_1005_EXE);
    EXPECT_NE(window, nullptr);
    EXPECT_EQ(m_game->ExitCode(), std::nullopt);
}

// ----- the item flag in the window -----

struct FlagCase {
    const char* name;
    std::optional<DWORD> type; // no value: the value is absent
    std::vector<BYTE> data;
    const char* itemText;
    const char* valueText;
};

void PrintTo(const FlagCase& test, std::ostream* out)
{
    *out << test.name;
}

std::vector<BYTE> Bytes(DWORD value)
{
    const BYTE* bytes = reinterpret_cast<const BYTE*>(&value);
    return std::vector<BYTE>(bytes, bytes + sizeof value);
}

class ItemFlagTest : public StandinTest, public testing::WithParamInterface<FlagCase> {};

TEST_P(ItemFlagTest, WindowShowsBitZeroOfTheFlag)
{
    const FlagCase& flag = GetParam();
    if (flag.type)
        ASSERT_TRUE(WriteItemFlag(KEY_WOW64_32KEY, *flag.type, flag.data));
    else
        ASSERT_TRUE(DeleteItemFlag(KEY_WOW64_32KEY));

    HWND window = StartGame(QUV6_1005_EXE);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(ControlText(window, IDC_ITEM_STATE), flag.itemText);
    EXPECT_EQ(ControlText(window, IDC_FLAG_VALUE), flag.valueText);
}

const char kInstalled[] = "Item: installed";
const char kNotInstalled[] = "Item: not installed";
const char kNoValue[] = "Serune: no value";

const FlagCase kFlagCases[] = {
    {"Absent", std::nullopt, {}, kNotInstalled, kNoValue},
    {"Zero", REG_DWORD, Bytes(0), kNotInstalled, "Serune = 0x00000000"},
    {"BitZero", REG_DWORD, Bytes(1), kInstalled, "Serune = 0x00000001"},
    {"AllButBitZero", REG_DWORD, Bytes(0xFFFFFFFE), kNotInstalled, "Serune = 0xFFFFFFFE"},
    {"BitZeroAmongOthers", REG_DWORD, Bytes(0x80000101), kInstalled, "Serune = 0x80000101"},
    // Only a REG_DWORD is the flag.
    {"StringOne", REG_SZ, {'1', 0}, kNotInstalled, kNoValue},
    {"BinaryFourBytes", REG_BINARY, Bytes(1), kNotInstalled, kNoValue},
    {"QwordOne", REG_QWORD, {1, 0, 0, 0, 0, 0, 0, 0}, kNotInstalled, kNoValue},
};

INSTANTIATE_TEST_SUITE_P(Cases, ItemFlagTest, testing::ValuesIn(kFlagCases), CaseName());

TEST_F(StandinTest, FollowsTheFlagWhileRunning)
{
    ASSERT_TRUE(DeleteItemFlag(KEY_WOW64_32KEY));
    HWND window = StartGame(QUV6_1005_EXE);
    ASSERT_NE(window, nullptr);
    auto expectShown = [window](int id, const char* text) {
        HWND control = GetDlgItem(window, id);
        EXPECT_TRUE(uidriver::WaitForText(control, text, kAppear))
            << "shows " << uidriver::ReadText(control).value_or("(no answer)");
    };
    expectShown(IDC_ITEM_STATE, kNotInstalled);

    ASSERT_TRUE(WriteItemFlag(KEY_WOW64_32KEY, 1));
    expectShown(IDC_ITEM_STATE, kInstalled);
    expectShown(IDC_FLAG_VALUE, "Serune = 0x00000001");

    ASSERT_TRUE(WriteItemFlag(KEY_WOW64_32KEY, 2));
    expectShown(IDC_ITEM_STATE, kNotInstalled);
    expectShown(IDC_FLAG_VALUE, "Serune = 0x00000002");

    ASSERT_TRUE(DeleteItemFlag(KEY_WOW64_32KEY));
    expectShown(IDC_FLAG_VALUE, kNoValue);
}

TEST_F(StandinTest, ReadsTheFlagFromThe32BitView)
{
    ASSERT_TRUE(DeleteItemFlag(KEY_WOW64_32KEY));
    ASSERT_TRUE(WriteItemFlag(KEY_WOW64_64KEY, 1));

    HWND window = StartGame(QUV6_1005_EXE);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(ControlText(window, IDC_ITEM_STATE), kNotInstalled);
    EXPECT_EQ(ControlText(window, IDC_FLAG_VALUE), kNoValue);
}
