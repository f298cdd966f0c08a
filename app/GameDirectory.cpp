#include "GameDirectory.h"

#include "Mbcs.h"

CString GameDirectoryOf(const char* exePath) {
    const char* lastBackslash = FindLastOf(exePath, "\\");
    return lastBackslash ? CString(exePath, static_cast<int>(lastBackslash - exePath + 1)) : CString();
}
