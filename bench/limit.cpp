// The limit of the benchmark: a program that registers a class and shows a
// tool window with a row of owner-drawn buttons (24 unless the command line
// gives another number), and nothing else. floor.cpp builds on it.
#include <windows.h>
#include <shellapi.h>
#include <stdlib.h>

#ifndef BENCH_CLASS
#define BENCH_CLASS "QvBenchLimit"
#endif

static const int MostButtons = 24;
static HICON Icons[MostButtons];
static int CellWidth, CellHeight;

#ifdef BENCH_FLOOR
// The start-up work the bar cannot avoid for one button: its program, the
// shell's display name and the icon.
static void LookUpButton(int i, const char* file)
{
    char program[MAX_PATH];
    if ((INT_PTR)FindExecutableA(file, nullptr, program) <= 32)
        lstrcpynA(program, file, sizeof program);
    SHFILEINFOA info;
    ZeroMemory(&info, sizeof info);
    SHGetFileInfoA(program, 0, &info, sizeof info, SHGFI_DISPLAYNAME);
    HICON icon = ExtractIconA(GetModuleHandleA(nullptr), program, 0);
    Icons[i] = (UINT_PTR)icon > 1 ? icon : nullptr;
}
#endif

static void DrawFace(const DRAWITEMSTRUCT* d)
{
    RECT r = d->rcItem;
    FillRect(d->hDC, &r, GetSysColorBrush(COLOR_BTNFACE));
    DrawEdge(d->hDC, &r, (d->itemState & ODS_SELECTED) ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
    if (Icons[d->CtlID - 500] != nullptr)
        DrawIcon(d->hDC, 3, 3, Icons[d->CtlID - 500]);
}

static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_DRAWITEM:
        DrawFace((const DRAWITEMSTRUCT*)lParam);
        return TRUE;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int showCommand)
{
    // The command line: the number of buttons, then (floor) the files they start.
    char* rest = commandLine;
    int count = (int)strtol(commandLine, &rest, 10);
    if (rest == commandLine)
        count = MostButtons;
    if (count < 0 || count > MostButtons)
        count = MostButtons;
#ifdef BENCH_FLOOR
    char files[MostButtons][MAX_PATH];
    int fileCount = 0;
    for (char* p = rest; fileCount < MostButtons;) {
        while (*p == ' ')
            ++p;
        if (*p == '\0')
            break;
        int n = 0;
        while (p[n] != '\0' && p[n] != ' ')
            ++n;
        lstrcpynA(files[fileCount++], p, n + 1 < MAX_PATH ? n + 1 : MAX_PATH);
        p += n;
    }
    for (int i = 0; i < count && fileCount > 0; ++i)
        LookUpButton(i, files[i % fileCount]);
#endif
    WNDCLASSA wc;
    ZeroMemory(&wc, sizeof wc);
    wc.lpfnWndProc = Proc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = (HBRUSH)(COLOR_WINDOW + 1);
    wc.lpszClassName = BENCH_CLASS;
    if (!RegisterClassA(&wc))
        return 1;
    CellWidth = GetSystemMetrics(SM_CXICON) + 6;
    CellHeight = GetSystemMetrics(SM_CYICON) + 6;
    RECT r = {0, 0, count * (CellWidth + 1) - 1, CellHeight};
    AdjustWindowRectEx(&r, WS_CAPTION | WS_SYSMENU, FALSE, WS_EX_TOOLWINDOW);
    HWND window = CreateWindowExA(WS_EX_TOOLWINDOW, BENCH_CLASS, BENCH_CLASS, WS_CAPTION | WS_SYSMENU,
                                  CW_USEDEFAULT, CW_USEDEFAULT, r.right - r.left, r.bottom - r.top, nullptr,
                                  nullptr, instance, nullptr);
    if (window == nullptr)
        return 1;
    for (int i = 0; i < count; ++i)
        CreateWindowA("BUTTON", "", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, i * (CellWidth + 1), 0, CellWidth,
                      CellHeight, window, (HMENU)(INT_PTR)(500 + i), instance, nullptr);
    ShowWindow(window, showCommand);
    UpdateWindow(window);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}
