// The UI driver: drives the windows of another process (or of another thread
// of the caller) through plain Win32 calls, so that it runs unchanged on
// Windows and under Wine. All texts are UTF-8.
#pragma once

#include "process.h"
#include "screenshot.h"
#include "text_encoding.h"
#include "window_input.h"
#include "window_search.h"
#include "window_text.h"
