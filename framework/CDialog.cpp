#include "CDialog.h"

#include "CException.h"
#include "CWinApp.h"

namespace {

// Messages whose result a dialog procedure returns directly instead of through
// DWLP_MSGRESULT.
bool ReturnsResultDirectly(UINT message) {
    switch (message) {
    case WM_INITDIALOG:
    case WM_QUERYDRAGICON:
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
    case WM_COMPAREITEM:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
        return true;
    default:
        return false;
    }
}

// Our templates ask for no position, so a dialog appears centred over its owner,
// or over the screen's work area without one.
void CentreDialog(HWND dialog) {
    RECT area;
    HWND owner = GetWindow(dialog, GW_OWNER);
    if (!owner || !IsWindowVisible(owner) || IsIconic(owner) || !GetWindowRect(owner, &area))
        SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
    RECT window;
    GetWindowRect(dialog, &window);
    const int width = window.right - window.left;
    const int height = window.bottom - window.top;
    SetWindowPos(dialog, nullptr, area.left + (area.right - area.left - width) / 2,
                 area.top + (area.bottom - area.top - height) / 2, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

CDialog::CDialog(UINT templateId, CWnd* parent) : m_nIDTemplate(templateId), m_pParentWnd(parent) {}

INT_PTR CDialog::DoModal() {
    const HWND owner = m_pParentWnd ? m_pParentWnd->m_hWnd : nullptr;
    const INT_PTR result = DialogBoxParamA(AfxGetResourceHandle(), MAKEINTRESOURCEA(m_nIDTemplate), owner,
                                           &CDialog::DialogProc, reinterpret_cast<LPARAM>(this));
    m_hWnd = nullptr;
    // The window is gone, so it can no longer serve as the main window.
    CWinApp* app = AfxGetApp();
    if (app && app->m_pMainWnd == this) app->m_pMainWnd = nullptr;
    return result;
}

BOOL CDialog::EndDialog(int result) {
    return ::EndDialog(m_hWnd, result);
}

BOOL CDialog::ProcessWindowMessage(UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
    if (message == WM_INITDIALOG) {
        result = OnInitDialog();
        return TRUE;
    }
    if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) {
        switch (LOWORD(wParam)) {
        case IDOK:
            OnOK();
            result = 0;
            return TRUE;
        case IDCANCEL:
            OnCancel();
            result = 0;
            return TRUE;
        }
    }
    return FALSE;
}

INT_PTR CALLBACK CDialog::DialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        auto* dialog = reinterpret_cast<CDialog*>(lParam);
        SetWindowLongPtrA(hWnd, DWLP_USER, lParam);
        dialog->m_hWnd = hWnd;
        CentreDialog(hWnd);
    }
    auto* dialog = reinterpret_cast<CDialog*>(GetWindowLongPtrA(hWnd, DWLP_USER));
    // Messages sent before WM_INITDIALOG (WM_SETFONT) have no object yet.
    return dialog ? dialog->Dispatch(message, wParam, lParam) : FALSE;
}

// An exception must not unwind through the system's frames: one that leaves a
// handler is reported here and the message counts as handled.
INT_PTR CDialog::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    BOOL handled = FALSE;
    try {
        handled = ProcessWindowMessage(message, wParam, lParam, result);
    } catch (CException* e) {
        AfxReportAndDelete(e);
        return TRUE;
    }
    if (!handled) return FALSE;
    if (ReturnsResultDirectly(message)) return static_cast<INT_PTR>(result);
    SetWindowLongPtrA(m_hWnd, DWLP_MSGRESULT, result);
    return TRUE;
}
