// Reading what a window shows: its text, its child controls, a message box.
#pragma once

#include <windows.h>

#include <chrono>
#include <optional>
#include <string>
#include <vector>

namespace uidriver {

// The window's text as UTF-8, asked for with WM_GETTEXT: under Wine,
// GetWindowText does not read another process's control texts. No value when
// the window is gone or does not answer within two seconds.
std::optional<std::string> ReadText(HWND window);

// True once the window's text equals expected; false when it still differs after timeout.
bool WaitForText(HWND window, const std::string& expected, std::chrono::milliseconds timeout);

struct Control {
    HWND hwnd;
    int id;
    std::string className;
    DWORD style;
    std::string text; // empty also when the control does not answer
};

// The window's direct children in z-order, which for a dialog is its tab order.
std::vector<Control> ListControls(HWND parent);

struct MessageBoxContent {
    std::string caption;
    std::string text;
    bool hasIcon;
    std::vector<int> buttonIds; // visible buttons, in order
};

// A message box's caption, text, icon and buttons: its text is the one static
// control that is not an icon (the control ids differ between Windows and Wine).
// Empty when the window is not a dialog with such a control.
std::optional<MessageBoxContent> ReadMessageBox(HWND box);

} // namespace uidriver
