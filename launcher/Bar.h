// The bar window's size and place: the work area, snapping, re-fitting and
// always-on-top.
#ifndef QUENVOLT_BAR_H
#define QUENVOLT_BAR_H

#include "QUENVOLT.h"

const DWORD BarStyle = WS_CAPTION | WS_SYSMENU;
const DWORD BarExStyle = WS_EX_TOOLWINDOW;

void ComputeBarSize(int* width, int* height);
// The primary monitor's work area.
void GetWorkArea(BarRect* work);
// The work area of the monitor that holds the bar (the nearest one).
void GetBarWorkArea(BarRect* work);
void SnapToCorner();
bool FitBar();
void ToggleAlwaysOnTop();

#endif
