// uidrive: the UI driver on the command line, for shell scripts (the demo
// drives Install.EXE with it). See kUsage.
#include "uidriver.h"

#include <windows.h>
#include <shellapi.h>

#include <fcntl.h>
#include <io.h>

#include <algorithm>
#include <chrono>
#include <cinttypes>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

namespace {

const char kUsage[] =
    "usage: uidrive COMMAND ARGUMENTS\n"
    "  wait [--pid N | --exe NAME | --any] [--class C] [--title T] [--timeout S]\n"
    "                      wait for a visible top-level window and print its handle\n"
    "  gone HWND [--timeout S]\n"
    "                      wait until the window no longer exists\n"
    "  dump HWND           print a line 'HWND<TAB>class<TAB>caption', then for each\n"
    "                      child control 'id<TAB>class<TAB>style<TAB>text'; tabs,\n"
    "                      line breaks and backslashes in texts are written \\t \\n \\r \\\\\n"
    "  text HWND [ID]      print the text of the window, or of its control ID\n"
    "  message HWND        print the text of a message box\n"
    "  click HWND ID       press button ID of dialog HWND\n"
    "  close HWND          ask the window to close (WM_CLOSE)\n"
    "  shot HWND|desktop FILE.bmp\n"
    "                      save a 24-bit screenshot of the window or the screen\n"
    "Handles are written as 0x-prefixed hex; texts are UTF-8; the default timeout\n"
    "is 10 seconds.\n"
    "Exit status: 0 done; 1 not found, timed out or failed; 2 bad usage.\n";

const int kDone = 0;
const int kFailed = 1;
const int kBadUsage = 2;
const std::chrono::seconds kDefaultTimeout(10);

using Arguments = std::vector<std::string>;
using Options = std::vector<std::pair<std::string, std::string>>; // name, value

int BadUsage()
{
    std::fputs(kUsage, stderr);
    return kBadUsage;
}

int Fail(const std::string& message)
{
    std::fprintf(stderr, "uidrive: %s\n", message.c_str());
    return kFailed;
}

void PrintLine(const std::string& text)
{
    std::fwrite(text.data(), 1, text.size(), stdout);
    std::fputc('\n', stdout);
}

std::string HandleText(HWND window)
{
    char text[32];
    std::snprintf(text, sizeof text, "0x%" PRIxPTR, reinterpret_cast<uintptr_t>(window));
    return text;
}

std::optional<long long> ParseNumber(const std::string& text)
{
    if (text.empty())
        return std::nullopt;
    char* end = nullptr;
    long long value = std::strtoll(text.c_str(), &end, 0);
    if (*end != '\0')
        return std::nullopt;
    return value;
}

// A handle is a window's number, as printed by wait; it must name a window.
std::optional<HWND> ParseWindow(const std::string& text)
{
    std::optional<long long> number = ParseNumber(text);
    if (!number)
        return std::nullopt;
    return reinterpret_cast<HWND>(static_cast<intptr_t>(*number));
}

std::string Escaped(const std::string& text)
{
    std::string result;
    for (char c : text) {
        switch (c) {
        case '\t': result += "\\t"; break;
        case '\n': result += "\\n"; break;
        case '\r': result += "\\r"; break;
        case '\\': result += "\\\\"; break;
        default: result += c;
        }
    }
    return result;
}

// Reads "--name value" pairs; false on an unknown option or a missing value.
// Flags without a value are listed in flags.
bool ParseOptions(const Arguments& args, size_t first, const std::vector<std::string>& valued,
                  const std::vector<std::string>& flags, Options& options)
{
    for (size_t i = first; i < args.size(); ++i) {
        const std::string& name = args[i];
        bool isValued = std::find(valued.begin(), valued.end(), name) != valued.end();
        bool isFlag = std::find(flags.begin(), flags.end(), name) != flags.end();
        if (isFlag) {
            options.emplace_back(name, std::string());
        } else if (isValued && i + 1 < args.size()) {
            options.emplace_back(name, args[i + 1]);
            ++i;
        } else {
            return false;
        }
    }
    return true;
}

std::optional<std::chrono::milliseconds> ParseSeconds(const std::string& text)
{
    char* end = nullptr;
    double seconds = std::strtod(text.c_str(), &end);
    if (text.empty() || *end != '\0' || seconds < 0)
        return std::nullopt;
    return std::chrono::milliseconds(static_cast<long long>(seconds * 1000));
}

int WaitCommand(const Arguments& args)
{
    Options options;
    if (!ParseOptions(args, 0, {"--pid", "--exe", "--class", "--title", "--timeout"}, {"--any"},
                      options))
        return BadUsage();
    uidriver::WindowQuery query;
    std::chrono::milliseconds timeout = kDefaultTimeout;
    for (const auto& [name, value] : options) {
        if (name == "--pid") {
            std::optional<long long> pid = ParseNumber(value);
            if (!pid || *pid <= 0)
                return BadUsage();
            query.processId = static_cast<DWORD>(*pid);
        } else if (name == "--exe") {
            query.exeName = value;
        } else if (name == "--class") {
            query.className = value;
        } else if (name == "--title") {
            query.caption = value;
        } else if (name == "--timeout") {
            std::optional<std::chrono::milliseconds> parsed = ParseSeconds(value);
            if (!parsed)
                return BadUsage();
            timeout = *parsed;
        }
    }
    HWND window = uidriver::WaitForWindow(query, timeout);
    if (window == nullptr)
        return Fail("no matching window appeared");
    PrintLine(HandleText(window));
    return kDone;
}

int GoneCommand(const Arguments& args)
{
    Options options;
    std::optional<HWND> window = args.empty() ? std::nullopt : ParseWindow(args[0]);
    if (!window || !ParseOptions(args, 1, {"--timeout"}, {}, options))
        return BadUsage();
    std::chrono::milliseconds timeout = kDefaultTimeout;
    if (!options.empty()) {
        std::optional<std::chrono::milliseconds> parsed = ParseSeconds(options.back().second);
        if (!parsed)
            return BadUsage();
        timeout = *parsed;
    }
    if (!uidriver::WaitForWindowGone(*window, timeout))
        return Fail("the window is still there");
    return kDone;
}

int DumpCommand(const Arguments& args)
{
    std::optional<HWND> window = args.size() == 1 ? ParseWindow(args[0]) : std::nullopt;
    if (!window)
        return BadUsage();
    std::optional<std::string> caption = uidriver::ReadText(*window);
    if (!caption)
        return Fail("the window does not answer");
    PrintLine(HandleText(*window) + "\t" + uidriver::ClassNameOf(*window) + "\t" + Escaped(*caption));
    for (const uidriver::Control& control : uidriver::ListControls(*window)) {
        char style[16];
        std::snprintf(style, sizeof style, "0x%08lX", static_cast<unsigned long>(control.style));
        PrintLine(std::to_string(control.id) + "\t" + control.className + "\t" + style + "\t"
                  + Escaped(control.text));
    }
    return kDone;
}

int TextCommand(const Arguments& args)
{
    std::optional<HWND> window = !args.empty() && args.size() <= 2 ? ParseWindow(args[0]) : std::nullopt;
    std::optional<long long> id = args.size() == 2 ? ParseNumber(args[1]) : std::nullopt;
    if (!window || (args.size() == 2 && !id))
        return BadUsage();
    HWND target = id ? GetDlgItem(*window, static_cast<int>(*id)) : *window;
    std::optional<std::string> text = target ? uidriver::ReadText(target) : std::nullopt;
    if (!text)
        return Fail("no such window or control, or it does not answer");
    PrintLine(*text);
    return kDone;
}

int MessageCommand(const Arguments& args)
{
    std::optional<HWND> window = args.size() == 1 ? ParseWindow(args[0]) : std::nullopt;
    if (!window)
        return BadUsage();
    std::optional<uidriver::MessageBoxContent> box = uidriver::ReadMessageBox(*window);
    if (!box)
        return Fail("not a message box");
    PrintLine(box->text);
    return kDone;
}

int ClickCommand(const Arguments& args)
{
    std::optional<HWND> window = args.size() == 2 ? ParseWindow(args[0]) : std::nullopt;
    std::optional<long long> id = args.size() == 2 ? ParseNumber(args[1]) : std::nullopt;
    if (!window || !id)
        return BadUsage();
    if (!uidriver::ClickButton(*window, static_cast<int>(*id)))
        return Fail("no such button, or it is hidden or disabled");
    return kDone;
}

int CloseCommand(const Arguments& args)
{
    std::optional<HWND> window = args.size() == 1 ? ParseWindow(args[0]) : std::nullopt;
    if (!window)
        return BadUsage();
    if (!uidriver::RequestClose(*window))
        return Fail("no such window");
    return kDone;
}

int ShotCommand(const Arguments& args)
{
    if (args.size() != 2)
        return BadUsage();
    bool saved = false;
    if (args[0] == "desktop") {
        saved = uidriver::SaveScreenBitmap(args[1]);
    } else {
        std::optional<HWND> window = ParseWindow(args[0]);
        if (!window)
            return BadUsage();
        saved = uidriver::SaveWindowBitmap(*window, args[1]);
    }
    return saved ? kDone : Fail("could not save the screenshot");
}

Arguments CommandLineArguments()
{
    int count = 0;
    wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
    Arguments args;
    for (int i = 1; i < count; ++i)
        args.push_back(uidriver::Utf8FromWide(wide[i]));
    LocalFree(wide);
    return args;
}

} // namespace

int main()
{
    // Scripts read UTF-8 lines ending in a bare line feed.
    _setmode(_fileno(stdout), _O_BINARY);
    SetConsoleOutputCP(CP_UTF8);

    struct Command {
        const char* name;
        int (*run)(const Arguments&);
    };
    const Command commands[] = {
        {"wait", WaitCommand}, {"gone", GoneCommand},   {"dump", DumpCommand},
        {"text", TextCommand}, {"message", MessageCommand}, {"click", ClickCommand},
        {"close", CloseCommand}, {"shot", ShotCommand},
    };

    Arguments args = CommandLineArguments();
    if (args.empty())
        return BadUsage();
    for (const Command& command : commands) {
        if (args[0] == command.name)
            return command.run(Arguments(args.begin() + 1, args.end()));
    }
    return BadUsage();
}
