// Auto-hide of a docked bar: a timer looks at the pointer, the menus, the
// boxes and the focus, and slides the bar between its corner and its place
// out of sight.
#include "AutoHide.h"

#include "Bar.h"

const UINT PollInterval = 100;    // how often a bar in its corner looks at the pointer
const UINT SlideInterval = 15;    // one step of a slide
const unsigned HideDelay = 1000;  // how long the pointer is off the bar before it hides
const unsigned SlideTime = 150;
const int StripPixels = 2;  // of the hidden bar left on the work area, at 96 DPI

static bool Animating()
{
    BOOL on = TRUE;
    // Systems before this setting existed animate their windows.
    return !SystemParametersInfoA(SPI_GETCLIENTAREAANIMATION, 0, &on, 0) || on;
}

// Where the bar is, on which work area, and whether that is its corner.
struct TPlace {
    BarRect bar, work;
    int strip;
    bool atCorner;
};

static TPlace TakePlace(HWND bar)
{
    TPlace p;
    p.bar = WindowBarRect(bar);
    GetMonitorWorkArea(p.bar, &p.work);
    p.strip = ScaleForDpi(StripPixels, BarState.Dpi);
    p.atCorner = AtCorner(p.bar, p.work, BarState.PlacementFlags, p.strip);
    return p;
}

static void SetPace(HWND bar, UINT interval)
{
    if (BarState.AutoHide.Pace == interval)
        return;
    BarState.AutoHide.Pace = interval;
    if (interval == 0)
        KillTimer(bar, HideTimerId);
    else
        SetTimer(bar, HideTimerId, interval, nullptr);
}

// A bar in use stays in view: under a menu or a box, or with the keyboard.
static bool InUse()
{
    return BarState.AutoHide.InMenu || BarState.OpenBoxes > 0 || GetForegroundWindow() == BarState.BarWindow;
}

static bool PointerOn(const TPlace& p)
{
    const RECT bar = {p.bar.left, p.bar.top, p.bar.right, p.bar.bottom};
    const RECT work = {p.work.left, p.work.top, p.work.right, p.work.bottom};
    RECT visible;
    POINT pointer;
    return IntersectRect(&visible, &bar, &work) && GetCursorPos(&pointer) && PtInRect(&visible, pointer);
}

void StartAutoHide(HWND bar)
{
    if (!BarState.AutoHide.On)
        return;
    BarState.AutoHide.WantedSince = GetTickCount();
    SetPace(bar, PollInterval);
}

void OnHideTimer()
{
    HWND bar = BarState.BarWindow;
    TAutoHide& h = BarState.AutoHide;
    const TPlace p = TakePlace(bar);
    const DWORD now = GetTickCount();
    const int width = p.bar.right - p.bar.left, height = p.bar.bottom - p.bar.top;
    // A bar dragged away from its corner stays where it was dropped.
    if (!p.atCorner || !h.On || InUse() || PointerOn(p))
        h.WantedSince = now;
    const int to = now - h.WantedSince >= HideDelay
        ? HiddenPosition(p.work, width, height, BarState.PlacementFlags, p.strip).y
        : DockedPosition(p.work, width, height, BarState.PlacementFlags).y;
    if (!p.atCorner || p.bar.top == to) {
        h.SlideStart = 0;
        SetPace(bar, h.On ? PollInterval : 0);
        return;
    }
    if (h.SlideStart == 0 || h.SlideTo != to) {
        h.SlideStart = now;
        h.SlideFrom = p.bar.top;
        h.SlideTo = to;
        SetPace(bar, SlideInterval);
    }
    const int y = SlideY(h.SlideFrom, to, now - h.SlideStart, Animating() ? SlideTime : 0);
    if (y != p.bar.top) {
        // The bar slides itself: it must not snap.
        BarState.InSnapMove = true;
        SetWindowPos(bar, nullptr, p.bar.left, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        BarState.InSnapMove = false;
    }
}

void RevealBar()
{
    BarState.AutoHide.WantedSince = GetTickCount();
    OnHideTimer();
}

void ToggleAutoHide()
{
    BarState.AutoHide.On = !BarState.AutoHide.On;
    CheckMenuItem(GetSystemMenu(BarState.BarWindow, FALSE), IDM_AUTOHIDE,
                  MF_BYCOMMAND | (BarState.AutoHide.On ? MF_CHECKED : MF_UNCHECKED));
    // Turned on, the bar hides a second after the pointer left; turned off, a hidden one comes back.
    RevealBar();
}

void OnMenuLoop(bool entering)
{
    BarState.AutoHide.InMenu = entering;
}

void UpdateAutoHideItem(HMENU systemMenu)
{
    const bool docked = TakePlace(BarState.BarWindow).atCorner;
    EnableMenuItem(systemMenu, IDM_AUTOHIDE, MF_BYCOMMAND | (docked ? MF_ENABLED : MF_GRAYED));
}

BarRect ShownBarRect(HWND bar)
{
    const TPlace p = TakePlace(bar);
    BarRect r = p.bar;
    if (p.atCorner) {
        const int height = r.bottom - r.top;
        r.top = DockedPosition(p.work, r.right - r.left, height, BarState.PlacementFlags).y;
        r.bottom = r.top + height;
    }
    return r;
}
