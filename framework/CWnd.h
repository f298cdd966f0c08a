// Classes in this file:
//   CWnd - a window handle with the few operations the program uses. It does not
//          own the window: dialogs create and destroy theirs themselves.
#pragma once

#include <windows.h>

class CWnd {
public:
    CWnd() = default;
    explicit CWnd(HWND hWnd) : m_hWnd(hWnd) {}
    virtual ~CWnd() = default;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;


    // A message box owned by this window.
    int MessageBox(const char* text, const char* caption, UINT type);
    BOOL PostMessage(UINT message, WPARAM wParam, LPARAM lParam) {
        return ::PostMessageA(m_hWnd, message, wParam, lParam);
    }

    HWND m_hWnd = nullptr;
};
