// The uidrive command, run as a separate program the way scripts run it,
// against windows of the test's own other threads.
#include "captured_run.h"
#include "test_windows.h"
#include "uidriver.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>
#include <fstream>
#include <string>

using namespace std::chrono_literals;

namespace {

const auto kAppear = 10s;
const auto kRunLimit = 30s;

const int kLabelId = 101;
const int kButtonId = 103;
const int kDisabledButtonId = 104;

CapturedRun Uidrive(const std::string& arguments)
{
    return RunCaptured(UIDRIVE_EXE, arguments, kRunLimit);
}

std::string Quoted(const std::string& text)
{
    return "\"" + text + "\"";
}

// The window's class, and its style as dump writes it, read without the driver.
std::string ClassOf(HWND window)
{
    char name[256];
    return std::string(name, GetClassNameA(window, name, sizeof name));
}

std::string StyleOf(HWND window)
{
    char text[16];
    std::snprintf(text, sizeof text, "0x%08lX", static_cast<unsigned long>(GetWindowLongW(window, GWL_STYLE)));
    return text;
}

class UidriveTest : public testing::Test {
protected:
    void SetUp() override
    {
        m_thread = ShowTestWindow({
            {kLabelId, L"Static", WS_VISIBLE | SS_LEFT, L"one\ttwo\\three\r\n\u56DB"},
            {kButtonId, L"Button", WS_VISIBLE | BS_PUSHBUTTON, L"Press"},
            {kDisabledButtonId, L"Button", WS_VISIBLE | WS_DISABLED | BS_PUSHBUTTON, L"Disabled"},
        });
        uidriver::WindowQuery query;
        query.threadId = m_thread->Id();
        query.className = kTestWindowClass;
        m_window = uidriver::WaitForWindow(query, kAppear);
        ASSERT_NE(m_window, nullptr);
    }

    std::string Window() const { return HandleArgument(m_window); }

    std::unique_ptr<UiThread> m_thread;
    HWND m_window = nullptr;
};

} // namespace

TEST_F(UidriveTest, WaitPrintsTheWindowOfAProcessByIdOrProgramName)
{
    const std::string byId = "wait --pid " + std::to_string(GetCurrentProcessId()) + " --class "
                             + kTestWindowClass + " --title " + Quoted(kTestWindowCaption);
    const std::string byName = std::string("wait --exe uidriver_tests.exe --class ") + kTestWindowClass;
    for (const std::string& arguments : {byId, byName}) {
        SCOPED_TRACE(arguments);
        CapturedRun run = Uidrive(arguments);
        EXPECT_EQ(run.exitCode, 0u);
        EXPECT_EQ(run.output, Window() + "\n");
    }
}

TEST_F(UidriveTest, WaitFailsWhenNoWindowMatches)
{
    CapturedRun run = Uidrive("wait --any --class #32770 --title " + Quoted(kTestWindowCaption) + " --timeout 0.3");
    EXPECT_EQ(run.exitCode, 1u);
    EXPECT_EQ(run.output, "");
}

TEST_F(UidriveTest, DumpWritesCaptionAndControlsWithEscapedTexts)
{
    HWND label = GetDlgItem(m_window, kLabelId);
    HWND button = GetDlgItem(m_window, kButtonId);
    HWND disabled = GetDlgItem(m_window, kDisabledButtonId);
    const std::string expected =
        Window() + "\t" + kTestWindowClass + "\t" + kTestWindowCaption + "\n"
        + "101\t" + ClassOf(label) + "\t" + StyleOf(label) + "\tone\\ttwo\\\\three\\r\\n" + u8"\u56DB" + "\n"
        + "103\t" + ClassOf(button) + "\t" + StyleOf(button) + "\tPress\n"
        + "104\t" + ClassOf(disabled) + "\t" + StyleOf(disabled) + "\tDisabled\n";

    CapturedRun run = Uidrive("dump " + Window());
    EXPECT_EQ(run.exitCode, 0u);
    EXPECT_EQ(run.output, expected);
}

