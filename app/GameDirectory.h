// The game directory of the game executable's full path.
#pragma once

#include "CString.h"

// The path up to and including its last backslash, or empty without one;
// double-byte characters are stepped over whole.
CString GameDirectoryOf(const char* exePath);
