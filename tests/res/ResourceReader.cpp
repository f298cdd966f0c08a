#include "ResourceReader.h"

#include "text_encoding.h"

#include <algorithm>
#include <cstring>

namespace restest {

std::wstring ProgramPath() {
    // The build names the program by its path in the build tree. Built on Linux,
    // that is a Unix path; Wine shows the Unix root as drive Z: in every prefix.
    std::string path = INSTALL_EXE_PATH;
    if (!path.empty() && path[0] == '/') path = "Z:" + path;
    std::replace(path.begin(), path.end(), '/', '\\');
    // The build tree's path is plain ASCII here; anything else goes through the
    // code page like any 8-bit path.
    int length = MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, nullptr, 0);
    std::wstring wide(length > 0 ? length - 1 : 0, L'\0');
    if (length > 1) MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, wide.data(), length);
    return wide;
}

HMODULE ProgramModule() {
    static const HMODULE module = LoadLibraryExW(
        ProgramPath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    return module;
}

std::optional<std::vector<uint8_t>> LoadResourceBytes(LPCWSTR type, LPCWSTR name, WORD language) {
    HMODULE module = ProgramModule();
    if (!module) return std::nullopt;
    HRSRC found = FindResourceExW(module, type, name, language);
    if (!found) return std::nullopt;
    // FindResourceEx falls back to other languages; only the exact one counts.
    bool exact = false;
    struct Search {
        WORD wanted;
        bool* found;
    } search{language, &exact};
    EnumResourceLanguagesW(
        module, type, name,
        [](HMODULE, LPCWSTR, LPCWSTR, WORD lang, LONG_PTR param) -> BOOL {
            auto* s = reinterpret_cast<Search*>(param);
            if (lang == s->wanted) *s->found = true;
            return TRUE;
        },
        reinterpret_cast<LONG_PTR>(&search));
    if (!exact) return std::nullopt;
    HGLOBAL loaded = LoadResource(module, found);
    DWORD size = SizeofResource(module, found);
    const void* data = loaded ? LockResource(loaded) : nullptr;
    if (!data) return std::nullopt;
    const auto* begin = static_cast<const uint8_t*>(data);
    return std::vector<uint8_t>(begin, begin + size);
}

std::string ToUtf8(std::wstring_view text) {
    return uidriver::Utf8FromWide(text);
}

std::string ToUtf8(std::u16string_view text) {
    return uidriver::Utf8FromWide(std::wstring_view(reinterpret_cast<const wchar_t*>(text.data()), text.size()));
}

// ---------------------------------------------------------------------------
// ByteReader

ByteReader::ByteReader(const std::vector<uint8_t>& bytes, size_t begin, size_t end)
    : m_bytes(bytes), m_pos(begin), m_end(std::min(end, bytes.size())) {
    if (m_pos > m_end) {
        m_pos = m_end;
        m_ok = false;
    }
}

bool ByteReader::Take(size_t count) {
    if (!m_ok || m_end - m_pos < count) {
        m_ok = false;
        m_pos = m_end;
        return false;
    }
    return true;
}

uint8_t ByteReader::Byte() {
    if (!Take(1)) return 0;
    return m_bytes[m_pos++];
}

uint16_t ByteReader::Word() {
    if (!Take(2)) return 0;
    uint16_t value = static_cast<uint16_t>(m_bytes[m_pos] | (m_bytes[m_pos + 1] << 8));
    m_pos += 2;
    return value;
}

uint32_t ByteReader::Dword() {
    uint32_t low = Word();
    uint32_t high = Word();
    return low | (high << 16);
}

std::u16string ByteReader::String() {
    std::u16string text;
    for (;;) {
        uint16_t unit = Word();
        if (!m_ok || unit == 0) break;
        text.push_back(static_cast<char16_t>(unit));
    }
    return text;
}

void ByteReader::Skip(size_t count) {
    if (Take(count)) m_pos += count;
}

void ByteReader::AlignDword() {
    size_t aligned = (m_pos + 3) & ~size_t{3};
    // The padding after the last item may be missing at the very end.
    m_pos = std::min(aligned, m_end);
}

// ---------------------------------------------------------------------------
// Dialog templates

void PrintTo(const ResId& id, std::ostream* os) {
    switch (id.kind) {
    case ResId::Kind::None: *os << "(none)"; break;
    case ResId::Kind::Ordinal: *os << "ordinal " << id.ordinal; break;
    case ResId::Kind::Name: *os << '"' << id.name << '"'; break;
    }
}

ResId ReadResId(ByteReader& reader) {
    uint16_t first = reader.Word();
    if (!reader.Ok() || first == 0) return ResId::None();
    if (first == 0xFFFF) return ResId::Ordinal(reader.Word());
    std::u16string text(1, static_cast<char16_t>(first));
    text += reader.String();
    return ResId::Name(ToUtf8(text));
}

std::optional<DialogTemplate> ParseDialog(const std::vector<uint8_t>& bytes) {
    ByteReader reader(bytes);
    DialogTemplate dialog;
    if (bytes.size() >= 4 && bytes[2] == 0xFF && bytes[3] == 0xFF) {
        dialog.extended = true;
        dialog.version = reader.Word();
        reader.Word();  // the 0xFFFF signature
        dialog.helpId = reader.Dword();
        dialog.exStyle = reader.Dword();
        dialog.style = reader.Dword();
    } else {
        dialog.style = reader.Dword();
        dialog.exStyle = reader.Dword();
    }
    dialog.itemCount = reader.Word();
    dialog.x = reader.Short();
    dialog.y = reader.Short();
    dialog.cx = reader.Short();
    dialog.cy = reader.Short();
    dialog.menu = ReadResId(reader);
    dialog.windowClass = ReadResId(reader);
    dialog.caption = ToUtf8(reader.String());
    if (dialog.style & (DS_SETFONT | DS_FIXEDSYS)) {
        dialog.hasFont = true;
        dialog.pointSize = reader.Word();
        if (dialog.extended) {
            dialog.weight = reader.Word();
            dialog.italic = reader.Byte();
            dialog.charset = reader.Byte();
        }
        dialog.typeface = ToUtf8(reader.String());
    }
    for (uint16_t i = 0; i < dialog.itemCount && reader.Ok(); ++i) {
        reader.AlignDword();
        DialogItem item;
        if (dialog.extended) {
            item.helpId = reader.Dword();
            item.exStyle = reader.Dword();
            item.style = reader.Dword();
        } else {
            item.style = reader.Dword();
            item.exStyle = reader.Dword();
        }
        item.x = reader.Short();
        item.y = reader.Short();
        item.cx = reader.Short();
        item.cy = reader.Short();
        item.id = dialog.extended ? static_cast<int32_t>(reader.Dword())
                                  : static_cast<int16_t>(reader.Word());
        item.windowClass = ReadResId(reader);
        item.text = ReadResId(reader);
        item.extraCount = reader.Word();
        reader.Skip(item.extraCount);
        dialog.items.push_back(item);
    }
    if (!reader.Ok()) return std::nullopt;
    dialog.bytesUsed = reader.Offset();
    return dialog;
}

// ---------------------------------------------------------------------------
// Version blocks

std::string VersionNode::Text() const {
    std::u16string text;
    for (size_t i = 0; i + 1 < value.size(); i += 2) {
        char16_t unit = static_cast<char16_t>(value[i] | (value[i + 1] << 8));
        if (unit == 0) break;
        text.push_back(unit);
    }
    return ToUtf8(text);
}

const VersionNode* VersionNode::Child(std::string_view childKey) const {
    for (const VersionNode& child : children)
        if (child.key == childKey) return &child;
    return nullptr;
}

namespace {

// Reads the node that starts at the reader's position; the reader ends up
// after it. Nodes are nested by their lengths.
std::optional<VersionNode> ReadVersionNode(const std::vector<uint8_t>& bytes, ByteReader& outer,
                                           int depth) {
    size_t start = outer.Offset();
    VersionNode node;
    node.length = outer.Word();
    if (!outer.Ok() || node.length < 6 || start + node.length > outer.End() || depth > 8)
        return std::nullopt;
    ByteReader reader(bytes, start + 2, start + node.length);
    node.valueLength = reader.Word();
    node.type = reader.Word();
    node.key = ToUtf8(reader.String());
    reader.AlignDword();
    size_t valueBytes = node.type == 1 ? size_t{node.valueLength} * 2 : node.valueLength;
    size_t valueStart = reader.Offset();
    reader.Skip(valueBytes);
    if (!reader.Ok()) return std::nullopt;
    node.value.assign(bytes.begin() + valueStart, bytes.begin() + valueStart + valueBytes);
    reader.AlignDword();
    while (reader.Offset() < reader.End()) {
        auto child = ReadVersionNode(bytes, reader, depth + 1);
        if (!child) return std::nullopt;
        node.children.push_back(std::move(*child));
        reader.AlignDword();
    }
    outer.Skip(node.length - 2);
    return node;
}

}  // namespace

std::optional<VersionNode> ParseVersionBlock(const std::vector<uint8_t>& bytes) {
    ByteReader reader(bytes);
    return ReadVersionNode(bytes, reader, 0);
}

// ---------------------------------------------------------------------------
// String table

namespace {

// The 16 rows of one string-table block, empty where a row is missing.
std::vector<std::u16string> StringBlock(UINT block) {
    std::vector<std::u16string> rows(16);
    auto bytes = LoadResourceBytes(RT_STRING, MAKEINTRESOURCEW(block));
    if (!bytes) return rows;
    ByteReader reader(*bytes);
    for (auto& row : rows) {
        uint16_t length = reader.Word();
        for (uint16_t i = 0; i < length && reader.Ok(); ++i)
            row.push_back(static_cast<char16_t>(reader.Word()));
        if (!reader.Ok()) {
            row.clear();
            break;
        }
    }
    return rows;
}

}  // namespace

std::optional<std::string> StringRow(UINT id) {
    std::vector<std::u16string> rows = StringBlock(id / 16 + 1);
    const std::u16string& row = rows[id % 16];
    if (row.empty()) return std::nullopt;
    return ToUtf8(row);
}

std::vector<UINT> StringRowIds() {
    std::vector<UINT> ids;
    for (const ResourceEntry& entry : AllResources(ProgramModule())) {
        if (entry.type != L"#6" || entry.language != kJapanese || entry.name[0] != L'#') continue;
        UINT block = static_cast<UINT>(std::wcstoul(entry.name.c_str() + 1, nullptr, 10));
        std::vector<std::u16string> rows = StringBlock(block);
        for (UINT i = 0; i < 16; ++i)
            if (!rows[i].empty()) ids.push_back((block - 1) * 16 + i);
    }
    std::sort(ids.begin(), ids.end());
    return ids;
}

// ---------------------------------------------------------------------------
// Enumeration

std::wstring IdText(LPCWSTR id) {
    if (IS_INTRESOURCE(id)) return L"#" + std::to_wstring(reinterpret_cast<ULONG_PTR>(id));
    return id;
}

std::vector<ResourceEntry> AllResources(HMODULE module) {
    std::vector<ResourceEntry> entries;
    if (!module) return entries;
    std::vector<std::wstring> types;
    EnumResourceTypesW(
        module,
        [](HMODULE, LPWSTR type, LONG_PTR param) -> BOOL {
            reinterpret_cast<std::vector<std::wstring>*>(param)->push_back(IdText(type));
            return TRUE;
        },
        reinterpret_cast<LONG_PTR>(&types));
    // "#5" is also how FindResource and EnumResourceNames take an ordinal.
    for (const std::wstring& type : types) {
        std::vector<std::wstring> names;
        EnumResourceNamesW(
            module, type.c_str(),
            [](HMODULE, LPCWSTR, LPWSTR name, LONG_PTR param) -> BOOL {
                reinterpret_cast<std::vector<std::wstring>*>(param)->push_back(IdText(name));
                return TRUE;
            },
            reinterpret_cast<LONG_PTR>(&names));
        for (const std::wstring& name : names) {
            struct Collect {
                std::vector<ResourceEntry>* entries;
                const std::wstring* type;
                const std::wstring* name;
            } collect{&entries, &type, &name};
            EnumResourceLanguagesW(
                module, type.c_str(), name.c_str(),
                [](HMODULE, LPCWSTR, LPCWSTR, WORD language, LONG_PTR param) -> BOOL {
                    auto* c = reinterpret_cast<Collect*>(param);
                    c->entries->push_back({*c->type, *c->name, language});
                    return TRUE;
                },
                reinterpret_cast<LONG_PTR>(&collect));
        }
    }
    return entries;
}

}  // namespace restest
