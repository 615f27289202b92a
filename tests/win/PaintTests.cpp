// What the bar looks like on the screen: the raised and pressed faces of
// the buttons, their icons and the black lines between them.
#include "Fixture.h"

using namespace qv;

namespace {

const COLORREF IconFill = RGB(255, 0, 0);
const COLORREF IconFrame = RGB(0, 0, 255);

// Capture::at gives colour references.
unsigned Rgb(COLORREF c)
{
    return (unsigned)c & 0xFFFFFFu;
}

std::string IconButtons(const std::string& icon, int count)
{
    std::string text;
    for (int i = 1; i <= count; ++i)
        text += Section("Button" + std::to_string(i)) + Key("FileName", RecorderPath()) + Key("IconFile", icon);
    return text;
}

// The bar's client area as it is on the screen.
Capture ClientCapture(HWND bar)
{
    RedrawWindow(bar, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    Pump(200);
    POINT origin = {0, 0};
    ClientToScreen(bar, &origin);
    RECT r;
    GetClientRect(bar, &r);
    return Capture(origin.x, origin.y, r.right, r.bottom);
}

// Where a button's cell starts in the bar's client area.
POINT CellOrigin(HWND bar, HWND button)
{
    RECT cell;
    GetWindowRect(button, &cell);
    POINT at = {cell.left, cell.top};
    ScreenToClient(bar, &at);
    return at;
}

}  // namespace

TEST_SUITE("paint")
{
    TEST_CASE_FIXTURE(BarFixture, "buttons show raised and pressed faces with their icons")
    {
        std::string icon = dir.file("red.ico");
        WriteIconFile(icon, IconFill, IconFrame);
        REQUIRE(start(IconButtons(icon, 3)));
        SetWindowPos(bar(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        const int w = BarState.CellWidth, h = BarState.CellHeight;
        const unsigned highlight = Rgb(GetSysColor(COLOR_BTNHIGHLIGHT));
        const unsigned shadow = Rgb(GetSysColor(COLOR_BTNSHADOW));

        Capture shot = ClientCapture(bar());
        shot.saveBmp("bar-screenshot.bmp");  // for people to look at
        POINT at = CellOrigin(bar(), slot(0)->ButtonWindow);
        // Raised: light top and left edges two pixels wide, dark bottom and right.
        CHECK(shot.at(at.x + 0, at.y + 5) == highlight);
        CHECK(shot.at(at.x + 1, at.y + 5) == highlight);
        CHECK(shot.at(at.x + 5, at.y + 1) == highlight);
        CHECK(shot.at(at.x + w - 1, at.y + 5) == shadow);
        CHECK(shot.at(at.x + 5, at.y + h - 1) == shadow);
        // The icon's frame starts at 3,3.
        CHECK(shot.at(at.x + 3, at.y + 3) == Rgb(IconFrame));
        CHECK(shot.at(at.x + 4, at.y + 4) == Rgb(IconFill));

        // The lines between buttons are black at the computed places.
        for (int i = 1; i < 3; ++i) {
            CAPTURE(i);
            CHECK(shot.at(SeparatorX(i, w), h / 2) == 0u);
        }

        // Pressed: dark top and left edge, the icon one pixel further in.
        SendMessageA(slot(1)->ButtonWindow, BM_SETSTATE, TRUE, 0);
        Pump(100);
        at = CellOrigin(bar(), slot(1)->ButtonWindow);
        Capture pressed = ClientCapture(bar());
        CHECK(pressed.at(at.x + 0, at.y + 5) == shadow);
        CHECK(pressed.at(at.x + 5, at.y + 0) == shadow);
        CHECK(pressed.at(at.x + 4, at.y + 4) == Rgb(IconFrame));
        CHECK(pressed.at(at.x + 3, at.y + 3) != Rgb(IconFrame));
        SendMessageA(slot(1)->ButtonWindow, BM_SETSTATE, FALSE, 0);
    }

    TEST_CASE_FIXTURE(BarFixture, "a changed system colour repaints the faces")
    {
        std::string icon = dir.file("red.ico");
        WriteIconFile(icon, IconFill, IconFrame);
        REQUIRE(start(IconButtons(icon, 2)));
        SetWindowPos(bar(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        int element = COLOR_BTNHIGHLIGHT;
        COLORREF saved = GetSysColor(element);
        COLORREF changed = RGB(0, 200, 100);
        SetSysColors(1, &element, &changed);
        SendMessageA(bar(), WM_SYSCOLORCHANGE, 0, 0);
        Capture shot = ClientCapture(bar());
        POINT at = CellOrigin(bar(), slot(0)->ButtonWindow);
        CHECK(shot.at(at.x, at.y + 5) == Rgb(changed));
        SetSysColors(1, &element, &saved);
        SendMessageA(bar(), WM_SYSCOLORCHANGE, 0, 0);
    }
}
