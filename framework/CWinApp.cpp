#include "CWinApp.h"

#include "CException.h"
#include "Mbcs.h"

#include <cstring>

namespace {

CWinApp* g_app = nullptr;

// Stands for a window the program did not create, such as the active window.
CWnd g_foreignWnd;

CString ModuleTitle(HINSTANCE instance) {
    char path[MAX_PATH + 1] = {};
    const DWORD length = GetModuleFileNameA(instance, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return CString();
    return AppTitleFromModulePath(path);
}

}  // namespace

CWinApp::CWinApp() { g_app = this; }

CWinApp::~CWinApp() {
    if (g_app == this) g_app = nullptr;
}

int CWinApp::Run(HINSTANCE instance) {
    m_hInstance = instance;
    m_strAppTitle = ModuleTitle(instance);
    // The program does all its work inside InitInstance and its modal dialogs,
    // so no message loop follows, whatever InitInstance returns.
    try {
        InitInstance();
    } catch (CException* e) {
        AfxReportAndDelete(e);
    }
    if (m_pMainWnd && m_pMainWnd->m_hWnd && IsWindow(m_pMainWnd->m_hWnd)) DestroyWindow(m_pMainWnd->m_hWnd);
    m_pMainWnd = nullptr;
    return ExitInstance();
}

CWinApp* AfxGetApp() { return g_app; }

CWnd* AfxGetMainWnd() {
    if (g_app && g_app->m_pMainWnd) return g_app->m_pMainWnd;
    HWND active = GetActiveWindow();
    if (!active) return nullptr;
    g_foreignWnd.m_hWnd = active;
    return &g_foreignWnd;
}

HINSTANCE AfxGetResourceHandle() {
    return g_app && g_app->m_hInstance ? g_app->m_hInstance : GetModuleHandleA(nullptr);
}

CString AppTitleFromModulePath(const char* modulePath) {
    const char* separator = FindLastOf(modulePath, "\\/:");
    const char* name = separator ? separator + 1 : modulePath;
    // Only a dot within the file name starts the extension: a dotted directory
    // name must not cut the title short.
    const char* dot = FindLastOf(name, ".");
    CString title(name);
    return dot ? title.Left(static_cast<int>(dot - name)) : title;
}
