// The scale of the screen a window is on. Windows that tell monitors apart
// are asked at run time; an older one answers with the screen's single scale,
// so the programs behave there as they always did. Shared by the bar and the
// editor; the arithmetic of scaling is ScaleForDpi in core/Geometry.h.
#ifndef QUENVOLET_DPI_H
#define QUENVOLET_DPI_H

#include <windows.h>

// The DPI of the monitor that shows window (the screen's without a window).
int DpiOfWindow(HWND window);
// The side of a large icon at dpi.
int IconSizeForDpi(int dpi);
// AdjustWindowRectEx with the caption and frames of dpi.
void AdjustWindowRectForDpi(RECT* r, DWORD style, DWORD exStyle, int dpi);
// Icon index of file with the frame nearest size x size pixels, else null;
// index -1 is no icon (it would ask for their number).
HICON ExtractIconOfSize(const char* file, int index, int size);

#endif
