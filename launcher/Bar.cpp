// Start-up of the launcher and the placement of the bar: the window class,
// the configuration file, the bar window in its place, snapping, re-fitting,
// always-on-top and the saving of the settings.
#include "QUENVOLT.h"

const char BarClassName[] = "QuenvoltWClass";
const char HelpFileName[] = "Quenvolt.hlp";
const char DefaultTitle[] = "Quenvolet";

static const char WindowSection[] = "Window";
static const DWORD BarStyle = WS_CAPTION | WS_SYSMENU;
static const DWORD BarExStyle = WS_EX_TOOLWINDOW;

TBarState BarState;

int BarMessage(const char* text, const char* caption, UINT flags)
{
    ++BarState.OpenBoxes;
    int answer = MessageBoxA(BarState.BarWindow, text, caption, flags | MB_SETFOREGROUND);
    --BarState.OpenBoxes;
    ResumeDeferredDrops();
    return answer;
}

bool RegisterBarClass(HINSTANCE instance)
{
    OSVERSIONINFOA version;
    ZeroMemory(&version, sizeof version);
    version.dwOSVersionInfoSize = sizeof version;
    if (GetVersionExA(&version))
        BarState.HasWorkArea = version.dwMajorVersion * 100 + version.dwMinorVersion > 390;

    WNDCLASSA wc;
    ZeroMemory(&wc, sizeof wc);
    wc.style = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS;
    wc.lpfnWndProc = MainWndProc;
    wc.hInstance = instance;
    wc.hIcon = LoadIconA(instance, QUENVOLT_ICON_NAME);
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = (HBRUSH)(COLOR_WINDOW + 1);
    wc.lpszClassName = BarClassName;
    return RegisterClassA(&wc) != 0;
}

static void TakeRect(const RECT& r, BarRect* work)
{
    work->left = r.left;
    work->top = r.top;
    work->right = r.right;
    work->bottom = r.bottom;
}

void GetWorkArea(BarRect* work)
{
    RECT r;
    if (!BarState.HasWorkArea || !SystemParametersInfoA(SPI_GETWORKAREA, 0, &r, 0))
        GetWindowRect(GetDesktopWindow(), &r);
    TakeRect(r, work);
}

void GetBarWorkArea(BarRect* work)
{
    MONITORINFO info;
    info.cbSize = sizeof info;
    HMONITOR monitor = MonitorFromWindow(BarState.BarWindow, MONITOR_DEFAULTTONEAREST);
    // The primary monitor's work area is the system's, the one start-up uses.
    if (BarState.HasWorkArea && monitor != nullptr && GetMonitorInfoA(monitor, &info) &&
        !(info.dwFlags & MONITORINFOF_PRIMARY)) {
        TakeRect(info.rcWork, work);
        return;
    }
    GetWorkArea(work);
}

void ComputeBarSize(int* width, int* height)
{
    RECT r;
    r.left = 0;
    r.top = 0;
    r.right = BarClientWidth(ButtonCount, BarState.CellWidth);
    r.bottom = BarState.CellHeight;
    AdjustWindowRectEx(&r, BarStyle, FALSE, BarExStyle);
    *width = r.right - r.left;
    *height = r.bottom - r.top;
    int minimum = GetSystemMetrics(SM_CXMIN);
    if (*width < minimum)
        *width = minimum;
}

void ReadSection(const char* name, TSection* section)
{
    section->Name = name;
    DWORD n = GetPrivateProfileSectionA(name, section->Block, sizeof section->Block, BarState.ConfigFilePath);
    section->Whole = n < sizeof section->Block - 2;
}

void ReadKey(const TSection& section, const char* key, const char* fallback, char* out, DWORD size)
{
    if (!section.Whole)
        GetPrivateProfileStringA(section.Name, key, fallback, out, size, BarState.ConfigFilePath);
    else if (!SectionValue(section.Block, key, out, size))
        TextCopy(out, size, fallback);
}

