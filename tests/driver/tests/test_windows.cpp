#include "test_windows.h"

const char kTestWindowClass[] = "UiDriverTestWindow";
// Not ASCII, so that matching a caption also checks its conversion to UTF-8.
const char kTestWindowCaption[] = u8"Driver test \u30C6\u30B9\u30C8";

namespace {

const wchar_t kClassW[] = L"UiDriverTestWindow";
const wchar_t kCaptionW[] = L"Driver test \u30C6\u30B9\u30C8";

LRESULT CALLBACK TestWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE: {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
        return 0;
    }
    case WM_COMMAND:
        *reinterpret_cast<int*>(GetWindowLongPtrW(window, GWLP_USERDATA)) = LOWORD(wParam);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

void RegisterTestWindowClass()
{
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = TestWindowProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kClassW;
    RegisterClassW(&windowClass); // fails harmlessly once registered
}

int RunTestWindow(const std::vector<ChildControl>& children, bool visible)
{
    RegisterTestWindowClass();
    int lastCommand = 0;
    HWND window = CreateWindowExW(0, kClassW, kCaptionW, WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU,
                                  200, 200, 400, 240, nullptr, nullptr, GetModuleHandleW(nullptr),
                                  &lastCommand);
    if (window == nullptr)
        return -1;
    int y = 8;
    for (const ChildControl& child : children) {
        HWND control = CreateWindowExW(0, child.className, child.text.c_str(), WS_CHILD | child.style,
                                       8, y, 360, 24, window,
                                       reinterpret_cast<HMENU>(static_cast<INT_PTR>(child.id)),
                                       GetModuleHandleW(nullptr), nullptr);
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
        y += 28;
    }
    if (visible)
        ShowWindow(window, SW_SHOWNORMAL);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    // A WM_QUIT from the test's clean-up leaves the window behind.
    if (IsWindow(window))
        DestroyWindow(window);
    return lastCommand;
}

} // namespace

std::unique_ptr<UiThread> ShowTestWindow(std::vector<ChildControl> children, bool visible)
{
    return std::make_unique<UiThread>(
        [children = std::move(children), visible] { return RunTestWindow(children, visible); });
}

std::unique_ptr<UiThread> ShowMessageBox(std::wstring text, std::wstring caption, UINT style)
{
    return std::make_unique<UiThread>([text = std::move(text), caption = std::move(caption), style] {
        return MessageBoxW(nullptr, text.c_str(), caption.c_str(), style);
    });
}
