// The icon grid: one row of 36 x 36 cells with grid lines, a current cell,
// a first visible column and an optional horizontal scroll bar. It holds no
// images: to paint a cell it asks its owner (GN_DRAWCELL), so an owner with
// many icons pays only for the cells that are seen.
#ifndef QVCONFIG_ICONGRID_H
#define QVCONFIG_ICONGRID_H

#include <windows.h>

extern const char IconGridClass[];
bool RegisterIconGrid(HINSTANCE instance);

enum IconGridMessage {
    GM_SETCOLCOUNT = WM_USER + 100,  // wParam: columns (at least one is kept)
    GM_GETCOLCOUNT,
    GM_SETCURRENT,      // wParam: column; scrolls nothing, notifies nothing
    GM_GETCURRENT,
    GM_SETFIRSTCOL,     // wParam: first visible column
    GM_GETFIRSTCOL,
    GM_GETVISIBLECOLS,  // the number of fully visible columns
    GM_SETSCROLLBAR,    // wParam: TRUE shows the horizontal scroll bar
    GM_HASSCROLLBAR,
    GM_SETDPI,          // wParam: the scale its cells are drawn at
};

enum IconGridNotification {
    GN_DRAWCELL = 1,    // lParam: GridDrawCell; the owner draws the cell's content
    GN_SELECTCELL = 2,  // lParam: GridSelectCell; the user moved the current cell
};

struct GridDrawCell {
    NMHDR hdr;
    int column;
    HDC dc;
    RECT cell;
};

struct GridSelectCell {
    NMHDR hdr;
    int column;
};

const int GridCellSize = 36;  // at 96 DPI
const int GridLineWidth = 1;

#endif
