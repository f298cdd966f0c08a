// Acting on another program's windows as a user would.
#pragma once

#include <windows.h>

namespace uidriver {

// Presses button id of dialog by posting the click notification to the dialog,
// so that a handler that opens a modal window does not block the driver.
// False when there is no such control, or it is hidden or disabled: a user
// could not press it either.
bool ClickButton(HWND dialog, int id);

// Asks the window to close (WM_CLOSE), as its close box would; false when the
// window is gone.
bool RequestClose(HWND window);

} // namespace uidriver
