#include "ModalWatcher.h"

#include "uidriver.h"

using namespace std::chrono_literals;

ModalWatcher::ModalWatcher(int button) : m_thread(&ModalWatcher::Watch, this, GetCurrentThreadId(), button) {}

ModalWatcher::~ModalWatcher() {
    if (m_thread.joinable()) m_thread.join();
}

const ShownBox& ModalWatcher::Result() {
    if (m_thread.joinable()) m_thread.join();
    return m_box;
}

// A box that never comes leaves the result unseen after 20 seconds, so that
// the test fails instead of hanging.
void ModalWatcher::Watch(DWORD threadId, int button) {
    uidriver::WindowQuery query;
    query.threadId = threadId;
    query.className = "#32770";
    HWND box = uidriver::WaitForWindow(query, 20s);
    if (!box) return;
    const auto shown = uidriver::ReadMessageBox(box);
    m_box.seen = true;
    if (shown) {
        m_box.caption = shown->caption;
        m_box.text = shown->text;
        m_box.hasIcon = shown->hasIcon;
    }
    m_box.owner = GetWindow(box, GW_OWNER);
    uidriver::ClickButton(box, button);
}
