#include "StringTable.h"

namespace {

// Rows are stored sixteen to a resource, block id / 16 + 1, each as a 16-bit
// length followed by that many UTF-16 units. The walk never leaves the block,
// whatever the lengths claim.
std::wstring FindRowInBlock(const WCHAR* entry, const WCHAR* end, UINT index) {
    for (UINT i = 0; i < index; ++i) {
        if (entry >= end) return {};
        const size_t skip = 1 + static_cast<size_t>(*entry);
        if (skip > static_cast<size_t>(end - entry)) return {};
        entry += skip;
    }
    if (entry >= end) return {};
    const size_t length = *entry;
    if (length > static_cast<size_t>(end - entry - 1)) return {};
    return std::wstring(entry + 1, length);
}

}  // namespace

std::wstring LoadStringRow(HMODULE module, UINT id) {
    HRSRC block = FindResourceW(module, MAKEINTRESOURCEW(id / 16 + 1), MAKEINTRESOURCEW(6) /* RT_STRING */);
    if (!block) return {};
    const DWORD size = SizeofResource(module, block);
    HGLOBAL loaded = LoadResource(module, block);
    const auto* first = static_cast<const WCHAR*>(loaded ? LockResource(loaded) : nullptr);
    if (!first) return {};
    return FindRowInBlock(first, first + size / sizeof(WCHAR), id % 16);
}

std::string WideToAnsi(const std::wstring& text) {
    if (text.empty()) return {};
    const int wideLength = static_cast<int>(text.size());
    const int length = WideCharToMultiByte(CP_ACP, 0, text.data(), wideLength, nullptr, 0, nullptr, nullptr);
    if (length <= 0) return {};
    std::string ansi(static_cast<size_t>(length), '\0');
    WideCharToMultiByte(CP_ACP, 0, text.data(), wideLength, &ansi[0], length, nullptr, nullptr);
    return ansi;
}
