// The bar window's size and place: the work area, snapping, re-fitting and
// always-on-top.
#ifndef QUENVOLT_BAR_H
#define QUENVOLT_BAR_H

#include "QUENVOLT.h"

const DWORD BarStyle = WS_CAPTION | WS_SYSMENU;
const DWORD BarExStyle = WS_EX_TOOLWINDOW;

// Settles the icon and cell sizes of the bar for the scale dpi.
void SetBarScale(int dpi);
void ComputeBarSize(int* width, int* height);
// The primary monitor's work area.
void GetWorkArea(BarRect* work);
// The work area of the monitor that holds the rectangle r (the nearest one).
// True when that is a monitor other than the primary one, whose rectangle is
// then given when asked for.
bool GetMonitorWorkArea(const BarRect& r, BarRect* work, BarRect* monitor = nullptr);
// The window rectangle of a window, in screen coordinates.
BarRect WindowBarRect(HWND window);
// The work area of the monitor that holds the bar (the nearest one).
void GetBarWorkArea(BarRect* work);
// Brings the bar back into view on the monitor it is nearest: a docked bar
// into its corner, a floating one wholly into the work area; after a change
// of the desk (work area, monitors, a new taskbar) always-on-top is asserted
// again too.
void KeepOnDesk(bool deskChanged);
void SnapToCorner();
// After a change of scale: the bar at the suggested place in its new size,
// a docked one then back in its corner.
void TakeSuggestedPlace(const RECT& suggested);
bool FitBar();
void ToggleAlwaysOnTop();

#endif
