#include "InstallApp.h"

#include "FileVersion.h"
#include "GameDirectory.h"
#include "InstallDlg.h"
#include "ItemPackage.h"
#include "Messages.h"
#include "Registry.h"
#include "WaitExitDlg.h"

CInstallApp theApp;

namespace {

// TRUE when the game has ended and its executable can be written.
bool WaitForGameExit(const CString& exePath) {
    CWaitExitDlg waitDlg;
    waitDlg.SetExePath(exePath);
    // A dialog that cannot be shown (-1) does not stop the installation.
    return waitDlg.DoModal() != IDCANCEL;
}

// The mutex handle, owned by this thread unless another process holds it.
// The wait fails harmlessly on a null handle, which counts as taken.
bool TakeItemMutex(HANDLE& mutex) {
    mutex = CreateMutexA(nullptr, FALSE, ItemPackage::kItemMutexName);
    return WaitForSingleObject(mutex, 0) != WAIT_TIMEOUT;
}

void ReleaseAndClose(HANDLE mutex) {
    if (!mutex) return;
    ReleaseMutex(mutex);
    CloseHandle(mutex);
}

}  // namespace

BOOL CInstallApp::InitInstance() {
    CInstallDlg installDlg;

    const CString exePath = ReadRegString(HKEY_LOCAL_MACHINE, ItemPackage::kGameKey, ItemPackage::kInstallPathValue);
    if (exePath.IsEmpty()) {
        ShowMessage(IDS_GAME_NOT_INSTALLED, MB_ICONINFORMATION);
        return FALSE;
    }

    m_hGameMutex = CreateMutexA(nullptr, FALSE, ItemPackage::kGameMutexName);
    if (!WaitForGameExit(exePath)) return FALSE;

    // Gives the game's last writes time to settle before anything is read.
    Sleep(1000);
    if (!TakeItemMutex(m_hItemMutex)) return FALSE;

    CString version;
    if (!GetFileVersionString(exePath, version)) {
        ShowMessage(IDS_GAME_NOT_INSTALLED, MB_ICONINFORMATION);
        return FALSE;
    }

    installDlg.m_strInstallDir = GameDirectoryOf(exePath);
    installDlg.m_strGameVersion = version;
    m_pMainWnd = &installDlg;
    installDlg.DoModal();
    return FALSE;
}

// The program's own mutex goes first, so that a second copy can never hold it
// while this copy still holds the game's.
int CInstallApp::ExitInstance() {
    ReleaseAndClose(m_hItemMutex);
    ReleaseAndClose(m_hGameMutex);
    return 0;
}
