#include "process.h"

#include "text_encoding.h"

#include <vector>

namespace uidriver {

namespace {

// The exit code of a program that the destructor had to end.
const DWORD kTerminatedExitCode = 0xDEAD;
const DWORD kTerminateWaitMs = 5000;

DWORD Milliseconds(std::chrono::milliseconds timeout)
{
    return timeout.count() < 0 ? 0 : static_cast<DWORD>(timeout.count());
}

} // namespace

Process::Process(const std::string& exePath, const std::string& arguments)
    : m_info(), m_startError(ERROR_SUCCESS)
{
    std::wstring commandLine = L"\"" + WideFromUtf8(exePath) + L"\"";
    if (!arguments.empty())
        commandLine += L" " + WideFromUtf8(arguments);
    // CreateProcessW may write into its command line.
    std::vector<wchar_t> writable(commandLine.begin(), commandLine.end());
    writable.push_back(L'\0');

    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    if (!CreateProcessW(nullptr, writable.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &m_info)) {
        m_startError = GetLastError();
        m_info = PROCESS_INFORMATION();
    }
}

Process::~Process()
{
    if (!IsStarted())
        return;
    if (!WaitForExit(std::chrono::milliseconds(0))) {
        TerminateProcess(m_info.hProcess, kTerminatedExitCode);
        WaitForSingleObject(m_info.hProcess, kTerminateWaitMs);
    }
    CloseHandle(m_info.hThread);
    CloseHandle(m_info.hProcess);
}

bool Process::WaitForExit(std::chrono::milliseconds timeout)
{
    return IsStarted() && WaitForSingleObject(m_info.hProcess, Milliseconds(timeout)) == WAIT_OBJECT_0;
}

std::optional<DWORD> Process::ExitCode() const
{
    DWORD code = 0;
    if (!IsStarted() || WaitForSingleObject(m_info.hProcess, 0) != WAIT_OBJECT_0
        || !GetExitCodeProcess(m_info.hProcess, &code))
        return std::nullopt;
    return code;
}

} // namespace uidriver
