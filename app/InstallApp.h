// Classes in this file:
//   CInstallApp - the application object: one run finds the game, waits for it
//                 to end and runs the confirmation dialog, all inside
//                 InitInstance; ExitInstance releases the two mutexes.
#pragma once

#include "CWinApp.h"

#include <windows.h>

class CInstallApp : public CWinApp {
public:
    BOOL InitInstance() override;
    int ExitInstance() override;

    // The program's own single-instance mutex; set once the wait has ended.
    HANDLE m_hItemMutex = nullptr;
    // The game's single-instance mutex; the wait-for-exit dialog takes it.
    HANDLE m_hGameMutex = nullptr;
};

// The one application object.
extern CInstallApp theApp;
