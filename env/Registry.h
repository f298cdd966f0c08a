// The game key's values: reading and writing through the 8-bit registry
// functions. Each call opens the key it needs and closes it before it returns;
// failures are reported through the result alone.
#pragma once

#include "CString.h"

#include <windows.h>

// Value names of the item flags, one per item package, indexed by flag slot.
extern const char* const FlagValueNames[16];

// The string value name under root\subkey, up to its first NUL; empty when the
// value cannot be read or its data exceed 260 bytes.
CString ReadRegString(HKEY root, const char* subkey, const char* name);

// The value name as a 32-bit little-endian number whatever its type; 0 when it
// cannot be read or its data exceed four bytes.
DWORD ReadRegDword(HKEY root, const char* subkey, const char* name);

// Writes value as REG_DWORD, creating the key when it is missing and replacing
// a value of any type. TRUE when written.
BOOL WriteRegDword(HKEY root, const char* subkey, const char* name, DWORD value);

// TRUE when root\subkey exists afterwards, whether created now or before.
BOOL CreateRegKey(HKEY root, const char* subkey);
