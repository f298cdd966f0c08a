// Finding the top-level windows of the program under test, and waiting for
// them to come and go.
#pragma once

#include <windows.h>

#include <chrono>
#include <optional>
#include <string>
#include <vector>

namespace uidriver {

// What a top-level window must have to match; unset fields match anything.
struct WindowQuery {
    DWORD processId = 0;                  // 0: any process
    DWORD threadId = 0;                   // 0: any thread
    std::string exeName;                  // file name of the process's program, any case
    std::optional<std::string> className; // exact, e.g. "#32770" for dialogs and message boxes
    std::optional<std::string> caption;   // exact, UTF-8; "" matches only an empty caption
    bool visibleOnly = true;              // a dialog becomes visible once it is initialised
};

bool Matches(HWND window, const WindowQuery& query);

// The matching top-level windows, topmost first.
std::vector<HWND> FindWindows(const WindowQuery& query);

// The first matching window, or null when none has appeared within timeout.
HWND WaitForWindow(const WindowQuery& query, std::chrono::milliseconds timeout);

// True once the window no longer exists; false when it is still there after timeout.
bool WaitForWindowGone(HWND window, std::chrono::milliseconds timeout);

std::string ClassNameOf(HWND window);

} // namespace uidriver
