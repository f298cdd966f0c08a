#include "item_flag_value.h"

#include <memory>
#include <type_traits>

namespace {

const char kGameKey[] = "SOFTWARE\\KORVANE\\QUV6";
const char kItemFlag[] = "Serune";

struct KeyCloser {
    void operator()(HKEY key) const { RegCloseKey(key); }
};
using UniqueKey = std::unique_ptr<std::remove_pointer_t<HKEY>, KeyCloser>;

UniqueKey CreateGameKey(REGSAM view)
{
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, kGameKey, 0, nullptr, 0,
                        KEY_QUERY_VALUE | KEY_SET_VALUE | view, nullptr, &key, nullptr)
        != ERROR_SUCCESS)
        return UniqueKey();
    return UniqueKey(key);
}

} // namespace

bool WriteItemFlag(REGSAM view, DWORD type, const std::vector<BYTE>& data)
{
    UniqueKey key = CreateGameKey(view);
    return key
           && RegSetValueExA(key.get(), kItemFlag, 0, type, data.data(),
                             static_cast<DWORD>(data.size()))
                  == ERROR_SUCCESS;
}

bool WriteItemFlag(REGSAM view, DWORD value)
{
    const BYTE* bytes = reinterpret_cast<const BYTE*>(&value);
    return WriteItemFlag(view, REG_DWORD, std::vector<BYTE>(bytes, bytes + sizeof value));
}

bool DeleteItemFlag(REGSAM view)
{
    UniqueKey key = CreateGameKey(view);
    if (!key)
        return false;
    LSTATUS status = RegDeleteValueA(key.get(), kItemFlag);
    return status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND;
}

SavedItemFlag::SavedItemFlag(REGSAM view) : m_view(view), m_existed(false), m_type(REG_NONE)
{
    UniqueKey key = CreateGameKey(view);
    DWORD size = 0;
    if (!key || RegQueryValueExA(key.get(), kItemFlag, nullptr, &m_type, nullptr, &size) != ERROR_SUCCESS)
        return;
    m_data.resize(size);
    m_existed = RegQueryValueExA(key.get(), kItemFlag, nullptr, &m_type, m_data.data(), &size)
                == ERROR_SUCCESS;
    m_data.resize(size);
}

SavedItemFlag::~SavedItemFlag()
{
    if (m_existed)
        WriteItemFlag(m_view, m_type, m_data);
    else
        DeleteItemFlag(m_view);
}