TEST_F(UidriveTest, TextPrintsTheWindowOrControlTextRaw)
{
    CapturedRun caption = Uidrive("text " + Window());
    EXPECT_EQ(caption.exitCode, 0u);
    EXPECT_EQ(caption.output, std::string(kTestWindowCaption) + "\n");

    CapturedRun label = Uidrive("text " + Window() + " " + std::to_string(kLabelId));
    EXPECT_EQ(label.exitCode, 0u);
    EXPECT_EQ(label.output, std::string("one\ttwo\\three\r\n") + u8"\u56DB" + "\n");

    CapturedRun missing = Uidrive("text " + Window() + " 999");
    EXPECT_EQ(missing.exitCode, 1u);
    EXPECT_EQ(missing.output, "");
    EXPECT_NE(missing.errors, "");
}

TEST_F(UidriveTest, ClickPressesAnEnabledButtonOnly)
{
    EXPECT_EQ(Uidrive("click " + Window() + " " + std::to_string(kDisabledButtonId)).exitCode, 1u);
    EXPECT_EQ(Uidrive("click " + Window() + " " + std::to_string(kButtonId)).exitCode, 0u);
    EXPECT_EQ(Uidrive("close " + Window()).exitCode, 0u);
    EXPECT_EQ(m_thread->Result(kAppear), kButtonId);
}

TEST_F(UidriveTest, CloseAndGoneEndTheWindow)
{
    EXPECT_EQ(Uidrive("gone " + Window() + " --timeout 0.3").exitCode, 1u);
    EXPECT_EQ(Uidrive("close " + Window()).exitCode, 0u);
    EXPECT_EQ(Uidrive("gone " + Window() + " --timeout 10").exitCode, 0u);
    EXPECT_FALSE(IsWindow(m_window));
    EXPECT_EQ(Uidrive("close " + Window()).exitCode, 1u);
}

TEST_F(UidriveTest, ShotSavesABitmapOfTheWindowOrTheDesktop)
{
    const char path[] = "uidrive_tests_shot.bmp";
    for (const std::string& target : {Window(), std::string("desktop")}) {
        SCOPED_TRACE(target);
        DeleteFileA(path);
        EXPECT_EQ(Uidrive("shot " + target + " " + path).exitCode, 0u);
        std::ifstream file(path, std::ios::binary);
        char magic[2] = {};
        file.read(magic, 2);
        EXPECT_EQ(std::string(magic, 2), "BM");
    }
    DeleteFileA(path);
}

TEST(UidriveMessage, PrintsTheTextOfAMessageBox)
{
    auto thread = ShowMessageBox(L"\u3042\u3068\n2", L"Install", MB_OK | MB_ICONINFORMATION);
    uidriver::WindowQuery query;
    query.threadId = thread->Id();
    query.className = "#32770";
    HWND box = uidriver::WaitForWindow(query, kAppear);
    ASSERT_NE(box, nullptr);

    CapturedRun run = RunCaptured(UIDRIVE_EXE, "message " + HandleArgument(box), kRunLimit);
    EXPECT_EQ(run.exitCode, 0u);
    EXPECT_EQ(run.output, std::string(u8"\u3042\u3068\n2") + "\n");
    uidriver::ClickButton(box, IDOK);
    EXPECT_EQ(thread->Result(kAppear), IDOK);
}

class UidriveUsageTest : public testing::TestWithParam<const char*> {};

TEST_P(UidriveUsageTest, BadUsageExitsWithTwoAndShowsTheUsage)
{
    CapturedRun run = RunCaptured(UIDRIVE_EXE, GetParam(), kRunLimit);
    EXPECT_EQ(run.exitCode, 2u);
    EXPECT_EQ(run.output, "");
    EXPECT_EQ(run.errors.rfind("usage: uidrive ", 0), 0u) << run.errors;
}

INSTANTIATE_TEST_SUITE_P(Cases, UidriveUsageTest,
                         testing::Values("", "frobnicate", "wait --pid", "wait --pid 0",
                                         "wait --timeout soon", "wait --colour red", "gone",
                                         "dump", "text notahandle", "text 0x10 id",
                                         "message 0x10 0x20", "click 0x10", "click 0x10 ok",
                                         "close", "shot 0x10"));
