#include "Mbcs.h"

#include <windows.h>

#include <cstring>

const char* FindLastOf(const char* text, const char* set) {
    const char* last = nullptr;
    for (const char* p = text; *p;) {
        if (IsDBCSLeadByte(static_cast<BYTE>(*p)) && p[1]) {
            p += 2;  // a trail byte may have any value, 0x5C included
            continue;
        }
        if (std::strchr(set, *p)) last = p;
        ++p;
    }
    return last;
}
