// The driver library against windows of the test's own other threads, which it
// reaches the same way as another program's.
#include "captured_run.h"
#include "test_windows.h"
#include "uidriver.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <fstream>
#include <iterator>
#include <set>
#include <vector>

using namespace std::chrono_literals;
using uidriver::WindowQuery;

namespace {

const auto kAppear = 10s;  // for a window that must come
const auto kAbsent = 300ms; // for a window that must not

const int kLabelId = 101;
const int kEditId = 102;
const int kButtonId = 103;
const int kDisabledButtonId = 104;
const int kHiddenButtonId = 105;

std::vector<ChildControl> StandardChildren()
{
    return {
        {kLabelId, L"Static", WS_VISIBLE | SS_LEFT, L"Label"},
        {kEditId, L"Edit", WS_VISIBLE | ES_AUTOHSCROLL, L"Edit text"},
        {kButtonId, L"Button", WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, L"Press"},
        {kDisabledButtonId, L"Button", WS_VISIBLE | WS_DISABLED | BS_PUSHBUTTON, L"Disabled"},
        {kHiddenButtonId, L"Button", BS_PUSHBUTTON, L"Hidden"},
    };
}

WindowQuery TestWindowOf(const UiThread& thread)
{
    WindowQuery query;
    query.threadId = thread.Id();
    query.className = kTestWindowClass;
    return query;
}

std::vector<unsigned char> FileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::vector<unsigned char>(std::istreambuf_iterator<char>(in), {});
}

template <class T>
T ReadAt(const std::vector<unsigned char>& bytes, size_t offset)
{
    T value;
    std::memcpy(&value, bytes.data() + offset, sizeof value);
    return value;
}

// Names each case of a table after its name field.
struct CaseName {
    template <class Case>
    std::string operator()(const testing::TestParamInfo<Case>& test) const
    {
        return test.param.name;
    }
};

} // namespace

TEST(TextEncoding, ConvertsBetweenUtf16AndUtf8)
{
    // U+3042 (3 bytes in UTF-8) and U+1F600 (a surrogate pair, 4 bytes).
    const std::wstring wide = L"a\u3042\U0001F600";
    const std::string utf8 = "a\xE3\x81\x82\xF0\x9F\x98\x80";
    EXPECT_EQ(uidriver::Utf8FromWide(wide), utf8);
    EXPECT_EQ(uidriver::WideFromUtf8(utf8), wide);
    EXPECT_EQ(uidriver::Utf8FromWide(L""), "");
    EXPECT_EQ(uidriver::WideFromUtf8(""), L"");
}

// ----- finding windows -----

struct QueryCase {
    const char* name;
    void (*adjust)(WindowQuery& query, DWORD threadId);
    bool found;
};

void PrintTo(const QueryCase& test, std::ostream* out)
{
    *out << test.name;
}

class WindowQueryTest : public testing::TestWithParam<QueryCase> {};

TEST_P(WindowQueryTest, FindsOnlyWhatMatches)
{
    auto thread = ShowTestWindow(StandardChildren());
    // Known to be up before the case's query runs.
    HWND window = uidriver::WaitForWindow(TestWindowOf(*thread), kAppear);
    ASSERT_NE(window, nullptr);

    WindowQuery query;
    GetParam().adjust(query, thread->Id());
    HWND result = uidriver::WaitForWindow(query, GetParam().found ? kAppear : kAbsent);
    if (GetParam().found)
        EXPECT_EQ(result, window);
    else
        EXPECT_EQ(result, nullptr);
}

