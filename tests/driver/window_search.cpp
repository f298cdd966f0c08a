#include "window_search.h"

#include "text_encoding.h"
#include "wait_until.h"

#include <memory>

namespace uidriver {

namespace {

struct HandleCloser {
    void operator()(HANDLE handle) const { CloseHandle(handle); }
};
using UniqueHandle = std::unique_ptr<void, HandleCloser>;

std::wstring FileNameOf(const std::wstring& path)
{
    size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? path : path.substr(slash + 1);
}

std::wstring ProgramFileName(DWORD processId)
{
    UniqueHandle process(OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId));
    if (!process)
        return std::wstring();
    wchar_t path[MAX_PATH * 2];
    DWORD size = MAX_PATH * 2;
    if (!QueryFullProcessImageNameW(process.get(), 0, path, &size))
        return std::wstring();
    return FileNameOf(std::wstring(path, size));
}

bool SameFileName(const std::wstring& a, const std::wstring& b)
{
    return CompareStringOrdinal(a.c_str(), static_cast<int>(a.size()), b.c_str(),
                                static_cast<int>(b.size()), TRUE) == CSTR_EQUAL;
}

// Another process's caption is read from the system without sending a message,
// so a busy program cannot stall the search.
std::string CaptionOf(HWND window)
{
    int length = GetWindowTextLengthW(window);
    std::wstring text(length + 1, L'\0');
    int copied = GetWindowTextW(window, text.data(), length + 1);
    text.resize(copied);
    return Utf8FromWide(text);
}

struct Search {
    const WindowQuery& query;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectMatching(HWND window, LPARAM context)
{
    auto* search = reinterpret_cast<Search*>(context);
    if (Matches(window, search->query))
        search->found.push_back(window);
    return TRUE;
}

} // namespace

std::string ClassNameOf(HWND window)
{
    wchar_t name[256];
    int length = GetClassNameW(window, name, 256);
    return Utf8FromWide(std::wstring_view(name, length));
}

bool Matches(HWND window, const WindowQuery& query)
{
    DWORD processId = 0;
    DWORD threadId = GetWindowThreadProcessId(window, &processId);
    if (threadId == 0)
        return false; // gone
    if (query.processId != 0 && processId != query.processId)
        return false;
    if (query.threadId != 0 && threadId != query.threadId)
        return false;
    if (query.visibleOnly && !IsWindowVisible(window))
        return false;
    if (query.className && ClassNameOf(window) != *query.className)
        return false;
    if (query.caption && CaptionOf(window) != *query.caption)
        return false;
    if (!query.exeName.empty()
        && !SameFileName(ProgramFileName(processId), WideFromUtf8(query.exeName)))
        return false;
    return true;
}

std::vector<HWND> FindWindows(const WindowQuery& query)
{
    Search search{query, {}};
    EnumWindows(CollectMatching, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND WaitForWindow(const WindowQuery& query, std::chrono::milliseconds timeout)
{
    HWND found = nullptr;
    WaitUntil(
        [&] {
            std::vector<HWND> windows = FindWindows(query);
            found = windows.empty() ? nullptr : windows.front();
            return found != nullptr;
        },
        timeout);
    return found;
}

bool WaitForWindowGone(HWND window, std::chrono::milliseconds timeout)
{
    return WaitUntil([window] { return !IsWindow(window); }, timeout);
}

} // namespace uidriver
