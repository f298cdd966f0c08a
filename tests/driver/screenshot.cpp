#include "screenshot.h"

#include "text_encoding.h"

#include <memory>
#include <type_traits>
#include <vector>

namespace uidriver {

namespace {

struct ScreenDcReleaser {
    void operator()(HDC dc) const { ReleaseDC(nullptr, dc); }
};
struct MemoryDcDeleter {
    void operator()(HDC dc) const { DeleteDC(dc); }
};
struct GdiObjectDeleter {
    void operator()(HBITMAP bitmap) const { DeleteObject(bitmap); }
};
struct HandleCloser {
    void operator()(HANDLE handle) const { CloseHandle(handle); }
};
using ScreenDc = std::unique_ptr<std::remove_pointer_t<HDC>, ScreenDcReleaser>;
using MemoryDc = std::unique_ptr<std::remove_pointer_t<HDC>, MemoryDcDeleter>;
using Bitmap = std::unique_ptr<std::remove_pointer_t<HBITMAP>, GdiObjectDeleter>;
using UniqueFile = std::unique_ptr<void, HandleCloser>;

// Rows of a 24-bit bitmap are padded to whole 32-bit words.
DWORD RowBytes(int width)
{
    return (static_cast<DWORD>(width) * 3 + 3) & ~3u;
}

BITMAPINFOHEADER Header24(int width, int height)
{
    BITMAPINFOHEADER header = {};
    header.biSize = sizeof header;
    header.biWidth = width;
    header.biHeight = height; // positive: rows bottom-up, as the file stores them
    header.biPlanes = 1;
    header.biBitCount = 24;
    header.biCompression = BI_RGB;
    header.biSizeImage = RowBytes(width) * height;
    return header;
}

bool WriteBitmapFile(const std::string& path, const BITMAPINFOHEADER& header, const void* pixels)
{
    BITMAPFILEHEADER file = {};
    file.bfType = 0x4D42; // "BM"
    file.bfOffBits = sizeof file + sizeof header;
    file.bfSize = file.bfOffBits + header.biSizeImage;

    HANDLE opened = CreateFileW(WideFromUtf8(path).c_str(), GENERIC_WRITE, 0, nullptr,
                                CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (opened == INVALID_HANDLE_VALUE)
        return false;
    UniqueFile out(opened);
    DWORD written = 0;
    return WriteFile(out.get(), &file, sizeof file, &written, nullptr) && written == sizeof file
           && WriteFile(out.get(), &header, sizeof header, &written, nullptr)
           && written == sizeof header
           && WriteFile(out.get(), pixels, header.biSizeImage, &written, nullptr)
           && written == header.biSizeImage;
}

// Copies what the screen shows in area (screen coordinates) into a file.
bool SaveScreenArea(const RECT& area, const std::string& path)
{
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    if (width <= 0 || height <= 0)
        return false;

    BITMAPINFO info = {};
    info.bmiHeader = Header24(width, height);
    ScreenDc screen(GetDC(nullptr));
    MemoryDc memory(CreateCompatibleDC(screen.get()));
    void* pixels = nullptr;
    Bitmap bitmap(CreateDIBSection(screen.get(), &info, DIB_RGB_COLORS, &pixels, nullptr, 0));
    if (!screen || !memory || !bitmap)
        return false;

    HGDIOBJ previous = SelectObject(memory.get(), bitmap.get());
    // CAPTUREBLT takes layered windows too, which a plain copy leaves out.
    bool copied = BitBlt(memory.get(), 0, 0, width, height, screen.get(), area.left, area.top,
                         SRCCOPY | CAPTUREBLT)
                  != 0;
    SelectObject(memory.get(), previous);
    GdiFlush();
    return copied && WriteBitmapFile(path, info.bmiHeader, pixels);
}

} // namespace

bool SaveWindowBitmap(HWND window, const std::string& path)
{
    RECT area;
    if (!IsWindow(window) || !GetWindowRect(window, &area))
        return false;
    return SaveScreenArea(area, path);
}

bool SaveScreenBitmap(const std::string& path)
{
    RECT area;
    area.left = GetSystemMetrics(SM_XVIRTUALSCREEN);
    area.top = GetSystemMetrics(SM_YVIRTUALSCREEN);
    area.right = area.left + GetSystemMetrics(SM_CXVIRTUALSCREEN);
    area.bottom = area.top + GetSystemMetrics(SM_CYVIRTUALSCREEN);
    return SaveScreenArea(area, path);
}

} // namespace uidriver
