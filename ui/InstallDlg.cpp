#include "InstallDlg.h"

#include "resource.h"

// The description, the installation and the about box come with the
// installation itself; until then OK and Cancel both just end the dialog.
CInstallDlg::CInstallDlg(CWnd* parent) : CDialog(IDD_INSTALL_DIALOG, parent) {}