bool CreateBarWindow(HINSTANCE instance, const char* commandLine, int showCommand)
{
    BarState.Instance = instance;

    if (TakeConfigPath(commandLine, BarState.ConfigFilePath, sizeof BarState.ConfigFilePath) == nullptr) {
        DWORD n = GetModuleFileNameA(nullptr, BarState.ConfigFilePath, sizeof BarState.ConfigFilePath);
        if (n == 0 || n >= sizeof BarState.ConfigFilePath)
            BarState.ConfigFilePath[sizeof BarState.ConfigFilePath - 1] = '\0';
        ReplaceExtensionWithIni(BarState.ConfigFilePath, sizeof BarState.ConfigFilePath);
    }

    char found[PathSize];
    if (LocateFile(BarState.ConfigFilePath, found, sizeof found)) {
        TextCopy(BarState.ConfigFilePath, sizeof BarState.ConfigFilePath, found);
        for (unsigned n = 1; n <= (unsigned)MaxButtons; ++n)
            if (LoadButton(n, ButtonCount))
                ++ButtonCount;
    }

    BarState.CellWidth = GetSystemMetrics(SM_CXICON) + 6;
    BarState.CellHeight = GetSystemMetrics(SM_CYICON) + 6;

    int width, height;
    ComputeBarSize(&width, &height);
    BarRect work;
    GetWorkArea(&work);
    int x = work.right - width;
    int y = work.bottom - height;

    TSection window;
    ReadSection(WindowSection, &window);
    char title[64];
    char value[10];
    ReadKey(window, "Title", DefaultTitle, title, sizeof title);
    ReadKey(window, "AlwaysOnTop", "", value, sizeof value);
    if (SameTextNoCase(value, "True"))
        BarState.AlwaysOnTop = true;
    ReadKey(window, "Position", "", value, sizeof value);

    if (SameTextNoCase(value, "Fixed")) {
        BarState.PlacementFlags = Docked;
        ReadKey(window, "Horizontal", "", value, sizeof value);
        if (SameTextNoCase(value, "Left")) {
            x = work.left;
            BarState.PlacementFlags |= DockLeft;
        }
        ReadKey(window, "Vertical", "", value, sizeof value);
        if (SameTextNoCase(value, "Top")) {
            y = work.top;
            BarState.PlacementFlags |= DockTop;
        }
    } else {
        ReadKey(window, "Left", "", value, sizeof value);
        x = value[0] != '\0' ? ParseInt(value) : (int)CW_USEDEFAULT;
        ReadKey(window, "Top", "", value, sizeof value);
        y = value[0] != '\0' ? ParseInt(value) : (int)CW_USEDEFAULT;
    }

    HWND bar = CreateWindowExA(BarExStyle | (BarState.AlwaysOnTop ? WS_EX_TOPMOST : 0), BarClassName, title, BarStyle,
                               x, y, width, height, nullptr, nullptr, instance, nullptr);
    if (bar == nullptr)
        return false;
    BarState.BarWindow = bar;
    DragAcceptFiles(bar, TRUE);
    // The first WM_MOVE may come with the first showing: a bar starts where it was saved.
    BarState.InSnapMove = true;
    ShowWindow(bar, showCommand);
    UpdateWindow(bar);
    BarState.InSnapMove = false;
    return true;
}

void SnapToCorner()
{
    RECT r;
    GetWindowRect(BarState.BarWindow, &r);
    BarRect bar = {r.left, r.top, r.right, r.bottom};
    BarRect work;
    GetBarWorkArea(&work);
    int width, height;
    ComputeBarSize(&width, &height);
    BarPoint target;
    if (!SnapTarget(bar, work, width, height, &target))
        return;
    BarState.InSnapMove = true;
    MoveWindow(BarState.BarWindow, target.x, target.y, width, height, TRUE);
    BarState.InSnapMove = false;
}

bool FitBar()
{
    BarRect work;
    GetBarWorkArea(&work);
    RECT r;
    GetWindowRect(BarState.BarWindow, &r);
    int width, height;
    ComputeBarSize(&width, &height);
    BarPoint target;
    if (!FitTarget(r.left, r.top, work, width, height, BarState.PlacementFlags, &target))
        return false;
    return MoveWindow(BarState.BarWindow, target.x, target.y, width, height, TRUE) != FALSE;
}

void ToggleAlwaysOnTop()
{
    BarState.AlwaysOnTop = !BarState.AlwaysOnTop;
    CheckMenuItem(GetSystemMenu(BarState.BarWindow, FALSE), IDM_ALWAYSONTOP,
                  MF_BYCOMMAND | (BarState.AlwaysOnTop ? MF_CHECKED : MF_UNCHECKED));
    SetWindowPos(BarState.BarWindow, BarState.AlwaysOnTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOMOVE | SWP_NOREDRAW);
}

bool SaveWindowSettings(HWND bar)
{
    const char* file = BarState.ConfigFilePath;
    bool ok = WritePrivateProfileStringA(WindowSection, "AlwaysOnTop", BarState.AlwaysOnTop ? "True" : "False", file);
    if (!(BarState.PlacementFlags & Docked)) {
        RECT r;
        GetWindowRect(bar, &r);
        // Room for any coordinate, so that no position is ever cut.
        char left[12], top[12];
        FormatInt(left, sizeof left, r.left);
        FormatInt(top, sizeof top, r.top);
        ok &= WritePrivateProfileStringA(WindowSection, "Horizontal", nullptr, file) != FALSE;
        ok &= WritePrivateProfileStringA(WindowSection, "Vertical", nullptr, file) != FALSE;
        ok &= WritePrivateProfileStringA(WindowSection, "Left", left, file) != FALSE;
        ok &= WritePrivateProfileStringA(WindowSection, "Top", top, file) != FALSE;
    } else {
        ok &= WritePrivateProfileStringA(WindowSection, "Left", nullptr, file) != FALSE;
        ok &= WritePrivateProfileStringA(WindowSection, "Top", nullptr, file) != FALSE;
    }
    return ok;
}

// A bar kept where the user may not write (Program Files, a read-only file)
// would otherwise lose its settings without a word.
void ReportSaveFailure()
{
    char text[PathSize + 128];
    TextCopy(text, sizeof text, "The settings could not be saved to\n");
    TextAppend(text, sizeof text, BarState.ConfigFilePath);
    TextAppend(text, sizeof text, "\nThe file or its folder may be write-protected.");
    BarMessage(text, DefaultTitle, MB_OK | MB_ICONWARNING);
}

void SaveSettings(bool reportFailure)
{
    bool saved = SaveWindowSettings(BarState.BarWindow);
    if (BarState.UnsavedChanges && !FlushButtons())
        saved = false;
    if (!saved && reportFailure)
        ReportSaveFailure();
}
