// quv6.exe, the stand-in for the game ASHVELDT: it holds the game's
// single-instance mutex while it runs and shows whether the item is installed.
#include "game_mutex.h"
#include "game_state.h"
#include "standin_ids.h"
#include "status_window.h"

#include <windows.h>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand)
{
    // Like the game, a second copy (or a game started while the install tool
    // holds the mutex) ends at once.
    GameMutex mutex;
    if (!mutex.IsOwned())
        return QUV6_EXIT_ALREADY_RUNNING;

    StatusWindow window(ReadOwnFileVersion());
    if (!window.Create(instance, showCommand))
        return QUV6_EXIT_NO_WINDOW;

    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return QUV6_EXIT_OK;
}
