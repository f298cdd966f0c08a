// Classes in this file:
//   CDialog - a modal dialog built from a dialog template of the program's
//             resources, with a message map for its messages.
#pragma once

#include "CWnd.h"
#include "MessageMap.h"

#include <windows.h>

class CDialog : public CWnd {
public:
    explicit CDialog(UINT templateId, CWnd* parent = nullptr);

    // Runs the dialog until EndDialog: the result given there, or -1 when the
    // dialog cannot be created.
    virtual INT_PTR DoModal();
    BOOL EndDialog(int result);

protected:
    // Called once the controls exist; TRUE gives the focus to the first tab stop.
    virtual BOOL OnInitDialog() { return TRUE; }
    // The OK command (the default button or Enter): ends the dialog with IDOK.
    virtual void OnOK() { EndDialog(IDOK); }
    // The cancel command (Cancel, Escape, the close box): ends it with IDCANCEL.
    virtual void OnCancel() { EndDialog(IDCANCEL); }

    // The message map: TRUE when the message was handled, its result in result.
    virtual BOOL ProcessWindowMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

    UINT m_nIDTemplate;
    CWnd* m_pParentWnd;

private:
    static INT_PTR CALLBACK DialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR Dispatch(UINT message, WPARAM wParam, LPARAM lParam);
};
