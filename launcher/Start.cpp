// Start-up of the launcher: the window class, the configuration file with
// its buttons, and the bar window in its place.
#include "Start.h"

#include "Bar.h"
#include "BarOnFile.h"
#include "Buttons.h"
#include "Dpi.h"
#include "FileSearch.h"
#include "Hotkey.h"
#include "Profile.h"
#include "WndProc.h"

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
    const bool exists = LocateFile(BarState.ConfigFilePath, found, sizeof found);
    if (exists)
        TextCopy(BarState.ConfigFilePath, sizeof BarState.ConfigFilePath, found);
    // One bar per file: two would each save their own buttons over the other's.
    BarState.PathMessage = PathMessage(BarState.ConfigFilePath);
    if (HWND running = AskBar(BarState.PathMessage, BarAsk)) {
        SetForegroundWindow(running);
        return false;
    }
    if (exists)
        LoadButtons();

    SetBarScale(DpiOfWindow(nullptr));

    int width, height;
    ComputeBarSize(&width, &height);
    BarRect work;
    GetWorkArea(&work);
    int x, y;  // each placement below sets them

    TSection window;
    ReadSection(WindowSection, &window);
    char title[64];
    char value[10];
    ReadKey(window, "Title", DefaultTitle, title, sizeof title);
    ReadKey(window, "AlwaysOnTop", "", value, sizeof value);
    if (SameTextNoCase(value, "True"))
        BarState.AlwaysOnTop = true;
    ReadKey(window, "AutoHide", "", value, sizeof value);
    BarState.AutoHide.On = SameTextNoCase(value, "True");
    ReadPlacement(window, work, width, height, &x, &y);

    BarState.TaskbarCreated = RegisterWindowMessageA("TaskbarCreated");
    HWND bar = CreateWindowExA(BarExStyle | (BarState.AlwaysOnTop ? WS_EX_TOPMOST : 0), BarClassName, title, BarStyle,
                               x, y, width, height, nullptr, nullptr, instance, nullptr);
    if (bar == nullptr)
        return false;
    BarState.BarWindow = bar;
    DragAcceptFiles(bar, TRUE);
    // A position saved on a monitor gone or since made smaller is brought back into view.
    if (!(BarState.PlacementFlags & Docked))
        KeepOnDesk(false);
    // The first WM_MOVE may come with the first showing: a bar starts where it was saved.
    BarState.InSnapMove = true;
    ShowWindow(bar, showCommand);
    UpdateWindow(bar);
    BarState.InSnapMove = false;
    // A word cut by the buffer is none the bar wrote, so it means no hotkey.
    char hotkey[64];
    ReadKey(window, "Hotkey", "", hotkey, sizeof hotkey);
    if (TextLength(hotkey) + 1 < sizeof hotkey)
        StartHotkey(hotkey);
    return true;
}
