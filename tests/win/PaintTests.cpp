// What the bar looks like on the screen: faces, icons, the line between buttons, no focus rectangle.
#include "Fixture.h"

using namespace qv;

TEST_SUITE("paint")
{
    TEST_CASE_FIXTURE(BarFixture, "faces, icons, lines and focus as the screen shows them, also after a delete")
    {
        const COLORREF first = LibraryColour(1), second = LibraryColour(2), white = RGB(255, 255, 255), black = 0;
        REQUIRE(start(Button(1) + Key("FileName", RecorderPath()) + Key("IconFile", IconOf(1)) +
                      Button(2) + Key("FileName", RecorderPath()) + Key("IconFile", IconOf(2))));
        SetWindowPos(bar(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        const int w = BarState.CellWidth, h = BarState.CellHeight;
        const COLORREF light = GetSysColor(COLOR_BTNHIGHLIGHT), dark = GetSysColor(COLOR_BTNSHADOW);
        RECT next = WindowRect(slot(1)->ButtonWindow);
        MapWindowPoints(nullptr, bar(), reinterpret_cast<POINT*>(&next), 2);
        const Capture raised = Capture::Printed(bar());  // the bar's own copy, which the screen must match
        SetFocus(slot(0)->ButtonWindow);
        REQUIRE(GetFocus() == slot(0)->ButtonWindow);
        SendMessageA(slot(1)->ButtonWindow, BM_SETSTATE, TRUE, 0);
        Capture pressed(bar());
        const Capture pressedCopy = Capture::Printed(bar());
        // Raised: light top and left edges two pixels wide, dark bottom and right, the icon at 3,3, a line after it.
        // Pressed: dark top and left edges, the icon one pixel further in.
        struct Pixel { const Capture& shot; int x, y; COLORREF colour; } pixels[] = {
            {raised, 0, 5, light}, {raised, 1, 5, light}, {raised, 5, 1, light}, {raised, w - 1, 5, dark},
            {raised, 5, h - 1, dark}, {raised, 3, 3, white}, {raised, 4, 4, first},
            {raised, next.left - 1, h / 2, black},
            {pressed, next.left, 5, dark}, {pressed, next.left + 5, 0, dark}, {pressed, next.left + 4, 4, white},
            {pressedCopy, next.left, 5, dark},
        };
        for (const Pixel& p : pixels) {
            CAPTURE(p.x);
            CHECK(p.shot.at(p.x, p.y) == p.colour);
        }
        for (int y = 0; y < h; ++y)  // the focused button looks as it did, and as the copy
            for (int x = 0; x < w; ++x)
                REQUIRE(pressed.at(x, y) == raised.at(x, y));

        // The first window shows the moved button; one button has no line after it.
        DeleteButton(0);
        CHECK(Capture(bar(), false).at(4, 4) == second);
        Capture one(bar());
        REQUIRE(one.w > w + 1);
        for (int x = w; x < one.w; ++x)
            REQUIRE(one.at(x, h / 2) != black);
    }
}
