#include "Messages.h"

#include "CException.h"
#include "CString.h"
#include "CWinApp.h"

int ShowMessage(UINT id, UINT type) {
    const CWinApp* app = AfxGetApp();
    const CString caption = app ? app->m_strAppTitle : CString();
    CString text;
    if (!text.LoadString(id)) text = "FATAL: Unexpected.";
    if (CWnd* owner = AfxGetMainWnd()) return owner->MessageBox(text, caption, type);
    return MessageBoxA(nullptr, text, caption, type);
}

int ShowError(UINT id) {
    return ShowMessage(id, MB_ICONERROR);
}

void AbortWithMessage(UINT id) {
    if (id != 0) ShowError(id);
    AfxThrowUserException();
}
