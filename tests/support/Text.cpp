#include "Text.h"

#include "text_encoding.h"

#include <windows.h>

namespace {

// Kept apart from the program's own conversion, so that the tests never check
// that conversion against itself.
std::wstring AnsiToWide(const std::string& text) {
    if (text.empty()) return {};
    const int length = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), &wide[0], length);
    return wide;
}

std::string WideToAnsi(const std::wstring& wide) {
    if (wide.empty()) return {};
    const int length =
        WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr, nullptr);
    std::string text(static_cast<size_t>(length), '\0');
    WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), &text[0], length, nullptr, nullptr);
    return text;
}

}  // namespace

std::string Utf8ToAnsi(const std::string& utf8) { return WideToAnsi(uidriver::WideFromUtf8(utf8)); }
std::string AnsiToUtf8(const std::string& ansi) { return uidriver::Utf8FromWide(AnsiToWide(ansi)); }
