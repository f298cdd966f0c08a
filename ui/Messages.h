// Message boxes: every box of the program shows a string-table row under the
// application title.
#pragma once

#include <windows.h>

// Shows row id with the given message-box style; the id of the button that
// closed the box, or 0 when none was shown. A missing row shows
// "FATAL: Unexpected.".
int ShowMessage(UINT id, UINT type);

// ShowMessage(id, MB_ICONERROR).
int ShowError(UINT id);

// Shows row id as an error unless id is 0, then abandons the current command
// with the silent user exception.
[[noreturn]] void AbortWithMessage(UINT id);
