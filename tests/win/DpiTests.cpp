// The bar at the display's scale and moved onto a monitor of the next: cells, icon frames, faces, snapping, place.
#include "Fixture.h"

using namespace qv;

// Cells of the icon's side and 6 pixels, the frame of that side amid each, raised edges 2 pixels wide, a line
// between; the client size is checked at the display's scale only (this Wine keeps the caption at that scale).
static void CheckBar(HWND bar, const DisplayScale& s)
{
    CAPTURE(s.dpi);
    const int cell = s.icon + s.px(6), edge = s.px(2), in = (cell - s.icon) / 2, out = in + s.icon;
    REQUIRE((BarState.CellWidth == cell && BarState.CellHeight == cell));
    RECT client;
    GetClientRect(bar, &client);
    CHECK((&s != &CurrentScale() || (client.right == 3 * cell + 2 && client.bottom == cell)));
    const Capture shot = Capture::Printed(bar);
    const COLORREF light = GetSysColor(COLOR_BTNHIGHLIGHT), dark = GetSysColor(COLOR_BTNSHADOW),
                   face = GetSysColor(COLOR_BTNFACE);
    const struct { int x, y; COLORREF colour; } pixels[] = {
        {in, in, s.frame}, {out - 1, out - 1, s.frame}, {in - 1, cell / 2, face}, {out, cell / 2, face},
        {edge - 1, cell / 2, light}, {edge, 1, light}, {cell - edge, cell / 2, dark}, {cell / 2, cell - edge, dark},
        {cell, cell / 2, RGB(0, 0, 0)}, {cell + 1 + cell / 2, cell / 2, s.frame},
    };
    for (const auto& p : pixels)
        CHECK_MESSAGE(shot.at(p.x, p.y) == p.colour, p.x, ",", p.y);
}

TEST_SUITE("dpi")
{
    TEST_CASE_FIXTURE(BarFixture, "cells, icon frames, faces and snapping at the display's scale, then at the next")
    {
        std::string three;
        for (int n = 1; n <= 3; ++n)
            three += Button(n) + Key("FileName", RecorderPath()) + Key("IconFile", SizesIcon());
        REQUIRE(start(Section("Window") + Key("Left", "300") + Key("Top", "300") + three));
        CheckBar(bar(), CurrentScale());
        // A bar dropped within the snap distance of a corner snaps, one pixel further it stays.
        RECT work;
        SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
        const int within = CurrentScale().px(SnapDistance) - 1;
        for (int x : {within + 1, within}) {
            SetWindowPos(bar(), nullptr, work.left + x, work.top + x, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
            CHECK(TopLeft(bar()).first == (x > within ? work.left + x : work.left));
        }
        // Dragged onto a monitor of the next scale: rebuilt at its size, at the suggested place; docked, in its corner.
        SendDpiChange(bar(), NextScale(), {200, 150, 500, 260});
        CheckBar(bar(), NextScale());
        CHECK(TopLeft(bar()) == std::make_pair(200L, 150L));
        REQUIRE(start(Section("Window") + Key("Position", "Fixed") + Key("Horizontal", "Left") +
                      Key("Vertical", "Top") + three));
        SendDpiChange(bar(), NextScale(), {200, 150, 500, 260});
        CheckBar(bar(), NextScale());
        CHECK(TopLeft(bar()) == std::make_pair(work.left, work.top));
    }
}
