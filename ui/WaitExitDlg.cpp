#include "WaitExitDlg.h"

#include "resource.h"

CWaitExitDlg::CWaitExitDlg(CWnd* parent) : CDialog(IDD_WAIT_EXIT, parent) {}

// For now the dialog takes the game as ended at once; the countdown and the
// checks of the mutex and the executable come with the waiting itself.
BOOL CWaitExitDlg::OnInitDialog() {
    PostMessage(WM_COMMAND, IDOK, 0);
    return TRUE;
}
