// Reading string-table rows whole, however long, and converting them to the
// system's 8-bit code page.
#pragma once

#include <windows.h>

#include <string>

// The UTF-16 text of row id in module; empty when the row is missing.
std::wstring LoadStringRow(HMODULE module, UINT id);

// text converted to the system's 8-bit code page (CP_ACP).
std::string WideToAnsi(const std::wstring& text);
