#include "game_state.h"

#include <cstdio>
#include <memory>
#include <type_traits>
#include <vector>

namespace {

const char kGameKey[] = "SOFTWARE\\KORVANE\\QUV6";
const char kItemFlagValue[] = "Serune";

struct KeyCloser {
    void operator()(HKEY key) const { RegCloseKey(key); }
};
using UniqueKey = std::unique_ptr<std::remove_pointer_t<HKEY>, KeyCloser>;

std::string ModuleFileName()
{
    char path[MAX_PATH];
    DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    if (length == 0 || length == MAX_PATH)
        return std::string();
    return std::string(path, length);
}

} // namespace

std::optional<DWORD> ReadItemFlag()
{
    HKEY opened = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kGameKey, 0, KEY_QUERY_VALUE | KEY_WOW64_32KEY,
                      &opened) != ERROR_SUCCESS)
        return std::nullopt;
    UniqueKey key(opened);

    DWORD type = 0;
    DWORD value = 0;
    DWORD size = sizeof value;
    if (RegQueryValueExA(key.get(), kItemFlagValue, nullptr, &type,
                         reinterpret_cast<BYTE*>(&value), &size) != ERROR_SUCCESS
        || type != REG_DWORD || size != sizeof value)
        return std::nullopt;
    return value;
}

bool IsItemInstalled(std::optional<DWORD> flag)
{
    return flag && (*flag & 1) != 0;
}

std::string ReadOwnFileVersion()
{
    std::string path = ModuleFileName();
    DWORD ignored = 0;
    DWORD size = path.empty() ? 0 : GetFileVersionInfoSizeA(path.c_str(), &ignored);
    if (size == 0)
        return std::string();
    std::vector<char> block(size);
    if (!GetFileVersionInfoA(path.c_str(), 0, size, block.data()))
        return std::string();

    WORD* translation = nullptr;
    UINT length = 0;
    if (!VerQueryValueA(block.data(), "\\VarFileInfo\\Translation",
                        reinterpret_cast<void**>(&translation), &length)
        || length < 2 * sizeof(WORD))
        return std::string();

    char query[64];
    std::snprintf(query, sizeof query, "\\StringFileInfo\\%04X%04X\\FileVersion",
                  translation[0], translation[1]);
    char* version = nullptr;
    if (!VerQueryValueA(block.data(), query, reinterpret_cast<void**>(&version), &length)
        || length == 0)
        return std::string();
    return std::string(version);
}
