#include "ui_thread.h"

#include <utility>

UiThread::UiThread(std::function<int()> body) : m_id(0)
{
    std::promise<DWORD> id;
    std::future<DWORD> idKnown = id.get_future();
    m_result = std::async(std::launch::async, [body = std::move(body), id = std::move(id)]() mutable {
        id.set_value(GetCurrentThreadId());
        return body();
    });
    m_id = idKnown.get();
}

UiThread::~UiThread()
{
    while (!Result(std::chrono::milliseconds(100)))
        PostThreadMessageW(m_id, WM_QUIT, 0, 0);
}

std::optional<int> UiThread::Result(std::chrono::milliseconds timeout)
{
    if (!m_value && m_result.wait_for(timeout) == std::future_status::ready)
        m_value = m_result.get();
    return m_value;
}
