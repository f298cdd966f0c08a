#include "window_input.h"

namespace uidriver {

bool ClickButton(HWND dialog, int id)
{
    HWND button = GetDlgItem(dialog, id);
    if (button == nullptr || !IsWindowVisible(button) || !IsWindowEnabled(button))
        return false;
    return PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                        reinterpret_cast<LPARAM>(button))
           != 0;
}

bool RequestClose(HWND window)
{
    return PostMessageW(window, WM_CLOSE, 0, 0) != 0;
}

} // namespace uidriver
