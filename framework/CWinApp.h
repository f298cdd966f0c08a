// Classes in this file:
//   CWinApp - the application object: one global instance per program, started
//             by the framework's entry point.
#pragma once

#include "CString.h"
#include "CWnd.h"

#include <windows.h>

class CWinApp {
public:
    CWinApp();
    virtual ~CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    // The program's work, run inside this one call; FALSE says that no message
    // loop is to follow. ExitInstance comes next in either case.
    virtual BOOL InitInstance() { return FALSE; }
    // Shutdown; its result is the process's exit code.
    virtual int ExitInstance() { return 0; }

    // Runs the application: called once by the entry point.
    int Run(HINSTANCE instance);

    HINSTANCE m_hInstance = nullptr;
    // The program file's name without directory and extension; the caption of
    // every message box.
    CString m_strAppTitle;
    CWnd* m_pMainWnd = nullptr;
};

CWinApp* AfxGetApp();
// The main window while one is set, else the thread's active window, else null.
CWnd* AfxGetMainWnd();
// The module whose resources the program uses: the program itself.
HINSTANCE AfxGetResourceHandle();

// The title for the program file at modulePath: its file name without directory
// and extension, scanned by whole characters of the system code page.
CString AppTitleFromModulePath(const char* modulePath);
