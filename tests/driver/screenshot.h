// Screenshots as 24-bit .bmp files, for the demo and for looking at a failure.
#pragma once

#include <windows.h>

#include <string>

namespace uidriver {

// Copies the window's area of the screen, frame included, so the window must
// not be covered. path is UTF-8. False when the window is gone or the file
// cannot be written.
bool SaveWindowBitmap(HWND window, const std::string& path);

// The whole (virtual) screen.
bool SaveScreenBitmap(const std::string& path);

} // namespace uidriver
