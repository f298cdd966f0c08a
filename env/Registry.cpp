#include "Registry.h"

#include "ScopedHandles.h"

namespace {

// The game is a 32-bit program, so its key lives in the 32-bit view of the
// registry; a 64-bit build has to ask for that view explicitly.
#ifdef _WIN64
constexpr REGSAM kGameKeyView = KEY_WOW64_32KEY;
#else
constexpr REGSAM kGameKeyView = 0;
#endif

constexpr DWORD kStringBufferSize = 260;

bool OpenKey(HKEY root, const char* subkey, REGSAM access, ScopedRegKey& key) {
    return RegOpenKeyExA(root, subkey, 0, access | kGameKeyView, key.receive()) == ERROR_SUCCESS;
}

}  // namespace

const char* const FlagValueNames[16] = {
    "Aldric", "Brenna", "Caelum", "Dariel", "Elowen", "Fenric", "Galen",  "Hesper",
    "Serune", "Ivaine", "Joriel", "Kestra", "Lucan",  "Maren",  "Nerys", "Orrin",
};

CString ReadRegString(HKEY root, const char* subkey, const char* name) {
    ScopedRegKey key;
    if (!OpenKey(root, subkey, KEY_READ, key)) return CString();
    char buffer[kStringBufferSize];
    DWORD size = sizeof buffer;
    if (RegQueryValueExA(key.get(), name, nullptr, nullptr, reinterpret_cast<BYTE*>(buffer), &size) != ERROR_SUCCESS)
        return CString();
    // Data without a NUL end where the returned bytes end.
    return CString(buffer, static_cast<int>(strnlen(buffer, size < sizeof buffer ? size : sizeof buffer)));
}

DWORD ReadRegDword(HKEY root, const char* subkey, const char* name) {
    ScopedRegKey key;
    if (!OpenKey(root, subkey, KEY_READ, key)) return 0;
    // Shorter data fill only the low-order bytes; the others stay 0.
    BYTE bytes[4] = {};
    DWORD size = sizeof bytes;
    if (RegQueryValueExA(key.get(), name, nullptr, nullptr, bytes, &size) != ERROR_SUCCESS) return 0;
    return static_cast<DWORD>(bytes[0]) | static_cast<DWORD>(bytes[1]) << 8 | static_cast<DWORD>(bytes[2]) << 16 |
           static_cast<DWORD>(bytes[3]) << 24;
}

BOOL WriteRegDword(HKEY root, const char* subkey, const char* name, DWORD value) {
    ScopedRegKey key;
    if (!OpenKey(root, subkey, KEY_ALL_ACCESS, key)) {
        if (!CreateRegKey(root, subkey)) return FALSE;
        if (!OpenKey(root, subkey, KEY_ALL_ACCESS, key)) return FALSE;
    }
    const BYTE bytes[4] = {static_cast<BYTE>(value), static_cast<BYTE>(value >> 8), static_cast<BYTE>(value >> 16),
                           static_cast<BYTE>(value >> 24)};
    return RegSetValueExA(key.get(), name, 0, REG_DWORD, bytes, sizeof bytes) == ERROR_SUCCESS;
}

BOOL CreateRegKey(HKEY root, const char* subkey) {
    ScopedRegKey key;
    char noClass[] = "";
    return RegCreateKeyExA(root, subkey, 0, noClass, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS | kGameKeyView, nullptr,
                           key.receive(), nullptr) == ERROR_SUCCESS;
}
