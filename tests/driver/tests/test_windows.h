// Windows that the driver's tests work on, each shown on a UiThread of its own.
#pragma once

#include "ui_thread.h"

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

extern const char kTestWindowClass[];
extern const char kTestWindowCaption[];

struct ChildControl {
    int id;
    const wchar_t* className;
    DWORD style; // WS_CHILD is added
    std::wstring text;
};

// A top-level window of class kTestWindowClass with the given children, 400 x 240
// pixels at 200,200. The thread's result is the id of the last WM_COMMAND the
// window received, 0 for none; it ends when the window is destroyed.
std::unique_ptr<UiThread> ShowTestWindow(std::vector<ChildControl> children, bool visible = true);

// MessageBoxW(nullptr, text, caption, style) on a thread of its own; the
// thread's result is the message box's.
std::unique_ptr<UiThread> ShowMessageBox(std::wstring text, std::wstring caption, UINT style);
