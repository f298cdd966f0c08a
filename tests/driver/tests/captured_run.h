// Running a console program (uidrive) and collecting what it prints.
#pragma once

#include <windows.h>

#include <chrono>
#include <optional>
#include <string>

struct CapturedRun {
    std::optional<DWORD> exitCode; // no value: it was still running at the time-out and was ended
    std::string output;            // standard output, byte for byte
    std::string errors;            // standard error
};

// A window handle as uidrive writes and reads it: 0x-prefixed hex.
std::string HandleArgument(HWND window);

CapturedRun RunCaptured(const std::string& exePath, const std::string& arguments,
                        std::chrono::milliseconds timeout);
