#include "Dpi.h"

#include <shellapi.h>

typedef UINT(WINAPI* DpiForWindowProc)(HWND);
typedef int(WINAPI* MetricsForDpiProc)(int, UINT);
typedef BOOL(WINAPI* AdjustForDpiProc)(RECT*, DWORD, BOOL, DWORD, UINT);
typedef UINT(WINAPI* ExtractSizedProc)(LPCSTR, int, int, int, HICON*, UINT*, UINT, UINT);

// user32's functions of newer Windows, looked up once; null where the running Windows lacks them.
static struct {
    bool looked;
    DpiForWindowProc forWindow;
    MetricsForDpiProc metrics;
    AdjustForDpiProc adjust;
    ExtractSizedProc extract;
} Newer;

static void LookUp()
{
    if (Newer.looked)
        return;
    HMODULE user = GetModuleHandleA("user32.dll");
    Newer.forWindow = (DpiForWindowProc)(void*)GetProcAddress(user, "GetDpiForWindow");
    Newer.metrics = (MetricsForDpiProc)(void*)GetProcAddress(user, "GetSystemMetricsForDpi");
    Newer.adjust = (AdjustForDpiProc)(void*)GetProcAddress(user, "AdjustWindowRectExForDpi");
    Newer.extract = (ExtractSizedProc)(void*)GetProcAddress(user, "PrivateExtractIconsA");
    Newer.looked = true;
}

int DpiOfWindow(HWND window)
{
    LookUp();
    if (window != nullptr && Newer.forWindow != nullptr) {
        const UINT dpi = Newer.forWindow(window);
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
    LookUp();
    return Newer.metrics != nullptr ? Newer.metrics(SM_CXICON, (UINT)dpi) : GetSystemMetrics(SM_CXICON);
}

void AdjustWindowRectForDpi(RECT* r, DWORD style, DWORD exStyle, int dpi)
{
    LookUp();
    if (Newer.adjust == nullptr || !Newer.adjust(r, style, FALSE, exStyle, (UINT)dpi))
        AdjustWindowRectEx(r, style, FALSE, exStyle);
}

HICON ExtractIconOfSize(const char* file, int index, int size)
{
    if (index == -1)
        return nullptr;
    LookUp();
    HICON icon = nullptr;
    if (Newer.extract != nullptr) {
        UINT id = 0;
        const UINT got = Newer.extract(file, index, size, size, &icon, &id, 1, LR_DEFAULTCOLOR);
        return got != 0 && got != 0xFFFFFFFF ? icon : nullptr;
    }
    // ExtractIconA answers 1 for a file that is no program and no icon file.
    icon = ExtractIconA(GetModuleHandleA(nullptr), file, (UINT)index);
    return (UINT_PTR)icon > 1 ? icon : nullptr;
}
