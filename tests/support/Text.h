// Text conversions for tests: expected texts are written as UTF-8, the program
// works in the system code page.
#pragma once

#include <string>

std::string Utf8ToAnsi(const std::string& utf8);
std::string AnsiToUtf8(const std::string& ansi);
