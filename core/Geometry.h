// Geometry of the bar: one row of cells, the corners of the work area, the
// snapping of a dragged bar and the re-fitting after the number of buttons
// changed. Pure arithmetic; the window code feeds it rectangles.
#ifndef QUENVOLT_CORE_GEOMETRY_H
#define QUENVOLT_CORE_GEOMETRY_H

#include <stddef.h>

struct BarRect {
    int left, top, right, bottom;
};

struct BarPoint {
    int x, y;
};

// Placement flags of the bar, settled at start-up.
enum : unsigned short {
    Docked = 1,    // the bar keeps to a corner
    DockLeft = 2,  // left edge, else right
    DockTop = 4    // top edge, else bottom
};

// How close (in 96-DPI pixels) an edge of a dragged bar must come to the
// matching edge of the work area to snap.
const int SnapDistance = 10;

// The pixels of a 96-DPI design at dpi, rounded to the nearest (halves away
// from zero), as MulDiv rounds. The one place where anything is scaled.
int ScaleForDpi(int pixels, int dpi);

// Client width of a bar with count buttons: count cells with a one-pixel
// separator between neighbours (-1 for no buttons).
int BarClientWidth(int count, int cellWidth);

// x of the cell of slot s.
int CellLeft(int slot, int cellWidth);

// x of the separator column between slot i - 1 and slot i (i >= 1).
int SeparatorX(int i, int cellWidth);

// The window position of a bar of outer size (width, height) docked into the
// corner of the work area that flags name.
BarPoint DockedPosition(const BarRect& work, int width, int height, unsigned flags);

// Where a bar that was moved to window rectangle bar snaps within the work
// area, when it snaps. The bar snaps only into a corner, and only when both a
// horizontal and a vertical edge are within distance (SnapDistance scaled) of
// (or beyond) the matching work-area edges; a bar already sitting in a corner
// does not move.
bool SnapTarget(const BarRect& bar, const BarRect& work, int width, int height, int distance, BarPoint* target);

// Where a bar at window position (x, y) of the new outer size goes after the
// number of buttons changed: a docked bar into its corner, and any bar that
// would pass the right edge shifted left. False when the bar is wider than
// the work area (nothing is to be moved then).
bool FitTarget(int x, int y, const BarRect& work, int width, int height, unsigned flags, BarPoint* target);

// Where a bar of window rectangle bar goes so that it lies wholly inside the
// work area, moved in by the least distance: a bar larger than the work area
// keeps its left or top edge on the work area's, where its caption stays
// within reach.
BarPoint PullInto(const BarRect& bar, const BarRect& work);

// Where a docked bar of outer size (width, height) goes when it slides out of
// sight toward the screen edge above or below its corner, leaving strip
// pixels of it on the work area: at least one, so that the pointer can find
// it, and at most the whole bar.
BarPoint HiddenPosition(const BarRect& work, int width, int height, unsigned flags, int strip);

// True when a docked bar of window rectangle bar is in its corner of the work
// area or on its way between there and its hidden place; a docked bar dragged
// away is not, and does not hide.
bool AtCorner(const BarRect& bar, const BarRect& work, unsigned flags, int strip);

// The y of a bar sliding from y from to y to, elapsed milliseconds into a
// slide of duration milliseconds; a duration of 0 is a single move.
int SlideY(int from, int to, unsigned elapsed, unsigned duration);

// The rectangle of the monitor a bar was saved on, as the configuration file
// holds it: "left,top,right,bottom" in decimal. Formatting fails, leaving
// empty text, when out (size bytes) is too small.
bool FormatMonitorRect(char* out, size_t size, const BarRect& monitor);
// Reads such a text; false for anything else (a hand-edited value, a rectangle
// without area), which the bar then takes as no monitor saved.
bool ParseMonitorRect(const char* text, BarRect* monitor);

#endif
