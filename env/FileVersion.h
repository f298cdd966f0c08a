// The "FileVersion" text of an executable's version resource.
#pragma once

#include "CString.h"

// 1 and the text in version when the file's first translation has a
// "FileVersion" string; 0, with version unchanged, otherwise.
int GetFileVersionString(const char* path, CString& version);
