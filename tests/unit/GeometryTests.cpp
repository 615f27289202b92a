// Bar geometry: cells and separators, the corners of the work area, snapping
// a dragged bar into a corner and re-fitting after the buttons changed.
#include <doctest.h>

#include "core/Geometry.h"

namespace {

BarRect Rect(int left, int top, int right, int bottom)
{
    BarRect r;
    r.left = left;
    r.top = top;
    r.right = right;
    r.bottom = bottom;
    return r;
}

// Window rectangle of a bar of outer size (w, h) at (x, y).
BarRect BarAt(int x, int y, int w, int h)
{
    return Rect(x, y, x + w, y + h);
}

// A full screen, and one with the taskbar at the left (60 px) and at the top
// (40 px), so that no corner lies at 0.
const BarRect Screen = Rect(0, 0, 1024, 768);
const BarRect Shifted = Rect(60, 40, 1280, 1024);

const int W = 200;  // outer size of the bar
const int H = 50;

const BarPoint Untouched = {-12345, -54321};

}  // namespace

TEST_SUITE("Geometry") {

TEST_CASE("cells, separators and client width")
{
    SUBCASE("client width of n buttons")
    {
        CHECK(BarClientWidth(0, 38) == -1);
        CHECK(BarClientWidth(1, 38) == 38);
        CHECK(BarClientWidth(2, 38) == 77);
        CHECK(BarClientWidth(24, 38) == 935);
        CHECK(BarClientWidth(3, 22) == 68);
    }
    SUBCASE("cells sit side by side with one separator column between")
    {
        const int cw = 38;
        CHECK(CellLeft(0, cw) == 0);
        CHECK(CellLeft(1, cw) == 39);
        for (int i = 1; i < 24; ++i) {
            CAPTURE(i);
            // the separator is the column right after cell i - 1 ...
            CHECK(SeparatorX(i, cw) == CellLeft(i - 1, cw) + cw);
            // ... and right before cell i
            CHECK(SeparatorX(i, cw) + 1 == CellLeft(i, cw));
        }
        for (int n = 1; n <= 24; ++n) {
            CAPTURE(n);
            // the last cell ends at the client width
            CHECK(CellLeft(n - 1, cw) + cw == BarClientWidth(n, cw));
        }
    }
}

TEST_CASE("DockedPosition names the four corners of the work area")
{
    SUBCASE("a work area at the origin")
    {
        BarPoint p = DockedPosition(Screen, W, H, Docked | DockLeft | DockTop);
        CHECK(p.x == 0);
        CHECK(p.y == 0);
        p = DockedPosition(Screen, W, H, Docked | DockTop);
        CHECK(p.x == 1024 - W);
        CHECK(p.y == 0);
        p = DockedPosition(Screen, W, H, Docked | DockLeft);
        CHECK(p.x == 0);
        CHECK(p.y == 768 - H);
        p = DockedPosition(Screen, W, H, Docked);
        CHECK(p.x == 1024 - W);
        CHECK(p.y == 768 - H);
    }
    SUBCASE("taskbar at the left and top of the screen")
    {
        BarPoint p = DockedPosition(Shifted, W, H, Docked | DockLeft | DockTop);
        CHECK(p.x == 60);
        CHECK(p.y == 40);
        p = DockedPosition(Shifted, W, H, Docked | DockTop);
        CHECK(p.x == 1280 - W);
        CHECK(p.y == 40);
        p = DockedPosition(Shifted, W, H, Docked | DockLeft);
        CHECK(p.x == 60);
        CHECK(p.y == 1024 - H);
        p = DockedPosition(Shifted, W, H, Docked);
        CHECK(p.x == 1280 - W);
        CHECK(p.y == 1024 - H);
    }
}

TEST_CASE("SnapTarget snaps only into a corner")
{
    BarPoint t = Untouched;

    SUBCASE("near the top-left corner")
    {
        REQUIRE(SnapTarget(BarAt(5, 7, W, H), Screen, W, H, &t));
        CHECK(t.x == 0);
        CHECK(t.y == 0);
    }
    SUBCASE("near the top-left corner of a shifted work area")
    {
        REQUIRE(SnapTarget(BarAt(60 + 5, 40 + 7, W, H), Shifted, W, H, &t));
        CHECK(t.x == 60);
        CHECK(t.y == 40);
    }
    SUBCASE("near one edge alone the bar stays")
    {
        CHECK_FALSE(SnapTarget(BarAt(5, 300, W, H), Screen, W, H, &t));       // left
        CHECK_FALSE(SnapTarget(BarAt(1024 - W - 3, 300, W, H), Screen, W, H, &t));  // right
        CHECK_FALSE(SnapTarget(BarAt(400, 4, W, H), Screen, W, H, &t));       // top
        CHECK_FALSE(SnapTarget(BarAt(400, 768 - H + 2, W, H), Screen, W, H, &t));   // bottom
        CHECK_FALSE(SnapTarget(BarAt(400, 300, W, H), Screen, W, H, &t));     // nowhere near
        CHECK_FALSE(SnapTarget(BarAt(60 + 5, 500, W, H), Shifted, W, H, &t));
    }
    SUBCASE("flush with one edge but off the other edge's corner")
    {
        REQUIRE(SnapTarget(BarAt(0, 3, W, H), Screen, W, H, &t));
        CHECK(t.x == 0);
        CHECK(t.y == 0);
        REQUIRE(SnapTarget(BarAt(4, 0, W, H), Screen, W, H, &t));
        CHECK(t.x == 0);
        CHECK(t.y == 0);
        REQUIRE(SnapTarget(BarAt(1024 - W, 768 - H - 6, W, H), Screen, W, H, &t));
        CHECK(t.x == 1024 - W);
        CHECK(t.y == 768 - H);
        CHECK_FALSE(SnapTarget(BarAt(0, 300, W, H), Screen, W, H, &t));
    }
    SUBCASE("near the other three corners")
    {
        const int rx = 1280 - W, by = 1024 - H;
        REQUIRE(SnapTarget(BarAt(rx - 5, by - 3, W, H), Shifted, W, H, &t));
        CHECK(t.x == rx);
        CHECK(t.y == by);
        REQUIRE(SnapTarget(BarAt(rx + 4, 40 + 2, W, H), Shifted, W, H, &t));
        CHECK(t.x == rx);
        CHECK(t.y == 40);
        REQUIRE(SnapTarget(BarAt(60 + 9, by + 1, W, H), Shifted, W, H, &t));
        CHECK(t.x == 60);
        CHECK(t.y == by);
    }
    SUBCASE("beyond the edges")
    {
        REQUIRE(SnapTarget(BarAt(-30, -20, W, H), Screen, W, H, &t));
        CHECK(t.x == 0);
        CHECK(t.y == 0);
        REQUIRE(SnapTarget(BarAt(1024 - W + 50, 768 - H + 50, W, H), Screen, W, H, &t));
        CHECK(t.x == 1024 - W);
        CHECK(t.y == 768 - H);
        REQUIRE(SnapTarget(BarAt(-15, 768 - H + 25, W, H), Screen, W, H, &t));
        CHECK(t.x == 0);
        CHECK(t.y == 768 - H);
        // left of a work area that starts at x = 60 (on the taskbar)
        REQUIRE(SnapTarget(BarAt(5, 10, W, H), Shifted, W, H, &t));
        CHECK(t.x == 60);
        CHECK(t.y == 40);
    }
    SUBCASE("a bar already in a corner does not move")
    {
        CHECK_FALSE(SnapTarget(BarAt(0, 0, W, H), Screen, W, H, &t));
        CHECK_FALSE(SnapTarget(BarAt(1024 - W, 0, W, H), Screen, W, H, &t));
        CHECK_FALSE(SnapTarget(BarAt(0, 768 - H, W, H), Screen, W, H, &t));
        CHECK_FALSE(SnapTarget(BarAt(1024 - W, 768 - H, W, H), Screen, W, H, &t));
        CHECK_FALSE(SnapTarget(BarAt(60, 40, W, H), Shifted, W, H, &t));
        CHECK_FALSE(SnapTarget(BarAt(1280 - W, 1024 - H, W, H), Shifted, W, H, &t));
        CHECK_FALSE(SnapTarget(BarAt(60, 1024 - H, W, H), Shifted, W, H, &t));
        CHECK_FALSE(SnapTarget(BarAt(1280 - W, 40, W, H), Shifted, W, H, &t));
    }
    SUBCASE("the left edge is tested first and wins")
    {
        // work area only a little wider than the bar: RX = 15, so x = 8 is
        // within 10 of both the left (0) and the right (15) position
        const BarRect narrow = Rect(0, 0, W + 15, 768);
        REQUIRE(SnapTarget(BarAt(8, 3, W, H), narrow, W, H, &t));
        CHECK(t.x == 0);
        CHECK(t.y == 0);
    }
    SUBCASE("the top edge is tested first and wins")
    {
        const BarRect low = Rect(0, 0, 1024, H + 5);  // BY = 5
        REQUIRE(SnapTarget(BarAt(3, 3, W, H), low, W, H, &t));
        CHECK(t.x == 0);
        CHECK(t.y == 0);
    }
    SUBCASE("the 10-pixel boundary at the left and top")
    {
        REQUIRE(SnapTarget(BarAt(60 + 9, 40 + 3, W, H), Shifted, W, H, &t));
        CHECK(t.x == 60);
        CHECK_FALSE(SnapTarget(BarAt(60 + 10, 40 + 3, W, H), Shifted, W, H, &t));
        REQUIRE(SnapTarget(BarAt(60 + 3, 40 + 9, W, H), Shifted, W, H, &t));
        CHECK(t.y == 40);
        CHECK_FALSE(SnapTarget(BarAt(60 + 3, 40 + 10, W, H), Shifted, W, H, &t));
    }
    SUBCASE("the 10-pixel boundary at the right and bottom")
    {
        const int rx = 1280 - W, by = 1024 - H;
        REQUIRE(SnapTarget(BarAt(rx - 9, by - 3, W, H), Shifted, W, H, &t));
        CHECK(t.x == rx);
        CHECK_FALSE(SnapTarget(BarAt(rx - 10, by - 3, W, H), Shifted, W, H, &t));
        REQUIRE(SnapTarget(BarAt(rx - 3, by - 9, W, H), Shifted, W, H, &t));
        CHECK(t.y == by);
        CHECK_FALSE(SnapTarget(BarAt(rx - 3, by - 10, W, H), Shifted, W, H, &t));
    }
    SUBCASE("the corner follows the bar's size")
    {
        const int w = 77, h = 31;
        REQUIRE(SnapTarget(BarAt(1024 - w - 2, 768 - h - 2, w, h), Screen, w, h, &t));
        CHECK(t.x == 1024 - w);
        CHECK(t.y == 768 - h);
    }
}

TEST_CASE("FitTarget after the number of buttons changed")
{
    BarPoint t = Untouched;

    SUBCASE("a floating bar that fits stays where it is")
    {
        REQUIRE(FitTarget(100, 120, Screen, W, H, 0, &t));
        CHECK(t.x == 100);
        CHECK(t.y == 120);
        REQUIRE(FitTarget(1024 - W, 0, Screen, W, H, 0, &t));  // right edge flush
        CHECK(t.x == 1024 - W);
        CHECK(t.y == 0);
    }
    SUBCASE("a floating bar is not pulled back from the left or bottom")
    {
        REQUIRE(FitTarget(-30, 768 - 10, Screen, W, H, 0, &t));
        CHECK(t.x == -30);
        CHECK(t.y == 768 - 10);
        REQUIRE(FitTarget(10, 900, Shifted, W, H, 0, &t));
        CHECK(t.x == 10);
        CHECK(t.y == 900);
    }
    SUBCASE("a floating bar passing the right edge is shifted left to meet it")
    {
        REQUIRE(FitTarget(900, 120, Screen, W, H, 0, &t));
        CHECK(t.x == 1024 - W);
        CHECK(t.y == 120);
        REQUIRE(FitTarget(1024 - W + 1, 5, Screen, W, H, 0, &t));
        CHECK(t.x == 1024 - W);
        CHECK(t.y == 5);
        REQUIRE(FitTarget(1250, 300, Shifted, W, H, 0, &t));
        CHECK(t.x == 1280 - W);
        CHECK(t.y == 300);
    }
    SUBCASE("a bar as wide as the work area goes to its left edge")
    {
        REQUIRE(FitTarget(500, 100, Shifted, 1280 - 60, H, 0, &t));
        CHECK(t.x == 60);
        CHECK(t.y == 100);
    }
    SUBCASE("a floating bar wider than the work area does not fit")
    {
        CHECK_FALSE(FitTarget(500, 100, Shifted, 1280 - 60 + 1, H, 0, &t));
        CHECK_FALSE(FitTarget(0, 0, Screen, 2000, H, 0, &t));
    }
    SUBCASE("a docked bar goes to its corner wherever it was dragged")
    {
        REQUIRE(FitTarget(400, 300, Shifted, W, H, Docked | DockLeft | DockTop, &t));
        CHECK(t.x == 60);
        CHECK(t.y == 40);
        REQUIRE(FitTarget(400, 300, Shifted, W, H, Docked | DockTop, &t));
        CHECK(t.x == 1280 - W);
        CHECK(t.y == 40);
        REQUIRE(FitTarget(400, 300, Shifted, W, H, Docked | DockLeft, &t));
        CHECK(t.x == 60);
        CHECK(t.y == 1024 - H);
        REQUIRE(FitTarget(400, 300, Shifted, W, H, Docked, &t));
        CHECK(t.x == 1280 - W);
        CHECK(t.y == 1024 - H);
        // the corner of the new size, after a button was added
        REQUIRE(FitTarget(1280 - W, 1024 - H, Shifted, W + 39, H, Docked, &t));
        CHECK(t.x == 1280 - W - 39);
        CHECK(t.y == 1024 - H);
    }
    SUBCASE("a docked bar agrees with DockedPosition")
    {
        const unsigned flags[] = {Docked, Docked | DockLeft, Docked | DockTop,
                                  Docked | DockLeft | DockTop};
        for (unsigned f : flags) {
            CAPTURE(f);
            BarPoint corner = DockedPosition(Screen, W, H, f);
            REQUIRE(FitTarget(333, 444, Screen, W, H, f, &t));
            CHECK(t.x == corner.x);
            CHECK(t.y == corner.y);
        }
    }
    SUBCASE("a docked bar wider than the work area does not fit, in any corner")
    {
        CHECK_FALSE(FitTarget(60, 40, Shifted, 1280 - 60 + 1, H, Docked | DockLeft | DockTop, &t));
        CHECK_FALSE(FitTarget(60, 40, Shifted, 1280 - 60 + 1, H, Docked | DockLeft, &t));
        // docked right, its right edge already meets the work area's
        CHECK_FALSE(FitTarget(60, 40, Shifted, 1280 - 60 + 1, H, Docked, &t));
        CHECK_FALSE(FitTarget(60, 40, Shifted, 1280 - 60 + 1, H, Docked | DockTop, &t));
    }
    SUBCASE("a floating bar left of the work area and wider than it does not fit either")
    {
        CHECK_FALSE(FitTarget(-60, 0, Screen, 1100, H, 0, &t));
        // narrower than the work area it stays where it is
        REQUIRE(FitTarget(-60, 0, Screen, 900, H, 0, &t));
        CHECK(t.x == -60);
    }
}

}  // TEST_SUITE
