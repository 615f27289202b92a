// Geometry of the bar: its width, its corners, snapping a dragged bar and
// re-fitting it after the number of buttons changed, on a work area that
// does not start at the screen's origin.
#include <doctest.h>

#include "core/Geometry.h"

TEST_SUITE("Geometry") {

const BarRect Work = {100, 50, 1100, 750};
const int W = 200, H = 60;

TEST_CASE("BarClientWidth: cells with a one-pixel line between neighbours")
{
    CHECK(BarClientWidth(0, 38) == -1);
    CHECK(BarClientWidth(1, 38) == 38);
    CHECK(BarClientWidth(24, 38) == 935);
}

TEST_CASE("DockedPosition names the four corners")
{
    struct Row { unsigned flags; int x, y; } rows[] = {
        {Docked | DockLeft | DockTop, 100, 50}, {Docked | DockTop, 900, 50}, {Docked | DockLeft, 100, 690}, {Docked, 900, 690},
    };
    for (const Row& r : rows) {
        BarPoint p = DockedPosition(Work, W, H, r.flags);
        CHECK(p.x == r.x);
        CHECK(p.y == r.y);
    }
}

TEST_CASE("SnapTarget snaps only into a corner, within ten pixels or beyond")
{
    struct Row { int left, top; bool snaps; int x, y; } rows[] = {
        {105, 57, true, 100, 50}, {109, 59, true, 100, 50}, {110, 55, false, 0, 0}, {60, 20, true, 100, 50},
        {930, 681, true, 900, 690}, {109, 300, false, 0, 0}, {400, 55, false, 0, 0}, {100, 50, false, 0, 0},
        {900, 50, false, 0, 0},
    };
    for (const Row& r : rows) {
        CAPTURE(r.left);
        CAPTURE(r.top);
        BarPoint p = {0, 0};
        CHECK(SnapTarget({r.left, r.top, r.left + W, r.top + H}, Work, W, H, &p) == r.snaps);
        CHECK(p.x == r.x);
        CHECK(p.y == r.y);
    }
}

TEST_CASE("FitTarget keeps a docked bar in its corner and any bar off the right edge")
{
    struct Row { int x, y, width; unsigned flags; bool fits; int toX, toY; } rows[] = {
        {300, 200, W, 0, true, 300, 200}, {950, 200, W, 0, true, 900, 200},
        {300, 200, W, Docked | DockTop, true, 900, 50}, {300, 200, W, Docked | DockLeft, true, 100, 690},
        {100, 200, 1001, 0, false, 0, 0}, {100, 200, 1000, 0, true, 100, 200},
    };
    for (const Row& r : rows) {
        CAPTURE(r.x);
        BarPoint p = {0, 0};
        CHECK(FitTarget(r.x, r.y, Work, r.width, H, r.flags, &p) == r.fits);
        CHECK(p.x == r.toX);
        CHECK(p.y == r.toY);
    }
}

}
