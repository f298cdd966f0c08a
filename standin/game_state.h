// What the stand-in game knows about itself and its item: the item flag in the
// registry and the version in its own version resource.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

// The item flag "Serune" under HKLM\SOFTWARE\KORVANE\QUV6 in the 32-bit view,
// where the real (32-bit) game finds it. Empty when the key or a REG_DWORD
// value is missing.
std::optional<DWORD> ReadItemFlag();

// Bit 0 of the flag is the item; the other bits belong to other packages.
bool IsItemInstalled(std::optional<DWORD> flag);

// The "FileVersion" string of this program's own version resource, found
// through the first translation as the install tool looks it up; empty when
// the resource cannot be read.
std::string ReadOwnFileVersion();