const QueryCase kQueryCases[] = {
    {"ThreadAndClass", [](WindowQuery& q, DWORD t) { q.threadId = t; q.className = kTestWindowClass; }, true},
    {"ThreadAndCaption", [](WindowQuery& q, DWORD t) { q.threadId = t; q.caption = kTestWindowCaption; }, true},
    {"OwnProcessAndClass", [](WindowQuery& q, DWORD) { q.processId = GetCurrentProcessId(); q.className = kTestWindowClass; }, true},
    {"ProgramNameInOtherCase", [](WindowQuery& q, DWORD) { q.exeName = "UIDRIVER_TESTS.EXE"; q.className = kTestWindowClass; }, true},
    {"OtherProgramName", [](WindowQuery& q, DWORD) { q.exeName = "quv6.exe"; q.className = kTestWindowClass; }, false},
    {"OtherThread", [](WindowQuery& q, DWORD t) { q.threadId = t + 1; q.className = kTestWindowClass; }, false},
    {"OtherProcess", [](WindowQuery& q, DWORD) { q.processId = GetCurrentProcessId() + 4; q.className = kTestWindowClass; }, false},
    {"DialogClass", [](WindowQuery& q, DWORD t) { q.threadId = t; q.className = "#32770"; }, false},
    {"CaptionPrefixOnly", [](WindowQuery& q, DWORD t) { q.threadId = t; q.caption = "Driver test"; }, false},
    {"EmptyCaption", [](WindowQuery& q, DWORD t) { q.threadId = t; q.caption = ""; }, false},
};

INSTANTIATE_TEST_SUITE_P(Cases, WindowQueryTest, testing::ValuesIn(kQueryCases), CaseName());

TEST(WindowSearch, HiddenWindowIsFoundOnlyWhenAskedFor)
{
    auto thread = ShowTestWindow(StandardChildren(), false);
    WindowQuery query = TestWindowOf(*thread);
    query.visibleOnly = false;
    HWND window = uidriver::WaitForWindow(query, kAppear);
    ASSERT_NE(window, nullptr);
    EXPECT_FALSE(IsWindowVisible(window));

    query.visibleOnly = true;
    EXPECT_EQ(uidriver::WaitForWindow(query, kAbsent), nullptr);
    EXPECT_TRUE(uidriver::FindWindows(query).empty());
}

TEST(WindowSearch, WaitForWindowGoneSeesTheWindowClose)
{
    auto thread = ShowTestWindow(StandardChildren());
    HWND window = uidriver::WaitForWindow(TestWindowOf(*thread), kAppear);
    ASSERT_NE(window, nullptr);

    EXPECT_FALSE(uidriver::WaitForWindowGone(window, kAbsent));
    EXPECT_TRUE(uidriver::RequestClose(window));
    EXPECT_TRUE(uidriver::WaitForWindowGone(window, kAppear));
    EXPECT_EQ(thread->Result(kAppear), 0); // closed, no command
    EXPECT_FALSE(uidriver::RequestClose(window));
}

// ----- reading texts and controls -----

struct TextCase {
    const char* name;
    std::wstring shown;
    std::string expected; // UTF-8
};

void PrintTo(const TextCase& test, std::ostream* out)
{
    *out << test.name;
}

class ReadTextTest : public testing::TestWithParam<TextCase> {};

TEST_P(ReadTextTest, ReadsAnEditControlWhole)
{
    auto thread = ShowTestWindow({{kEditId, L"Edit", WS_VISIBLE | ES_MULTILINE, GetParam().shown}});
    HWND window = uidriver::WaitForWindow(TestWindowOf(*thread), kAppear);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(uidriver::ReadText(GetDlgItem(window, kEditId)), GetParam().expected);
}

const TextCase kTextCases[] = {
    {"Empty", L"", ""},
    {"Ascii", L"Item: installed", "Item: installed"},
    {"Japanese", L"\u8056\u5973\u30EB\u30F4\u30A3\u30A8\u306E\u6CD5\u8863",
     u8"\u8056\u5973\u30EB\u30F4\u30A3\u30A8\u306E\u6CD5\u8863"},
    {"LineBreaks", L"first\r\nsecond", "first\r\nsecond"},
    {"Long", std::wstring(3000, L'\u3042'), [] {
         std::string text;
         for (int i = 0; i < 3000; ++i)
             text += "\xE3\x81\x82";
         return text;
     }()},
};

INSTANTIATE_TEST_SUITE_P(Cases, ReadTextTest, testing::ValuesIn(kTextCases), CaseName());

