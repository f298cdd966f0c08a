// Reading the resources of the built Install.EXE back, as the system sees them.
//
// Classes in this file:
//   ByteReader      bounds-checked little-endian reader over a resource's bytes
//   ResId           a name-or-ordinal field of a dialog template
//   DialogItem      one control of a dialog template
//   DialogTemplate  a classic (DIALOG) or extended (DIALOGEX) dialog template
//   VersionNode     one node of a version block (VS_VERSIONINFO and below)
//   ResourceEntry   one (type, name, language) of the module's resources
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace restest {

// Everything the program carries is stored under Japanese.
constexpr WORD kJapanese = MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT);

// The built program, as a Windows path.
std::wstring ProgramPath();

// The built program loaded as a data file, once per process; null if it
// cannot be loaded.
HMODULE ProgramModule();

// The bytes of one resource stored under exactly the given language, or
// nothing when there is no such resource.
std::optional<std::vector<uint8_t>> LoadResourceBytes(LPCWSTR type, LPCWSTR name,
                                                      WORD language = kJapanese);

// UTF-16 to UTF-8.
std::string ToUtf8(std::u16string_view text);
std::string ToUtf8(std::wstring_view text);

class ByteReader {
public:
    explicit ByteReader(const std::vector<uint8_t>& bytes, size_t begin = 0, size_t end = SIZE_MAX);

    uint8_t Byte();
    uint16_t Word();
    uint32_t Dword();
    int16_t Short() { return static_cast<int16_t>(Word()); }
    // A NUL-terminated UTF-16 string.
    std::u16string String();
    // Skips count bytes.
    void Skip(size_t count);
    // Moves on to the next multiple of 4, counted from the start of the bytes.
    void AlignDword();

    size_t Offset() const { return m_pos; }
    size_t End() const { return m_end; }
    // False once anything was read past the end.
    bool Ok() const { return m_ok; }

private:
    bool Take(size_t count);

    const std::vector<uint8_t>& m_bytes;
    size_t m_pos;
    size_t m_end;
    bool m_ok = true;
};

// A field of a dialog template that is empty, an ordinal or a string.
struct ResId {
    enum class Kind { None, Ordinal, Name };
    Kind kind = Kind::None;
    uint16_t ordinal = 0;
    std::string name;  // UTF-8

    static ResId None() { return {}; }
    static ResId Ordinal(uint16_t value) { return {Kind::Ordinal, value, {}}; }
    static ResId Name(std::string text) { return {Kind::Name, 0, std::move(text)}; }

    bool operator==(const ResId& other) const {
        return kind == other.kind && ordinal == other.ordinal && name == other.name;
    }
    bool operator!=(const ResId& other) const { return !(*this == other); }
};
void PrintTo(const ResId& id, std::ostream* os);

// Reads a name-or-ordinal field: 0x0000 for none, 0xFFFF and an ordinal, or a
// NUL-terminated string.
ResId ReadResId(ByteReader& reader);

struct DialogItem {
    uint32_t helpId = 0;  // extended templates only
    uint32_t style = 0;
    uint32_t exStyle = 0;
    int16_t x = 0, y = 0, cx = 0, cy = 0;
    int32_t id = 0;  // a classic template holds 16 bits, taken as signed
    ResId windowClass;
    ResId text;
    uint16_t extraCount = 0;
};

struct DialogTemplate {
    bool extended = false;
    uint16_t version = 0;  // extended templates: dlgVer
    uint32_t helpId = 0;   // extended templates only
    uint32_t style = 0;
    uint32_t exStyle = 0;
    uint16_t itemCount = 0;
    int16_t x = 0, y = 0, cx = 0, cy = 0;
    ResId menu;
    ResId windowClass;
    std::string caption;  // UTF-8
    bool hasFont = false;
    uint16_t pointSize = 0;
    uint16_t weight = 0;   // extended templates only
    uint8_t italic = 0;    // extended templates only
    uint8_t charset = 0;   // extended templates only
    std::string typeface;  // UTF-8
    std::vector<DialogItem> items;
    size_t bytesUsed = 0;
};

// Parses a dialog template of either kind; nothing when it is truncated.
std::optional<DialogTemplate> ParseDialog(const std::vector<uint8_t>& bytes);

struct VersionNode {
    uint16_t length = 0;
    uint16_t valueLength = 0;  // words for text values, bytes for binary ones
    uint16_t type = 0;         // 1 text, 0 binary
    std::string key;           // UTF-8
    std::vector<uint8_t> value;
    std::vector<VersionNode> children;

    // The value as text, up to its first NUL.
    std::string Text() const;
    // The child with this key, or null.
    const VersionNode* Child(std::string_view childKey) const;
};

// Parses a version block (VS_VERSIONINFO with everything below it); nothing
// when a node does not fit into its parent.
std::optional<VersionNode> ParseVersionBlock(const std::vector<uint8_t>& bytes);

// A string-table row stored under Japanese, as UTF-8; nothing when the row is
// missing or empty.
std::optional<std::string> StringRow(UINT id);

// The ids of all non-empty string-table rows stored under Japanese.
std::vector<UINT> StringRowIds();

struct ResourceEntry {
    std::wstring type;  // "#5" for an ordinal type, else the name
    std::wstring name;  // likewise
    WORD language = 0;
};

// Every resource of the module.
std::vector<ResourceEntry> AllResources(HMODULE module);

// "#5" for ordinal 5, else the name itself, as EnumResource* hand them out.
std::wstring IdText(LPCWSTR id);

}  // namespace restest
