#include "CWnd.h"

int CWnd::MessageBox(const char* text, const char* caption, UINT type) {
    return ::MessageBoxA(m_hWnd, text, caption, type);
}
