// UTF-16 (the W interfaces) to UTF-8 (what the driver hands out) and back.
#pragma once

#include <string>
#include <string_view>

namespace uidriver {

std::string Utf8FromWide(std::wstring_view text);
std::wstring WideFromUtf8(std::string_view text);

} // namespace uidriver
