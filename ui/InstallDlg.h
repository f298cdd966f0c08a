// Classes in this file:
//   CInstallDlg - the confirmation dialog and main window: describes the item
//                 and installs it when the user confirms.
#pragma once

#include "CDialog.h"
#include "CString.h"

class CInstallDlg : public CDialog {
public:
    explicit CInstallDlg(CWnd* parent = nullptr);

    // The game directory, ending in a backslash (empty when the registered path
    // has none), and the installed executable's "FileVersion".
    CString m_strInstallDir;
    CString m_strGameVersion;
};
