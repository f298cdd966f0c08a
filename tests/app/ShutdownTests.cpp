// Shutdown: both mutexes are released and closed, the program's own first.
#include "InstallApp.h"

#include <gtest/gtest.h>

#include <thread>

namespace {

// A waiter on both mutexes wakes for the one released first: the system
// satisfies the wait at that release, before the next one is made.
TEST(Shutdown, ReleasesTheProgramsMutexBeforeTheGames) {
    HANDLE item = CreateMutexA(nullptr, TRUE, "InstallToolTests_ItemMutex");
    HANDLE game = CreateMutexA(nullptr, TRUE, "InstallToolTests_GameMutex");
    ASSERT_NE(nullptr, item);
    ASSERT_NE(nullptr, game);
    theApp.m_hItemMutex = item;
    theApp.m_hGameMutex = game;

    DWORD first = WAIT_FAILED;
    HANDLE waiting = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    std::thread waiter([&] {
        HANDLE both[2] = {OpenMutexA(SYNCHRONIZE, FALSE, "InstallToolTests_ItemMutex"),
                          OpenMutexA(SYNCHRONIZE, FALSE, "InstallToolTests_GameMutex")};
        SetEvent(waiting);
        first = WaitForMultipleObjects(2, both, FALSE, 10000);
        ReleaseMutex(both[first - WAIT_OBJECT_0]);
        CloseHandle(both[0]);
        CloseHandle(both[1]);
    });
    WaitForSingleObject(waiting, INFINITE);
    Sleep(200);  // the waiter is blocked in its wait by now
    HANDLE gameAgain = OpenMutexA(SYNCHRONIZE, FALSE, "InstallToolTests_GameMutex");

    EXPECT_EQ(0, theApp.ExitInstance());
    waiter.join();
    EXPECT_EQ(WAIT_OBJECT_0, first);  // index 0: the program's mutex

    // Both were released, not merely closed: taking them is not abandoned.
    std::thread other([&] { EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(gameAgain, 0)); });
    other.join();
    CloseHandle(gameAgain);
    CloseHandle(waiting);
    theApp.m_hItemMutex = theApp.m_hGameMutex = nullptr;
}

TEST(Shutdown, NullHandlesAndUnownedMutexesAreHarmless) {
    theApp.m_hItemMutex = nullptr;
    theApp.m_hGameMutex = CreateMutexA(nullptr, FALSE, nullptr);  // not owned: the release fails quietly
    EXPECT_EQ(0, theApp.ExitInstance());
    theApp.m_hGameMutex = nullptr;
}

}  // namespace
