// The bar's geometry on a work area that does not start at the screen's origin.
#include <doctest.h>

#include <string>

#include "core/Geometry.h"

TEST_SUITE("Geometry") {

const BarRect Work = {100, 50, 1100, 750};
const int W = 200, H = 60;

TEST_CASE("BarClientWidth: cells with a one-pixel line between neighbours")
{
    CHECK(BarClientWidth(0, 38) == -1);
    CHECK(BarClientWidth(24, 38) == 935);
}

TEST_CASE("ScaleForDpi: 96-DPI pixels at a scale, rounded as MulDiv rounds")
{
    struct Row { int pixels, dpi, scaled; } rows[] = {
        {6, 96, 6}, {6, 120, 8}, {3, 144, 5}, {1, 144, 2}, {10, 144, 15}, {36, 192, 72}, {-11, 144, -17},
        {13, 120, 16}};
    for (const Row& r : rows)
        CHECK_MESSAGE(ScaleForDpi(r.pixels, r.dpi) == r.scaled, r.pixels, " at ", r.dpi);
}

TEST_CASE("SnapTarget snaps only into a corner, within ten pixels or beyond")
{
    struct Row { int left, top; bool snaps; int x, y; int distance; } rows[] = {
        {109, 59, true, 100, 50, 10}, {60, 20, true, 100, 50, 10}, {930, 681, true, 900, 690, 10},
        {110, 55, false, 0, 0, 10}, {109, 300, false, 0, 0, 10}, {100, 50, false, 0, 0, 10}, {900, 50, false, 0, 0, 10},
        {114, 64, true, 100, 50, 15}, {115, 55, false, 0, 0, 15},  // at 144 DPI the distance is 15
    };
    for (const Row& r : rows) {
        CAPTURE(r.left);
        CAPTURE(r.top);
        BarPoint p = {0, 0};
        CHECK(SnapTarget({r.left, r.top, r.left + W, r.top + H}, Work, W, H, r.distance, &p) == r.snaps);
        CHECK((p.x == r.x && p.y == r.y));
    }
}

TEST_CASE("FitTarget keeps a docked bar in its corner and any bar off the right edge")
{
    struct Row { int x, width; unsigned flags; bool fits; int toX, toY; } rows[] = {
        {300, W, 0, true, 300, 200}, {950, W, 0, true, 900, 200}, {100, 1001, 0, false, 0, 0},
        {300, W, Docked | DockLeft | DockTop, true, 100, 50}, {300, W, Docked | DockTop, true, 900, 50},
        {300, W, Docked | DockLeft, true, 100, 690}, {300, W, Docked, true, 900, 690},
    };
    for (const Row& r : rows) {
        CAPTURE(r.x);
        CAPTURE(r.flags);
        BarPoint p = {0, 0};
        CHECK(FitTarget(r.x, 200, Work, r.width, H, r.flags, &p) == r.fits);
        CHECK((p.x == r.toX && p.y == r.toY));
    }
}

TEST_CASE("PullInto brings a bar wholly into the work area by the shortest way, a wide one by its left end")
{
    struct Row { int left, top, width, x, y; } rows[] = {
        {300, 200, W, 300, 200}, {900, 690, W, 900, 690}, {901, 691, W, 900, 690}, {5000, 300, W, 900, 300},
        {-3000, -20, W, 100, 50}, {-150, 5000, W, 100, 690}, {-40, 300, 1001, 100, 300}, {600, 300, 1001, 100, 300},
    };
    for (const Row& r : rows) {
        BarPoint p = PullInto({r.left, r.top, r.left + r.width, r.top + H}, Work);
        CHECK_MESSAGE((p.x == r.x && p.y == r.y), r.left, ",", r.top);
    }
}

TEST_CASE("The saved monitor reads back as written, and only when it fits; any other text is no monitor")
{
    char text[48], cut[14] = "x";
    CHECK((!FormatMonitorRect(cut, sizeof cut, {-1280, 0, 0, 1024}) && cut[0] == '\0'));
    for (const char* bad : {"1,2,3", "1,2,3,4,", "1, 2,3,4", "3,2,1,4", "1,4,3,4", "", "-,2,3,4", "1,2,1000000,4"}) {
        BarRect m = {7, 7, 7, 7};
        CHECK_MESSAGE((!ParseMonitorRect(bad, &m) && m.left == 7), bad);
    }
    BarRect m;
    CHECK((ParseMonitorRect("-1280,-24,0,1000", &m) && FormatMonitorRect(text, sizeof text, m) &&
           std::string(text) == "-1280,-24,0,1000"));
}

TEST_CASE("Hidden, a bar keeps a strip of a pixel up to its height, and a slide ends on time")
{
    struct Hide { unsigned flags; int strip, x, y; } hides[] = {
        {Docked | DockLeft | DockTop, 2, 100, -8}, {Docked, 2, 900, 748}, {Docked | DockTop, 3, 900, -7},
        {Docked | DockLeft, 0, 100, 749}, {Docked, 100, 900, 690}};
    for (const Hide& r : hides) {
        const BarPoint p = HiddenPosition(Work, W, H, r.flags, r.strip);
        CHECK_MESSAGE((p.x == r.x && p.y == r.y), r.flags, " strip ", r.strip);
    }
    struct Slide { int from, to; unsigned elapsed, duration; int y; } slides[] = {
        {690, 748, 0, 150, 690}, {748, 690, 75, 150, 719}, {690, 748, 1000, 150, 748}, {690, 748, 0, 0, 748},
        {0, 100000, 100000, 200000, 50000}};
    for (const Slide& r : slides)
        CHECK_MESSAGE(SlideY(r.from, r.to, r.elapsed, r.duration) == r.y, r.from, "->", r.to, " at ", r.elapsed);
}

}
