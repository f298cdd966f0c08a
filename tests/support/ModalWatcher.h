// Classes in this file:
//   ModalWatcher - answers the next dialog or message box that a thread of this
//                  process opens: records what it showed, then presses a button.
#pragma once

#include <windows.h>

#include <string>
#include <thread>

struct ShownBox {
    bool seen = false;
    std::string caption;  // UTF-8
    std::string text;     // UTF-8: the message box's text
    HWND owner = nullptr;
    bool hasIcon = false;
};

class ModalWatcher {
public:
    // Watches the calling thread's windows and answers with command button.
    explicit ModalWatcher(int button = IDOK);
    ~ModalWatcher();
    ModalWatcher(const ModalWatcher&) = delete;
    ModalWatcher& operator=(const ModalWatcher&) = delete;

    // What the box showed; waits for the watcher to finish first.
    const ShownBox& Result();

private:
    void Watch(DWORD threadId, int button);

    ShownBox m_box;
    std::thread m_thread;
};
