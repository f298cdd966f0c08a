// Classes in this file:
//   GameMutex - the game's single-instance mutex, owned for the life of the object.
#pragma once

#include <windows.h>

// The real game holds "ExclusiveInstance_Quv6" while it runs; the install tool
// waits until it can take it. A mutex is owned by a thread, so the object must
// be created and destroyed on the same thread.
class GameMutex {
public:
    GameMutex();
    ~GameMutex();
    GameMutex(const GameMutex&) = delete;
    GameMutex& operator=(const GameMutex&) = delete;

    // False when another process (a running game, or the install tool) owns it.
    bool IsOwned() const { return m_owned; }

private:
    HANDLE m_handle;
    bool m_owned;
};
