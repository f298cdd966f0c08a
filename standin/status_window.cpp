#include "status_window.h"

#include "game_state.h"
#include "standin_ids.h"

#include <cstdio>
#include <optional>
#include <utility>

namespace {

const UINT_PTR kRefreshTimer = 1;
const UINT kRefreshPeriodMs = 250;

// Xvfb has no window manager to place windows; a fixed place keeps them on screen.
const int kLeft = 80, kTop = 80, kWidth = 380, kHeight = 150;
const int kMargin = 16, kLineHeight = 24;

std::string ItemStateText(std::optional<DWORD> flag)
{
    return IsItemInstalled(flag) ? "Item: installed" : "Item: not installed";
}

std::string FlagValueText(std::optional<DWORD> flag)
{
    if (!flag)
        return "Serune: no value";
    char text[32];
    std::snprintf(text, sizeof text, "Serune = 0x%08lX", static_cast<unsigned long>(*flag));
    return text;
}

std::string VersionText(const std::string& version)
{
    return "Version: " + (version.empty() ? std::string("unknown") : version);
}

// Setting only changed texts keeps the window from flickering on every tick.
void SetTextIfChanged(HWND control, const std::string& text)
{
    char current[64] = "";
    GetWindowTextA(control, current, sizeof current);
    if (text != current)
        SetWindowTextA(control, text.c_str());
}

} // namespace

StatusWindow::StatusWindow(std::string version) : m_hwnd(nullptr), m_version(std::move(version)) {}

bool StatusWindow::Create(HINSTANCE instance, int showCommand)
{
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = QUV6_WINDOW_CLASS;
    if (!RegisterClassA(&windowClass))
        return false;

    if (!CreateWindowExA(0, QUV6_WINDOW_CLASS, QUV6_WINDOW_CAPTION,
                         WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX,
                         kLeft, kTop, kWidth, kHeight, nullptr, nullptr, instance, this))
        return false;
    ShowWindow(m_hwnd, showCommand);
    UpdateWindow(m_hwnd);
    return true;
}

LRESULT CALLBACK StatusWindow::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    // The object comes with WM_NCCREATE; messages before it go to the default.
    if (message == WM_NCCREATE) {
        auto* self = static_cast<StatusWindow*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        self->m_hwnd = hwnd;
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<StatusWindow*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (self == nullptr)
        return DefWindowProcA(hwnd, message, wParam, lParam);
    return self->HandleMessage(message, wParam, lParam);
}

LRESULT StatusWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
        CreateControls();
        Refresh();
        SetTimer(m_hwnd, kRefreshTimer, kRefreshPeriodMs, nullptr);
        return 0;
    case WM_TIMER:
        if (wParam == kRefreshTimer)
            Refresh();
        return 0;
    case WM_DESTROY:
        KillTimer(m_hwnd, kRefreshTimer);
        PostQuitMessage(QUV6_EXIT_OK);
        return 0;
    default:
        // WM_CLOSE reaches DestroyWindow here, which ends the message loop.
        return DefWindowProcA(m_hwnd, message, wParam, lParam);
    }
}

void StatusWindow::CreateControls()
{
    HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(m_hwnd, GWLP_HINSTANCE));
    HGDIOBJ font = GetStockObject(DEFAULT_GUI_FONT);
    const int ids[] = {IDC_ITEM_STATE, IDC_FLAG_VALUE, IDC_VERSION};
    RECT client;
    GetClientRect(m_hwnd, &client);
    int y = kMargin;
    for (int id : ids) {
        HWND control = CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE | SS_LEFT | SS_NOPREFIX,
                                       kMargin, y, client.right - 2 * kMargin, kLineHeight - 4,
                                       m_hwnd, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                       instance, nullptr);
        SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        y += kLineHeight;
    }
    SetDlgItemTextA(m_hwnd, IDC_VERSION, VersionText(m_version).c_str());
}

void StatusWindow::Refresh()
{
    std::optional<DWORD> flag = ReadItemFlag();
    SetTextIfChanged(GetDlgItem(m_hwnd, IDC_ITEM_STATE), ItemStateText(flag));
    SetTextIfChanged(GetDlgItem(m_hwnd, IDC_FLAG_VALUE), FlagValueText(flag));
}
