// Scanning 8-bit text of the system code page character by character, so that
// the second byte of a double-byte character is never taken for an ASCII one.
#pragma once

// The last character of text that is one of the ASCII characters in set, or
// null when there is none.
const char* FindLastOf(const char* text, const char* set);
