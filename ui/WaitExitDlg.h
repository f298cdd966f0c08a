// Classes in this file:
//   CWaitExitDlg - waits until the game has ended and its executable can be
//                  written; IDOK then, IDCANCEL when the user gives up.
#pragma once

#include "CDialog.h"
#include "CString.h"

class CWaitExitDlg : public CDialog {
public:
    explicit CWaitExitDlg(CWnd* parent = nullptr);

    void SetExePath(const char* path) { m_strExePath = path; }

protected:
    BOOL OnInitDialog() override;

private:
    CString m_strExePath;
};
