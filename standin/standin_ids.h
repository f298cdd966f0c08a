// Names and control ids of the stand-in game's window, shared with the tests
// and the scripts that look at it.
#pragma once

#define QUV6_WINDOW_CLASS "Quv6StandIn"
#define QUV6_WINDOW_CAPTION "ASHVELDT stand-in"

#define IDC_ITEM_STATE 1001 // "Item: installed" or "Item: not installed"
#define IDC_FLAG_VALUE 1002 // the raw flag value, or that there is none
#define IDC_VERSION 1003    // "Version: 1, 0, 0, 7"

// Exit codes of quv6.exe.
#define QUV6_EXIT_OK 0
#define QUV6_EXIT_ALREADY_RUNNING 1 // someone else owns the game's mutex
#define QUV6_EXIT_NO_WINDOW 2