TEST(ReadText, GivesNoValueForAWindowThatIsGone)
{
    auto thread = ShowTestWindow(StandardChildren());
    HWND window = uidriver::WaitForWindow(TestWindowOf(*thread), kAppear);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(uidriver::ReadText(window), kTestWindowCaption);
    uidriver::RequestClose(window);
    ASSERT_TRUE(uidriver::WaitForWindowGone(window, kAppear));
    EXPECT_EQ(uidriver::ReadText(window), std::nullopt);
}

TEST(ListControls, GivesEachChildInCreationOrder)
{
    const std::vector<ChildControl> children = StandardChildren();
    auto thread = ShowTestWindow(children);
    HWND window = uidriver::WaitForWindow(TestWindowOf(*thread), kAppear);
    ASSERT_NE(window, nullptr);

    const std::vector<uidriver::Control> controls = uidriver::ListControls(window);
    ASSERT_EQ(controls.size(), children.size());
    for (size_t i = 0; i < children.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(controls[i].id, children[i].id);
        EXPECT_EQ(controls[i].hwnd, GetDlgItem(window, children[i].id));
        EXPECT_EQ(_stricmp(controls[i].className.c_str(), uidriver::Utf8FromWide(children[i].className).c_str()), 0)
            << controls[i].className;
        const DWORD requested = WS_CHILD | children[i].style;
        EXPECT_EQ(controls[i].style & requested, requested);
        EXPECT_EQ(controls[i].text, uidriver::Utf8FromWide(children[i].text));
    }
}

TEST(WaitForText, SeesATextChange)
{
    auto thread = ShowTestWindow(StandardChildren());
    HWND window = uidriver::WaitForWindow(TestWindowOf(*thread), kAppear);
    ASSERT_NE(window, nullptr);
    HWND label = GetDlgItem(window, kLabelId);

    EXPECT_FALSE(uidriver::WaitForText(label, "Changed", kAbsent));
    SetWindowTextW(label, L"Changed");
    EXPECT_TRUE(uidriver::WaitForText(label, "Changed", kAppear));
}

// ----- message boxes -----

struct MessageBoxCase {
    const char* name;
    std::wstring text;
    UINT style;
    std::string expectedText;
    bool hasIcon;
    std::vector<int> buttons;
    int pressed;
};

void PrintTo(const MessageBoxCase& test, std::ostream* out)
{
    *out << test.name;
}

class MessageBoxTest : public testing::TestWithParam<MessageBoxCase> {};

TEST_P(MessageBoxTest, ReadsTheBoxAndPressesAButton)
{
    const MessageBoxCase& box = GetParam();
    auto thread = ShowMessageBox(box.text, L"Install", box.style);
    WindowQuery query;
    query.threadId = thread->Id();
    query.className = "#32770";
    query.caption = "Install";
    HWND window = uidriver::WaitForWindow(query, kAppear);
    ASSERT_NE(window, nullptr);

    std::optional<uidriver::MessageBoxContent> content = uidriver::ReadMessageBox(window);
    ASSERT_TRUE(content.has_value());
    EXPECT_EQ(content->caption, "Install");
    EXPECT_EQ(content->text, box.expectedText);
    EXPECT_EQ(content->hasIcon, box.hasIcon);
    EXPECT_EQ(std::set<int>(content->buttonIds.begin(), content->buttonIds.end()),
              std::set<int>(box.buttons.begin(), box.buttons.end()));

    EXPECT_TRUE(uidriver::ClickButton(window, box.pressed));
    EXPECT_EQ(thread->Result(kAppear), box.pressed);
    EXPECT_TRUE(uidriver::WaitForWindowGone(window, kAppear));
}

