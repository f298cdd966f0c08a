#include "FileVersion.h"

#include <windows.h>

#include <vector>

int GetFileVersionString(const char* path, CString& version) {
    DWORD handle = 0;
    const DWORD size = GetFileVersionInfoSizeA(path, &handle);
    if (size == 0) return 0;
    std::vector<BYTE> info((static_cast<size_t>(size) + 3) / 4 * 4);
    if (!GetFileVersionInfoA(path, handle, size, info.data())) return 0;

    void* value = nullptr;
    UINT length = 0;
    char translationPath[] = "\\VarFileInfo\\Translation";
    // A translation entry shorter than its four bytes is as good as none.
    if (!VerQueryValueA(info.data(), translationPath, &value, &length) || length < 4) return 0;
    const DWORD translation = *static_cast<const DWORD*>(value);

    char query[256];
    wsprintfA(query, "\\StringFileInfo\\%04X%04X\\FileVersion", LOWORD(translation), HIWORD(translation));
    if (!VerQueryValueA(info.data(), query, &value, &length) || length == 0) return 0;
    // The text ends at its first NUL, and in any case within the buffer.
    const char* text = static_cast<const char*>(value);
    const char* end = reinterpret_cast<const char*>(info.data() + info.size());
    if (text < reinterpret_cast<const char*>(info.data()) || text >= end) return 0;
    version = CString(text, static_cast<int>(strnlen(text, static_cast<size_t>(end - text))));
    return 1;
}
