// Classes in this file:
//   StatusWindow - the stand-in game's only window: item state and version.
#pragma once

#include <windows.h>

#include <string>

// Shows whether the item flag's bit 0 is set, re-reading it on a timer so that
// a running game sees the install tool's change, as the real game would.
// The texts are plain English in static controls so that a UI driver can read
// them (control ids in standin_ids.h).
class StatusWindow {
public:
    explicit StatusWindow(std::string version);
    StatusWindow(const StatusWindow&) = delete;
    StatusWindow& operator=(const StatusWindow&) = delete;

    bool Create(HINSTANCE instance, int showCommand);

private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void CreateControls();
    void Refresh();

    HWND m_hwnd;
    std::string m_version;
};