const MessageBoxCase kMessageBoxCases[] = {
    {"InformationOk", L"Installed.", MB_OK | MB_ICONINFORMATION, "Installed.", true, {IDOK}, IDOK},
    {"PlainOk", L"No icon", MB_OK, "No icon", false, {IDOK}, IDOK},
    {"JapaneseTwoLines", L"\u6587\u4EBA\u306E\u5EC3\u5C4B\n\u3042\u3068%d\u79D2", MB_OK | MB_ICONINFORMATION,
     u8"\u6587\u4EBA\u306E\u5EC3\u5C4B\n\u3042\u3068%d\u79D2", true, {IDOK}, IDOK},
    {"OkCancelPressCancel", L"Go on?", MB_OKCANCEL | MB_ICONQUESTION, "Go on?", true, {IDOK, IDCANCEL}, IDCANCEL},
    {"YesNoPressYes", L"Sure?", MB_YESNO, "Sure?", false, {IDYES, IDNO}, IDYES},
};

INSTANTIATE_TEST_SUITE_P(Cases, MessageBoxTest, testing::ValuesIn(kMessageBoxCases), CaseName());

TEST(ReadMessageBox, RefusesAWindowThatIsNoDialog)
{
    auto thread = ShowTestWindow(StandardChildren());
    HWND window = uidriver::WaitForWindow(TestWindowOf(*thread), kAppear);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(uidriver::ReadMessageBox(window), std::nullopt);
}

// ----- pressing buttons -----

struct ClickCase {
    const char* name;
    int id;
    bool pressed;
};

void PrintTo(const ClickCase& test, std::ostream* out)
{
    *out << test.name;
}

class ClickButtonTest : public testing::TestWithParam<ClickCase> {};

TEST_P(ClickButtonTest, PressesOnlyWhatAUserCould)
{
    auto thread = ShowTestWindow(StandardChildren());
    HWND window = uidriver::WaitForWindow(TestWindowOf(*thread), kAppear);
    ASSERT_NE(window, nullptr);

    EXPECT_EQ(uidriver::ClickButton(window, GetParam().id), GetParam().pressed);
    // The close comes after the command, if one was posted.
    uidriver::RequestClose(window);
    EXPECT_EQ(thread->Result(kAppear), GetParam().pressed ? GetParam().id : 0);
}

const ClickCase kClickCases[] = {
    {"Enabled", kButtonId, true},
    {"Disabled", kDisabledButtonId, false},
    {"Hidden", kHiddenButtonId, false},
    {"NoSuchControl", 999, false},
};

INSTANTIATE_TEST_SUITE_P(Cases, ClickButtonTest, testing::ValuesIn(kClickCases), CaseName());

// ----- screenshots -----

struct Bitmap {
    std::vector<unsigned char> bytes;
    LONG width() const { return ReadAt<LONG>(bytes, 18); }
    LONG height() const { return ReadAt<LONG>(bytes, 22); }
    WORD bitCount() const { return ReadAt<WORD>(bytes, 28); }
    DWORD pixelOffset() const { return ReadAt<DWORD>(bytes, 10); }
    DWORD rowBytes() const { return (static_cast<DWORD>(width()) * 3 + 3) & ~3u; }
};

// A well-formed 24-bit .bmp file whose size agrees with its header.
void ExpectBitmap(const Bitmap& bitmap, LONG width, LONG height)
{
    ASSERT_GE(bitmap.bytes.size(), 54u);
    EXPECT_EQ(bitmap.bytes[0], 'B');
    EXPECT_EQ(bitmap.bytes[1], 'M');
    EXPECT_EQ(ReadAt<DWORD>(bitmap.bytes, 2), bitmap.bytes.size());
    EXPECT_EQ(bitmap.bitCount(), 24);
    EXPECT_EQ(bitmap.width(), width);
    EXPECT_EQ(bitmap.height(), height);
    EXPECT_EQ(bitmap.bytes.size(), bitmap.pixelOffset() + bitmap.rowBytes() * height);
}

std::set<unsigned long> ColoursOf(const Bitmap& bitmap)
{
    std::set<unsigned long> colours;
    for (LONG y = 0; y < bitmap.height(); ++y) {
        const unsigned char* row = bitmap.bytes.data() + bitmap.pixelOffset() + y * bitmap.rowBytes();
        for (LONG x = 0; x < bitmap.width(); ++x)
            colours.insert(row[3 * x] | row[3 * x + 1] << 8 | static_cast<unsigned long>(row[3 * x + 2]) << 16);
    }
    return colours;
}

