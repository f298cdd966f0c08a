#include "captured_run.h"

#include "text_encoding.h"

#include <cinttypes>
#include <cstdio>
#include <vector>

namespace {

// Large enough for anything uidrive prints, so that it never waits for a reader
// and the pipes can be read after the program has ended.
const DWORD kPipeBufferBytes = 1 << 20;

// A pipe whose write end the child inherits.
struct Pipe {
    Pipe() = default;
    Pipe(const Pipe&) = delete;
    Pipe& operator=(const Pipe&) = delete;

    HANDLE readEnd = nullptr;
    HANDLE writeEnd = nullptr;
    bool Create()
    {
        SECURITY_ATTRIBUTES inheritable = {sizeof inheritable, nullptr, TRUE};
        if (!CreatePipe(&readEnd, &writeEnd, &inheritable, kPipeBufferBytes))
            return false;
        SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
        return true;
    }
    void CloseWriteEnd()
    {
        if (writeEnd != nullptr)
            CloseHandle(writeEnd);
        writeEnd = nullptr;
    }
    std::string ReadAll()
    {
        std::string text;
        char buffer[4096];
        DWORD count = 0;
        while (ReadFile(readEnd, buffer, sizeof buffer, &count, nullptr) && count > 0)
            text.append(buffer, count);
        return text;
    }
    ~Pipe()
    {
        CloseWriteEnd();
        if (readEnd != nullptr)
            CloseHandle(readEnd);
    }
};

} // namespace

std::string HandleArgument(HWND window)
{
    char text[32];
    std::snprintf(text, sizeof text, "0x%" PRIxPTR, reinterpret_cast<uintptr_t>(window));
    return text;
}

CapturedRun RunCaptured(const std::string& exePath, const std::string& arguments,
                        std::chrono::milliseconds timeout)
{
    CapturedRun run;
    Pipe output;
    Pipe errors;
    if (!output.Create() || !errors.Create())
        return run;

    std::wstring commandLine = L"\"" + uidriver::WideFromUtf8(exePath) + L"\" "
                               + uidriver::WideFromUtf8(arguments);
    std::vector<wchar_t> writable(commandLine.begin(), commandLine.end());
    writable.push_back(L'\0');
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = output.writeEnd;
    startup.hStdError = errors.writeEnd;
    PROCESS_INFORMATION process = {};
    BOOL started = CreateProcessW(nullptr, writable.data(), nullptr, nullptr, TRUE, 0, nullptr,
                                  nullptr, &startup, &process);
    // Only the child may hold the write ends, or reading would never see the end.
    output.CloseWriteEnd();
    errors.CloseWriteEnd();
    if (!started)
        return run;

    DWORD code = 0;
    if (WaitForSingleObject(process.hProcess, static_cast<DWORD>(timeout.count())) == WAIT_OBJECT_0
        && GetExitCodeProcess(process.hProcess, &code)) {
        run.exitCode = code;
    } else {
        TerminateProcess(process.hProcess, 1);
        WaitForSingleObject(process.hProcess, INFINITE);
    }
    run.output = output.ReadAll();
    run.errors = errors.ReadAll();
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return run;
}
