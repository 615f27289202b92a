// The change icon dialog on a file of many icons: the time to its first
// painted grid and the icons it extracted by then, against extracting every
// icon of the file at once. Prints "first_paint_ms,extract_all_ms,images".
#include <cstdio>
#include <cstring>

#include "Chngicon.h"

static LARGE_INTEGER Painted;
static int ImagesAtPaint;

static double Since(const LARGE_INTEGER& from, const LARGE_INTEGER& to)
{
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return (double)(to.QuadPart - from.QuadPart) * 1000.0 / (double)f.QuadPart;
}

// The grid's first WM_PAINT is fetched: a posted WM_NULL is fetched once it has
// been handled, and then the time is taken and the dialog closed.
static LRESULT CALLBACK Fetched(int code, WPARAM wParam, LPARAM lParam)
{
    static HWND grid;
    const MSG* m = (const MSG*)lParam;
    char name[32];
    if (code == HC_ACTION && wParam == PM_REMOVE && ImagesAtPaint < 0) {
        if (grid == nullptr && m->message == WM_PAINT && GetClassNameA(m->hwnd, name, sizeof name) &&
            strcmp(name, "QvIconGrid") == 0) {
            grid = m->hwnd;
            PostMessageA(grid, WM_NULL, 0, 0);
        } else if (grid != nullptr && m->hwnd == grid && m->message == WM_NULL) {
            QueryPerformanceCounter(&Painted);
            ImagesAtPaint = ChangeIconReads.images;
            PostMessageA(GetParent(grid), WM_COMMAND, IDCANCEL, 0);
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

int main(int argc, char** argv)
{
    if (argc < 2)
        return 2;
    InitIconUtilities(96);
    SetWindowsHookExA(WH_GETMESSAGE, Fetched, nullptr, GetCurrentThreadId());
    LARGE_INTEGER start, end;
    QueryPerformanceCounter(&start);
    const UINT count = (UINT)(INT_PTR)ExtractIconA(GetModuleHandleA(nullptr), argv[1], (UINT)-1);
    for (UINT i = 0; i < count; ++i)
        DestroyIcon(ExtractIconA(GetModuleHandleA(nullptr), argv[1], i));
    QueryPerformanceCounter(&end);
    const double all = Since(start, end);

    TButtonInfo button;
    button.IconFile = argv[1];
    ImagesAtPaint = -1;
    ChangeIconReads = IconFileReads{0, 0};
    QueryPerformanceCounter(&start);
    ExecuteChangeIconDialog(nullptr, button, 40, 40);
    printf("%.2f,%.2f,%d\n", Since(start, Painted), all, ImagesAtPaint);
    return ImagesAtPaint < 0;
}
