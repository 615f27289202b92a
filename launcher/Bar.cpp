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

// Looks for name in one directory; found receives the full path.
static bool FindInDirectory(const char* directory, const char* name, char* found, size_t size)
{
    char candidate[2 * PathSize];
    TextCopy(candidate, sizeof candidate, directory);
    size_t n = TextLength(candidate);
    if (n == 0)
        return false;
    if (candidate[n - 1] != '\\' && candidate[n - 1] != '/')
        TextAppend(candidate, sizeof candidate, "\\");
    TextAppend(candidate, sizeof candidate, name);
    DWORD attributes = GetFileAttributesA(candidate);
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY))
        return false;
    DWORD length = GetFullPathNameA(candidate, (DWORD)size, found, nullptr);
    return length > 0 && length < size;
}

static bool HasDirectory(const char* name)
{
    for (const char* p = name; *p != '\0'; ++p)
        if (*p == '\\' || *p == '/' || *p == ':')
            return true;
    return false;
}

bool LocateFile(const char* name, char* found, size_t size)
{
    if (name[0] == '\0')
        return false;
    if (HasDirectory(name)) {
        DWORD attributes = GetFileAttributesA(name);
        if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY))
            return false;
        DWORD length = GetFullPathNameA(name, (DWORD)size, found, nullptr);
        return length > 0 && length < size;
    }

    char directory[PathSize];
    if (GetCurrentDirectoryA(sizeof directory, directory) < sizeof directory && FindInDirectory(directory, name, found, size))
        return true;
    if (GetWindowsDirectoryA(directory, sizeof directory) < sizeof directory && FindInDirectory(directory, name, found, size))
        return true;
    if (GetSystemDirectoryA(directory, sizeof directory) < sizeof directory && FindInDirectory(directory, name, found, size))
        return true;
    DWORD moduleLength = GetModuleFileNameA(nullptr, directory, sizeof directory);
    if (moduleLength > 0 && moduleLength < sizeof directory) {
        int slash = LastBackslash(directory);
        if (slash >= 0) {
            directory[slash] = '\0';
            if (FindInDirectory(directory, name, found, size))
                return true;
        }
    }

    // Last the PATH, through the system's own search along it.
    DWORD pathLength = GetEnvironmentVariableA("PATH", nullptr, 0);
    if (pathLength == 0)
        return false;
    char* path = (char*)LocalAlloc(LMEM_FIXED, pathLength);
    if (path == nullptr)
        return false;
    bool ok = false;
    if (GetEnvironmentVariableA("PATH", path, pathLength) < pathLength) {
        DWORD length = SearchPathA(path, name, nullptr, (DWORD)size, found, nullptr);
        ok = length > 0 && length < size;
        if (ok) {
            DWORD attributes = GetFileAttributesA(found);
            ok = attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
        }
    }
    LocalFree(path);
    return ok;
}

void GetWorkArea(BarRect* work)
{
    RECT r;
    if (!BarState.HasWorkArea || !SystemParametersInfoA(SPI_GETWORKAREA, 0, &r, 0))
        GetWindowRect(GetDesktopWindow(), &r);
    work->left = r.left;
    work->top = r.top;
    work->right = r.right;
    work->bottom = r.bottom;
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

// Reads one key of [Window] into buffer.
static void ReadWindowKey(const char* key, const char* fallback, char* buffer, DWORD size)
{
    GetPrivateProfileStringA(WindowSection, key, fallback, buffer, size, BarState.ConfigFilePath);
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

    char title[64];
    char value[10];
    ReadWindowKey("Title", DefaultTitle, title, sizeof title);
    ReadWindowKey("AlwaysOnTop", "", value, sizeof value);
    if (SameTextNoCase(value, "True"))
        BarState.AlwaysOnTop = true;
    ReadWindowKey("Position", "", value, sizeof value);

    if (SameTextNoCase(value, "Fixed")) {
        BarState.PlacementFlags = Docked;
        ReadWindowKey("Horizontal", "", value, sizeof value);
        if (SameTextNoCase(value, "Left")) {
            x = work.left;
            BarState.PlacementFlags |= DockLeft;
        }
        ReadWindowKey("Vertical", "", value, sizeof value);
        if (SameTextNoCase(value, "Top")) {
            y = work.top;
            BarState.PlacementFlags |= DockTop;
        }
    } else {
        ReadWindowKey("Left", "", value, sizeof value);
        x = value[0] != '\0' ? ParseInt(value) : (int)CW_USEDEFAULT;
        ReadWindowKey("Top", "", value, sizeof value);
        y = value[0] != '\0' ? ParseInt(value) : (int)CW_USEDEFAULT;
    }

    HWND bar = CreateWindowExA(BarExStyle | (BarState.AlwaysOnTop ? WS_EX_TOPMOST : 0), BarClassName, title, BarStyle,
                               x, y, width, height, nullptr, nullptr, instance, nullptr);
    if (bar == nullptr)
        return false;
    BarState.BarWindow = bar;
    DragAcceptFiles(bar, TRUE);
    ShowWindow(bar, showCommand);
    UpdateWindow(bar);
    return true;
}

void SnapToCorner()
{
    RECT r;
    GetWindowRect(BarState.BarWindow, &r);
    BarRect bar = {r.left, r.top, r.right, r.bottom};
    BarRect work;
    GetWorkArea(&work);
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
    GetWorkArea(&work);
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

void SaveWindowSettings(HWND bar)
{
    const char* file = BarState.ConfigFilePath;
    WritePrivateProfileStringA(WindowSection, "AlwaysOnTop", BarState.AlwaysOnTop ? "True" : "False", file);
    if (!(BarState.PlacementFlags & Docked)) {
        RECT r;
        GetWindowRect(bar, &r);
        // Room for any coordinate, so that no position is ever cut.
        char left[12], top[12];
        FormatInt(left, sizeof left, r.left);
        FormatInt(top, sizeof top, r.top);
        WritePrivateProfileStringA(WindowSection, "Horizontal", nullptr, file);
        WritePrivateProfileStringA(WindowSection, "Vertical", nullptr, file);
        WritePrivateProfileStringA(WindowSection, "Left", left, file);
        WritePrivateProfileStringA(WindowSection, "Top", top, file);
    } else {
        WritePrivateProfileStringA(WindowSection, "Left", nullptr, file);
        WritePrivateProfileStringA(WindowSection, "Top", nullptr, file);
    }
}

void SaveSettings()
{
    SaveWindowSettings(BarState.BarWindow);
    if (BarState.UnsavedChanges)
        FlushButtons();
}
