// The placement of the bar: the work area, the bar's size, snapping,
// re-fitting and always-on-top.
#include "Bar.h"

#include "Dpi.h"

const char BarClassName[] = "QuenvoltWClass";
const char HelpFileName[] = "Quenvolt.hlp";
const char DefaultTitle[] = "Quenvolet";

TBarState BarState;

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

bool GetMonitorWorkArea(const BarRect& r, BarRect* work, BarRect* monitorRect)
{
    MONITORINFO info;
    info.cbSize = sizeof info;
    const RECT area = {r.left, r.top, r.right, r.bottom};
    HMONITOR monitor = MonitorFromRect(&area, MONITOR_DEFAULTTONEAREST);
    // The primary monitor's work area is the system's, the one start-up uses.
    if (BarState.HasWorkArea && monitor != nullptr && GetMonitorInfoA(monitor, &info) &&
        !(info.dwFlags & MONITORINFOF_PRIMARY)) {
        TakeRect(info.rcWork, work);
        if (monitorRect != nullptr)
            TakeRect(info.rcMonitor, monitorRect);
        return true;
    }
    GetWorkArea(work);
    return false;
}

BarRect WindowBarRect(HWND window)
{
    RECT r;
    GetWindowRect(window, &r);
    BarRect rect;
    TakeRect(r, &rect);
    return rect;
}

void GetBarWorkArea(BarRect* work)
{
    GetMonitorWorkArea(WindowBarRect(BarState.BarWindow), work);
}

void SetBarScale(int dpi)
{
    BarState.Dpi = dpi;
    BarState.IconSize = IconSizeForDpi(dpi);
    BarState.CellWidth = BarState.IconSize + ScaleForDpi(6, dpi);
    BarState.CellHeight = BarState.CellWidth;
}

void ComputeBarSize(int* width, int* height)
{
    RECT r;
    r.left = 0;
    r.top = 0;
    r.right = BarClientWidth(ButtonCount, BarState.CellWidth);
    r.bottom = BarState.CellHeight;
    AdjustWindowRectForDpi(&r, BarStyle, BarExStyle, BarState.Dpi);
    *width = r.right - r.left;
    *height = r.bottom - r.top;
    int minimum = GetSystemMetrics(SM_CXMIN);
    if (*width < minimum)
        *width = minimum;
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
    if (!SnapTarget(bar, work, width, height, ScaleForDpi(SnapDistance, BarState.Dpi), &target))
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

void KeepOnDesk(bool deskChanged)
{
    const BarRect bar = WindowBarRect(BarState.BarWindow);
    BarRect work;
    GetMonitorWorkArea(bar, &work);
    const BarPoint to = (BarState.PlacementFlags & Docked)
        ? DockedPosition(work, bar.right - bar.left, bar.bottom - bar.top, BarState.PlacementFlags)
        : PullInto(bar, work);
    // The bar is put in its place, not dropped there: it must not snap away from it.
    if (to.x != bar.left || to.y != bar.top) {
        BarState.InSnapMove = true;
        SetWindowPos(BarState.BarWindow, nullptr, to.x, to.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        BarState.InSnapMove = false;
    }
    // A new taskbar or desk may have been put above the bar.
    if (deskChanged && BarState.AlwaysOnTop)
        SetWindowPos(BarState.BarWindow, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);
}

void TakeSuggestedPlace(const RECT& suggested)
{
    int width, height;
    ComputeBarSize(&width, &height);
    BarState.InSnapMove = true;
    SetWindowPos(BarState.BarWindow, nullptr, suggested.left, suggested.top, width, height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    BarState.InSnapMove = false;
    if (BarState.PlacementFlags & Docked)
        KeepOnDesk(false);
}

void ToggleAlwaysOnTop()
{
    BarState.AlwaysOnTop = !BarState.AlwaysOnTop;
    CheckMenuItem(GetSystemMenu(BarState.BarWindow, FALSE), IDM_ALWAYSONTOP,
                  MF_BYCOMMAND | (BarState.AlwaysOnTop ? MF_CHECKED : MF_UNCHECKED));
    SetWindowPos(BarState.BarWindow, BarState.AlwaysOnTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOMOVE | SWP_NOREDRAW);
}
