// The program's entry point: hands control to the one application object.
#include "CWinApp.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    CWinApp* app = AfxGetApp();
    return app ? app->Run(instance) : -1;
}
