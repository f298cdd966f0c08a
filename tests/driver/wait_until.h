// Polling for a condition with a time limit, the one way the driver waits.
#pragma once

#include <chrono>
#include <thread>

namespace uidriver {

const std::chrono::milliseconds kPollInterval(50);

// Calls condition until it returns true (then true) or timeout has passed (then
// false); it is always called at least once, and once more after the limit.
template <class Condition>
bool WaitUntil(Condition condition, std::chrono::milliseconds timeout)
{
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        if (condition())
            return true;
        if (std::chrono::steady_clock::now() >= deadline)
            return condition();
        std::this_thread::sleep_for(kPollInterval);
    }
}

} // namespace uidriver
