// Classes in this file:
//   ScopedRegKey - an open registry key, closed when it goes out of scope.
#pragma once

#include <windows.h>

class ScopedRegKey {
public:
    ScopedRegKey() = default;
    ~ScopedRegKey() {
        if (m_key) RegCloseKey(m_key);
    }
    ScopedRegKey(const ScopedRegKey&) = delete;
    ScopedRegKey& operator=(const ScopedRegKey&) = delete;

    HKEY get() const { return m_key; }
    // For the functions that open a key: receives the new handle.
    HKEY* receive() { return &m_key; }

private:
    HKEY m_key = nullptr;
};
