// Classes in this file:
//   SavedItemFlag - the item flag of one registry view, put back as it was when
//                   the object ends.
//
// The item flag is the REG_DWORD "Serune" under HKLM\SOFTWARE\KORVANE\QUV6.
// view is KEY_WOW64_32KEY, where the (32-bit) game keeps its key, or
// KEY_WOW64_64KEY.
#pragma once

#include <windows.h>

#include <vector>

bool WriteItemFlag(REGSAM view, DWORD type, const std::vector<BYTE>& data);
bool WriteItemFlag(REGSAM view, DWORD value);
// True also when there was no value to delete.
bool DeleteItemFlag(REGSAM view);

class SavedItemFlag {
public:
    explicit SavedItemFlag(REGSAM view);
    ~SavedItemFlag();
    SavedItemFlag(const SavedItemFlag&) = delete;
    SavedItemFlag& operator=(const SavedItemFlag&) = delete;

private:
    REGSAM m_view;
    bool m_existed;
    DWORD m_type;
    std::vector<BYTE> m_data;
};
