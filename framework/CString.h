// Classes in this file:
//   CString - 8-bit text in the system code page, loaded from the string table
//             and formatted printf-style.
#pragma once

#include <windows.h>

#include <string>

class CString {
public:
    CString() = default;
    CString(const char* text);  // NOLINT: implicit, as text is passed around freely
    CString(const char* text, int length);

    int GetLength() const { return static_cast<int>(m_text.size()); }
    bool IsEmpty() const { return m_text.empty(); }
    operator const char*() const { return m_text.c_str(); }

    CString& operator=(const char* text);
    bool operator==(const char* text) const;

    // The first count bytes (all of them when count exceeds the length).
    CString Left(int count) const;

    // Loads string-table row id of the resource module whole, converted from
    // its UTF-16 text to the system code page. FALSE when the row is missing
    // or empty; the string is then empty.
    BOOL LoadString(UINT id);

    // printf-style formatting (%s, %d) with the string as the result.
    void Format(const char* format, ...);
    // The same with the format text taken from string-table row formatId.
    void Format(UINT formatId, ...);

private:
    void FormatV(const char* format, va_list args);

    std::string m_text;
};
