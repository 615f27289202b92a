#include "Dpi.h"

#include <shellapi.h>

typedef UINT(WINAPI* DpiForWindowProc)(HWND);
typedef int(WINAPI* MetricsForDpiProc)(int, UINT);
typedef BOOL(WINAPI* AdjustForDpiProc)(RECT*, DWORD, BOOL, DWORD, UINT);
typedef UINT(WINAPI* ExtractSizedProc)(LPCSTR, int, int, int, HICON*, UINT*, UINT, UINT);

// user32's function of that name, or null on a Windows without it.
static FARPROC User32(const char* name)
{
    return GetProcAddress(GetModuleHandleA("user32.dll"), name);
}

int DpiOfWindow(HWND window)
{
    DpiForWindowProc forWindow = (DpiForWindowProc)(void*)User32("GetDpiForWindow");
    if (window != nullptr && forWindow != nullptr) {
        const UINT dpi = forWindow(window);
        if (dpi != 0)
            return (int)dpi;
    }
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : 96;
}

int IconSizeForDpi(int dpi)
{
    MetricsForDpiProc forDpi = (MetricsForDpiProc)(void*)User32("GetSystemMetricsForDpi");
    return forDpi != nullptr ? forDpi(SM_CXICON, (UINT)dpi) : GetSystemMetrics(SM_CXICON);
}

void AdjustWindowRectForDpi(RECT* r, DWORD style, DWORD exStyle, int dpi)
{
    AdjustForDpiProc forDpi = (AdjustForDpiProc)(void*)User32("AdjustWindowRectExForDpi");
    if (forDpi == nullptr || !forDpi(r, style, FALSE, exStyle, (UINT)dpi))
        AdjustWindowRectEx(r, style, FALSE, exStyle);
}

HICON ExtractIconOfSize(const char* file, int index, int size)
{
    if (index == -1)
        return nullptr;
    ExtractSizedProc sized = (ExtractSizedProc)(void*)User32("PrivateExtractIconsA");
    HICON icon = nullptr;
    if (sized != nullptr) {
        UINT id = 0;
        const UINT got = sized(file, index, size, size, &icon, &id, 1, LR_DEFAULTCOLOR);
        return got != 0 && got != 0xFFFFFFFF ? icon : nullptr;
    }
    // ExtractIconA answers 1 for a file that is no program and no icon file.
    icon = ExtractIconA(GetModuleHandleA(nullptr), file, (UINT)index);
    return (UINT_PTR)icon > 1 ? icon : nullptr;
}
