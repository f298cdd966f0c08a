#include "game_mutex.h"

namespace {
const char kGameMutexName[] = "ExclusiveInstance_Quv6";
}

GameMutex::GameMutex()
    : m_handle(CreateMutexA(nullptr, FALSE, kGameMutexName)), m_owned(false)
{
    if (m_handle == nullptr)
        return;
    // An abandoned mutex (a copy that crashed) is ours all the same.
    DWORD result = WaitForSingleObject(m_handle, 0);
    m_owned = result == WAIT_OBJECT_0 || result == WAIT_ABANDONED;
}

GameMutex::~GameMutex()
{
    if (m_owned)
        ReleaseMutex(m_handle);
    if (m_handle != nullptr)
        CloseHandle(m_handle);
}
