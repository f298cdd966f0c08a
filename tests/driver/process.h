// Classes in this file:
//   Process - a program started by a test, ended at the latest with the object.
#pragma once

#include <windows.h>

#include <chrono>
#include <optional>
#include <string>

namespace uidriver {

// Starts a program with CreateProcess. A test that fails halfway must not leave
// the program running: the destructor ends it if it still runs.
class Process {
public:
    // exePath and arguments are UTF-8; the path is quoted on the command line.
    explicit Process(const std::string& exePath, const std::string& arguments = std::string());
    ~Process();
    Process(const Process&) = delete;
    Process& operator=(const Process&) = delete;

    bool IsStarted() const { return m_info.hProcess != nullptr; }
    DWORD StartError() const { return m_startError; } // GetLastError of a failed start
    DWORD Id() const { return m_info.dwProcessId; }
    DWORD MainThreadId() const { return m_info.dwThreadId; }

    // True once the program has ended; false when it still runs after timeout.
    bool WaitForExit(std::chrono::milliseconds timeout);
    // The exit code once the program has ended; no value while it runs.
    std::optional<DWORD> ExitCode() const;

private:
    PROCESS_INFORMATION m_info;
    DWORD m_startError;
};

} // namespace uidriver
