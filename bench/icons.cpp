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

// The grid's first WM_PAINT has returned: take the time and close the dialog.
static LRESULT CALLBACK AfterMessage(int code, WPARAM wParam, LPARAM lParam)
{
    const CWPRETSTRUCT* m = (const CWPRETSTRUCT*)lParam;
    char name[32];
    if (code == HC_ACTION && m->message == WM_PAINT && ImagesAtPaint < 0 &&
        GetClassNameA(m->hwnd, name, sizeof name) && strcmp(name, "QvIconGrid") == 0) {
        QueryPerformanceCounter(&Painted);
        ImagesAtPaint = ChangeIconReads.images;
        PostMessageA(GetParent(m->hwnd), WM_COMMAND, IDCANCEL, 0);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

int main(int argc, char** argv)
{
    if (argc < 2)
        return 2;
    InitIconUtilities();
    SetWindowsHookExA(WH_CALLWNDPROCRET, AfterMessage, nullptr, GetCurrentThreadId());
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
