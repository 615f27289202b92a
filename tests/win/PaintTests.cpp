// What the bar looks like on the screen: the raised and pressed faces of the
// buttons with their icons, the black lines between them, no focus
// rectangle, the faces after a delete and after a change of system colours.
#include "Fixture.h"

using namespace qv;

namespace {

const COLORREF Red = RGB(255, 0, 0), Green = RGB(0, 255, 0), Blue = RGB(0, 0, 255);

// The bar's client area as the screen shows it, repainted first unless told not to.
Capture ClientCapture(HWND bar, bool repaint = true)
{
    if (repaint)
        RedrawWindow(bar, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    Pump(100);
    POINT origin = {0, 0};
    ClientToScreen(bar, &origin);
    RECT r;
    GetClientRect(bar, &r);
    return Capture(origin.x, origin.y, r.right, r.bottom);
}

// Where a button's cell starts in the bar's client area.
POINT CellOrigin(HWND bar, HWND button)
{
    RECT cell = WindowRect(button);
    POINT at = {cell.left, cell.top};
    ScreenToClient(bar, &at);
    return at;
}

}  // namespace

TEST_SUITE("paint")
{
    TEST_CASE_FIXTURE(BarFixture, "faces, icons, lines, focus, a delete and a colour change as the screen shows them")
    {
        WriteIconFile(dir.file("red.ico"), Red, Blue);
        WriteIconFile(dir.file("green.ico"), Green, Blue);
        REQUIRE(start(Section("Button1") + Key("FileName", RecorderPath()) + Key("IconFile", dir.file("red.ico")) +
                      Section("Button2") + Key("FileName", RecorderPath()) + Key("IconFile", dir.file("green.ico"))));
        SetWindowPos(bar(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        const int w = BarState.CellWidth, h = BarState.CellHeight;
        const COLORREF highlight = GetSysColor(COLOR_BTNHIGHLIGHT), shadow = GetSysColor(COLOR_BTNSHADOW);
        Capture shot = ClientCapture(bar());
        POINT at = CellOrigin(bar(), slot(0)->ButtonWindow), next = CellOrigin(bar(), slot(1)->ButtonWindow);
        // Raised: light top and left edges two pixels wide, dark bottom and right; the icon at 3,3.
        struct Pixel { int x, y; COLORREF colour; } raised[] = {
            {0, 5, highlight}, {1, 5, highlight}, {5, 1, highlight}, {w - 1, 5, shadow}, {5, h - 1, shadow},
            {3, 3, Blue}, {4, 4, Red},
        };
        for (const Pixel& p : raised)
            CHECK(shot.at(at.x + p.x, at.y + p.y) == p.colour);
        CHECK(shot.at(next.x - 1, h / 2) == RGB(0, 0, 0));  // the line between the buttons

        // Pressed: dark top and left edge, the icon one pixel further in.
        SendMessageA(slot(1)->ButtonWindow, BM_SETSTATE, TRUE, 0);
        Capture pressed = ClientCapture(bar());
        CHECK(pressed.at(next.x, next.y + 5) == shadow);
        CHECK(pressed.at(next.x + 5, next.y) == shadow);
        CHECK(pressed.at(next.x + 4, next.y + 4) == Blue);
        SendMessageA(slot(1)->ButtonWindow, BM_SETSTATE, FALSE, 0);

        // A focused button looks as it did.
        SetFocus(slot(0)->ButtonWindow);
        REQUIRE(GetFocus() == slot(0)->ButtonWindow);
        Capture focused = ClientCapture(bar());
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                REQUIRE(focused.at(at.x + x, at.y + y) == shot.at(at.x + x, at.y + y));

        // After a delete the first window shows the moved button.
        DeleteButton(0);
        CHECK(ClientCapture(bar(), false).at(at.x + 4, at.y + 4) == Green);

        int element = COLOR_BTNHIGHLIGHT;
        const COLORREF changed = RGB(0, 200, 100);
        SetSysColors(1, &element, &changed);
        SendMessageA(bar(), WM_SYSCOLORCHANGE, 0, 0);
        Capture recoloured = ClientCapture(bar());
        SetSysColors(1, &element, &highlight);
        CHECK(recoloured.at(at.x, at.y + 5) == changed);

        // A bar of one button, narrower than a window can be, has no line after it.
        ResetLauncher();
        REQUIRE(start(Section("Button1") + Key("FileName", RecorderPath())));
        SetWindowPos(bar(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        Capture one = ClientCapture(bar());
        REQUIRE(one.width() > w + 1);
        for (int x = w; x < one.width(); ++x)
            REQUIRE(one.at(x, h / 2) != RGB(0, 0, 0));
    }
}
