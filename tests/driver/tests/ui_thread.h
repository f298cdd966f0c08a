// Classes in this file:
//   UiThread - a thread of the test program that shows windows, standing in
//              for another program whose windows the driver works on.
#pragma once

#include <windows.h>

#include <chrono>
#include <functional>
#include <future>
#include <optional>

class UiThread {
public:
    // body runs on the new thread; what it returns becomes Result().
    explicit UiThread(std::function<int()> body);
    // A body still in a message loop (a failed test) is ended with WM_QUIT,
    // which also ends the modal loops of dialogs and message boxes.
    ~UiThread();
    UiThread(const UiThread&) = delete;
    UiThread& operator=(const UiThread&) = delete;

    DWORD Id() const { return m_id; }
    // The body's result once it has returned; no value while it still runs after timeout.
    std::optional<int> Result(std::chrono::milliseconds timeout);

private:
    DWORD m_id;
    std::future<int> m_result;
    std::optional<int> m_value;
};
