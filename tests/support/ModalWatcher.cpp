#include "ModalWatcher.h"

#include "Text.h"

#include <chrono>

namespace {

HWND FindDialogOfThread(DWORD threadId) {
    HWND found = nullptr;
    EnumThreadWindows(
        threadId,
        [](HWND hWnd, LPARAM param) -> BOOL {
            char className[16] = {};
            GetClassNameA(hWnd, className, sizeof className);
            if (lstrcmpA(className, "#32770") != 0 || !IsWindowVisible(hWnd)) return TRUE;
            *reinterpret_cast<HWND*>(param) = hWnd;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

std::string WindowTextUtf8(HWND hWnd) {
    wchar_t text[4096] = {};
    SendMessageW(hWnd, WM_GETTEXT, 4096, reinterpret_cast<LPARAM>(text));
    return WideToUtf8(text);
}

bool HasIconChild(HWND box) {
    bool found = false;
    EnumChildWindows(
        box,
        [](HWND child, LPARAM param) -> BOOL {
            char className[16] = {};
            GetClassNameA(child, className, sizeof className);
            const LONG style = GetWindowLongA(child, GWL_STYLE);
            // A box without an icon may keep a hidden icon control.
            if (lstrcmpiA(className, "Static") == 0 && (style & SS_TYPEMASK) == SS_ICON && (style & WS_VISIBLE)) {
                *reinterpret_cast<bool*>(param) = true;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

}  // namespace

ModalWatcher::ModalWatcher(int button) : m_thread(&ModalWatcher::Watch, this, GetCurrentThreadId(), button) {}

ModalWatcher::~ModalWatcher() {
    if (m_thread.joinable()) m_thread.join();
}

const ShownBox& ModalWatcher::Result() {
    if (m_thread.joinable()) m_thread.join();
    return m_box;
}

// Gives up after 20 seconds, so that a box that never comes fails the test
// instead of hanging it.
void ModalWatcher::Watch(DWORD threadId, int button) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    HWND box = nullptr;
    while (!(box = FindDialogOfThread(threadId))) {
        if (std::chrono::steady_clock::now() > deadline) return;
        Sleep(20);
    }
    Sleep(100);  // let the box finish its initialisation
    m_box.seen = true;
    m_box.caption = WindowTextUtf8(box);
    m_box.text = WindowTextUtf8(GetDlgItem(box, 0xFFFF));
    m_box.owner = GetWindow(box, GW_OWNER);
    m_box.hasIcon = HasIconChild(box);
    PostMessageA(box, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0);
}
