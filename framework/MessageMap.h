// Message maps: a class declares DECLARE_MESSAGE_MAP() and binds messages to
// member functions between BEGIN_MESSAGE_MAP and END_MESSAGE_MAP. A map is a
// chain of tests; a message it does not handle goes on to the base class's map.
#pragma once

#define DECLARE_MESSAGE_MAP() \
protected:                    \
    BOOL ProcessWindowMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                                        \
    BOOL theClass::ProcessWindowMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) { \
        using ThisBase = baseClass;                                                                    \
        (void)wParam;                                                                                  \
        (void)lParam;

#define END_MESSAGE_MAP()                                                \
        return ThisBase::ProcessWindowMessage(message, wParam, lParam, result); \
    }

// LRESULT handler(WPARAM wParam, LPARAM lParam)
#define ON_MESSAGE(msg, handler)             \
    if (message == (msg)) {                  \
        result = handler(wParam, lParam);    \
        return TRUE;                         \
    }
