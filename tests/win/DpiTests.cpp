// The bar at the display's scale and moved onto a monitor of the next: cells, icon frames, faces, snapping, place.
#include "Fixture.h"

using namespace qv;

// What the bar shows at the scale: cells of the icon's side and 6 pixels, the frame of that side in the middle
// of each, raised edges two pixels wide; nothing cut. The client area is checked at the display's scale only.
static void CheckBar(HWND bar, const DisplayScale& s)
{
    CAPTURE(s.dpi);
    const int cell = s.icon + s.px(6), edge = s.px(2), inset = (cell - s.icon) / 2;
    REQUIRE(BarState.CellWidth == cell);
    REQUIRE(BarState.CellHeight == cell);
    RECT client;
    GetClientRect(bar, &client);
    if (&s == &CurrentScale())  // this Wine keeps the caption at the display's scale
        CHECK((client.right == 3 * cell + 2 && client.bottom == cell));
    const Capture shot = Capture::Printed(bar);
    const COLORREF light = GetSysColor(COLOR_BTNHIGHLIGHT), dark = GetSysColor(COLOR_BTNSHADOW),
                   face = GetSysColor(COLOR_BTNFACE);
    const struct { int x, y; COLORREF colour; } pixels[] = {
        {inset, inset, s.frame}, {cell / 2, cell / 2, s.frame}, {inset + s.icon - 1, inset + s.icon - 1, s.frame},
        {inset - 1, cell / 2, face}, {inset + s.icon, cell / 2, face},
        {edge - 1, cell / 2, light}, {edge, 1, light}, {cell - edge, cell / 2, dark}, {cell / 2, cell - edge, dark},
        {cell, cell / 2, RGB(0, 0, 0)}, {cell + 1 + cell / 2, cell / 2, s.frame},
    };
    for (const auto& p : pixels) {
        CAPTURE(p.x);
        CAPTURE(p.y);
        CHECK(shot.at(p.x, p.y) == p.colour);
    }
}

TEST_SUITE("dpi")
{
    TEST_CASE_FIXTURE(BarFixture, "cells, icon frames, faces and snapping at the display's scale, then at the next")
    {
        const DisplayScale& now = CurrentScale();
        std::string three;
        for (int n = 1; n <= 3; ++n)
            three += Button(n) + Key("FileName", RecorderPath()) + Key("IconFile", SizesIcon());
        REQUIRE(start(Section("Window") + Key("Left", "300") + Key("Top", "300") + three));
        CheckBar(bar(), now);
        // A bar dropped within the snap distance of a corner snaps, one pixel further it stays.
        RECT work;
        SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
        const int within = now.px(SnapDistance) - 1;
        SetWindowPos(bar(), nullptr, work.left + within + 1, work.top + within + 1, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        CHECK(TopLeft(bar()) == std::make_pair(work.left + within + 1, work.top + within + 1));
        SetWindowPos(bar(), nullptr, work.left + within, work.top + within, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        CHECK(TopLeft(bar()) == std::make_pair(work.left, work.top));

        // Dragged onto a monitor of the next scale: rebuilt at its size, at the suggested place.
        SendDpiChange(bar(), NextScale(), {200, 150, 500, 260});
        CheckBar(bar(), NextScale());
        CHECK(TopLeft(bar()) == std::make_pair(200L, 150L));

        // A docked bar then keeps its corner.
        REQUIRE(start(Section("Window") + Key("Position", "Fixed") + Key("Horizontal", "Left") +
                      Key("Vertical", "Top") + three));
        SendDpiChange(bar(), NextScale(), {200, 150, 500, 260});
        CheckBar(bar(), NextScale());
        CHECK(TopLeft(bar()) == std::make_pair(work.left, work.top));
    }
}
