#include "window_text.h"

#include "text_encoding.h"
#include "wait_until.h"
#include "window_search.h"

#include <cstring>

namespace uidriver {

namespace {

const UINT kAnswerTimeoutMs = 2000;

bool SendWithTimeout(HWND window, UINT message, WPARAM wParam, LPARAM lParam, DWORD_PTR& result)
{
    return SendMessageTimeoutW(window, message, wParam, lParam, SMTO_ABORTIFHUNG,
                               kAnswerTimeoutMs, &result) != 0;
}

// Class names of the system's controls are ASCII and compared without case.
bool HasClass(const Control& control, const char* name)
{
    return _stricmp(control.className.c_str(), name) == 0;
}

bool IsStatic(const Control& control)
{
    return HasClass(control, "Static");
}

bool IsButton(const Control& control)
{
    return HasClass(control, "Button");
}

bool IsIconControl(const Control& control)
{
    return IsStatic(control) && (control.style & SS_TYPEMASK) == SS_ICON;
}

// Wine keeps the icon control of a message box without an icon, empty; the
// handle it answers cannot be used by another process, but tells whether
// there is one.
bool ShowsIcon(const Control& control)
{
    DWORD_PTR icon = 0;
    return SendWithTimeout(control.hwnd, STM_GETICON, 0, 0, icon) && icon != 0;
}

bool IsVisible(const Control& control)
{
    return (control.style & WS_VISIBLE) != 0;
}

} // namespace

std::optional<std::string> ReadText(HWND window)
{
    DWORD_PTR length = 0;
    if (!SendWithTimeout(window, WM_GETTEXTLENGTH, 0, 0, length))
        return std::nullopt;
    // The length may be an overestimate (a double-byte text asked through the W
    // interface), never an underestimate; the copy's count is the true one.
    std::wstring text(length + 1, L'\0');
    DWORD_PTR copied = 0;
    if (!SendWithTimeout(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                         copied))
        return std::nullopt;
    text.resize(copied);
    return Utf8FromWide(text);
}

bool WaitForText(HWND window, const std::string& expected, std::chrono::milliseconds timeout)
{
    return WaitUntil([&] { return ReadText(window) == expected; }, timeout);
}

std::vector<Control> ListControls(HWND parent)
{
    std::vector<Control> controls;
    for (HWND child = GetWindow(parent, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        Control control;
        control.hwnd = child;
        control.id = GetDlgCtrlID(child);
        control.className = ClassNameOf(child);
        control.style = static_cast<DWORD>(GetWindowLongW(child, GWL_STYLE));
        control.text = ReadText(child).value_or(std::string());
        controls.push_back(control);
    }
    return controls;
}

std::optional<MessageBoxContent> ReadMessageBox(HWND box)
{
    if (ClassNameOf(box) != "#32770")
        return std::nullopt;
    MessageBoxContent content{ReadText(box).value_or(std::string()), std::string(), false, {}};
    bool foundText = false;
    for (const Control& control : ListControls(box)) {
        if (!IsVisible(control))
            continue;
        if (IsIconControl(control)) {
            content.hasIcon = content.hasIcon || ShowsIcon(control);
        } else if (IsStatic(control) && !foundText) {
            content.text = control.text;
            foundText = true;
        } else if (IsButton(control)) {
            content.buttonIds.push_back(control.id);
        }
    }
    if (!foundText)
        return std::nullopt;
    return content;
}

} // namespace uidriver
