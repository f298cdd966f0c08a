#include "CString.h"

#include "StringTable.h"
#include "CWinApp.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>

CString::CString(const char* text) : m_text(text ? text : "") {}

CString::CString(const char* text, int length) : m_text(text, length > 0 ? static_cast<size_t>(length) : 0) {}

CString& CString::operator=(const char* text) {
    m_text = text ? text : "";
    return *this;
}

bool CString::operator==(const char* text) const {
    return m_text == (text ? text : "");
}

CString CString::Left(int count) const {
    CString left;
    left.m_text = m_text.substr(0, count < 0 ? 0 : static_cast<size_t>(count));
    return left;
}

BOOL CString::LoadString(UINT id) {
    m_text = WideToAnsi(LoadStringRow(AfxGetResourceHandle(), id));
    return !m_text.empty();
}

void CString::Format(const char* format, ...) {
    va_list args;
    va_start(args, format);
    FormatV(format, args);
    va_end(args);
}

void CString::Format(UINT formatId, ...) {
    CString format;
    format.LoadString(formatId);
    va_list args;
    va_start(args, formatId);
    FormatV(format, args);
    va_end(args);
}

void CString::FormatV(const char* format, va_list args) {
    va_list measure;
    va_copy(measure, args);
    const int length = std::vsnprintf(nullptr, 0, format, measure);
    va_end(measure);
    if (length <= 0) {
        m_text.clear();
        return;
    }
    std::string text(static_cast<size_t>(length) + 1, '\0');
    std::vsnprintf(&text[0], text.size(), format, args);
    text.resize(static_cast<size_t>(length));
    m_text.swap(text);
}