class ScreenshotTest : public testing::Test {
protected:
    void TearDown() override { DeleteFileA(m_path.c_str()); }
    const std::string m_path = "uidriver_tests_shot.bmp";
};

TEST_F(ScreenshotTest, WindowShotHasTheWindowsSizeAndContent)
{
    auto thread = ShowTestWindow(StandardChildren());
    HWND window = uidriver::WaitForWindow(TestWindowOf(*thread), kAppear);
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(uidriver::WaitForText(GetDlgItem(window, kLabelId), "Label", kAppear));
    UpdateWindow(window);
    RECT rect;
    ASSERT_TRUE(GetWindowRect(window, &rect));

    ASSERT_TRUE(uidriver::SaveWindowBitmap(window, m_path));
    Bitmap bitmap{FileBytes(m_path)};
    ExpectBitmap(bitmap, rect.right - rect.left, rect.bottom - rect.top);
    // Background, text, edit box and buttons: far from one flat colour.
    EXPECT_GE(ColoursOf(bitmap).size(), 3u);
}

TEST_F(ScreenshotTest, DesktopShotCoversTheScreen)
{
    ASSERT_TRUE(uidriver::SaveScreenBitmap(m_path));
    ExpectBitmap(Bitmap{FileBytes(m_path)}, GetSystemMetrics(SM_CXVIRTUALSCREEN),
                 GetSystemMetrics(SM_CYVIRTUALSCREEN));
}

TEST_F(ScreenshotTest, FailsForAWindowThatIsGoneOrAnUnwritablePath)
{
    auto thread = ShowTestWindow(StandardChildren());
    HWND window = uidriver::WaitForWindow(TestWindowOf(*thread), kAppear);
    ASSERT_NE(window, nullptr);
    EXPECT_FALSE(uidriver::SaveWindowBitmap(window, "no-such-directory\\shot.bmp"));

    uidriver::RequestClose(window);
    ASSERT_TRUE(uidriver::WaitForWindowGone(window, kAppear));
    EXPECT_FALSE(uidriver::SaveWindowBitmap(window, m_path));
    EXPECT_EQ(GetFileAttributesA(m_path.c_str()), INVALID_FILE_ATTRIBUTES);
}

// ----- processes -----

TEST(Process, ReportsAProgramThatCannotStart)
{
    uidriver::Process missing("no-such-program.exe");
    EXPECT_FALSE(missing.IsStarted());
    EXPECT_EQ(missing.StartError(), static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
    EXPECT_FALSE(missing.WaitForExit(0ms));
    EXPECT_EQ(missing.ExitCode(), std::nullopt);
}

TEST(Process, GivesTheExitCodeOnceEnded)
{
    uidriver::Process usage(UIDRIVE_EXE); // no command: a usage error
    ASSERT_TRUE(usage.IsStarted()) << usage.StartError();
    ASSERT_TRUE(usage.WaitForExit(kAppear));
    EXPECT_EQ(usage.ExitCode(), 2u);
}

TEST(Process, EndsAProgramStillRunningWhenDestroyed)
{
    auto thread = ShowTestWindow(StandardChildren());
    HWND window = uidriver::WaitForWindow(TestWindowOf(*thread), kAppear);
    ASSERT_NE(window, nullptr);

    HANDLE watched = nullptr;
    {
        uidriver::Process waiting(UIDRIVE_EXE, "gone " + HandleArgument(window) + " --timeout 60");
        ASSERT_TRUE(waiting.IsStarted()) << waiting.StartError();
        EXPECT_FALSE(waiting.WaitForExit(kAbsent));
        EXPECT_EQ(waiting.ExitCode(), std::nullopt);
        watched = OpenProcess(SYNCHRONIZE, FALSE, waiting.Id());
        ASSERT_NE(watched, nullptr);
    }
    EXPECT_EQ(WaitForSingleObject(watched, 0), WAIT_OBJECT_0);
    CloseHandle(watched);
}
