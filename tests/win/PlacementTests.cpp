// The bar's size and place on a real desktop: sizes for 0, 1 and 24 buttons,
// the corners of the work area, snapping, re-fitting, always-on-top and the
// window settings it saves.
#include "Fixture.h"

using namespace qv;

namespace {

std::string Buttons(int count)
{
    std::string text;
    for (int i = 1; i <= count; ++i)
        text += Section("Button" + std::to_string(i)) + Key("FileName", Notepad);
    return text;
}

std::string DockedWindow(const char* horizontal, const char* vertical)
{
    std::string text = Section("Window") + Key("Position", "fixed");
    if (horizontal != nullptr)
        text += Key("Horizontal", horizontal);
    if (vertical != nullptr)
        text += Key("Vertical", vertical);
    return text;
}

void CheckOuterSize(HWND bar)
{
    int width, height;
    ComputeBarSize(&width, &height);
    RECT r = WindowRect(bar);
    CHECK(r.right - r.left == width);
    CHECK(r.bottom - r.top == height);
    RECT client;
    GetClientRect(bar, &client);
    if (width > GetSystemMetrics(SM_CXMIN))  // narrower bars take the minimum width
        CHECK(client.right == ButtonCount * (BarState.CellWidth + 1) - 1);
    CHECK(client.bottom == BarState.CellHeight);
}

}  // namespace

TEST_SUITE("placement")
{
    TEST_CASE_FIXTURE(BarFixture, "the outer size follows the number of buttons")
    {
        for (int count : {0, 1, 24}) {
            CAPTURE(count);
            ResetLauncher();
            REQUIRE(start(Buttons(count)));
            REQUIRE(ButtonCount == count);
            CHECK(BarState.CellWidth == GetSystemMetrics(SM_CXICON) + 6);
            CHECK(BarState.CellHeight == GetSystemMetrics(SM_CYICON) + 6);
            CheckOuterSize(bar());
            if (count == 0) {
                RECT r = WindowRect(bar());
                CHECK(r.right - r.left == GetSystemMetrics(SM_CXMIN));
            }
        }
    }

    TEST_CASE_FIXTURE(BarFixture, "docked bars sit in their corner of the work area")
    {
        struct Case {
            const char* horizontal;
            const char* vertical;
            bool left, top;
        } cases[] = {
            {"Left", "Top", true, true},   {"right", "TOP", false, true}, {"left", nullptr, true, false},
            {nullptr, nullptr, false, false}, {"middle", "Bottom", false, false},
        };
        RECT areas[] = {{0, 0, 0, 0}, {120, 60, 1000, 700}};
        for (const RECT& area : areas) {
            for (const Case& c : cases) {
                CAPTURE(area.left);
                CAPTURE(c.horizontal ? c.horizontal : "(none)");
                CAPTURE(c.vertical ? c.vertical : "(none)");
                ResetLauncher();
                bool custom = area.right != 0;
                RECT saved;
                SystemParametersInfoA(SPI_GETWORKAREA, 0, &saved, 0);
                if (custom) {
                    RECT r = area;
                    SystemParametersInfoA(SPI_SETWORKAREA, 0, &r, 0);
                }
                REQUIRE(start(DockedWindow(c.horizontal, c.vertical) + Buttons(2)));
                BarRect w = WorkArea();
                int width, height;
                ComputeBarSize(&width, &height);
                RECT r = WindowRect(bar());
                CHECK(r.left == (c.left ? w.left : w.right - width));
                CHECK(r.top == (c.top ? w.top : w.bottom - height));
                CHECK((BarState.PlacementFlags & Docked) != 0);
                CHECK(((BarState.PlacementFlags & DockLeft) != 0) == c.left);
                CHECK(((BarState.PlacementFlags & DockTop) != 0) == c.top);

                // a button fewer: the bar keeps to its corner
                ResetLauncher();
                REQUIRE(start(DockedWindow(c.horizontal, c.vertical) + Buttons(3)));
                DeleteButton(1);
                ComputeBarSize(&width, &height);
                r = WindowRect(bar());
                CHECK(r.right - r.left == width);
                CHECK(r.left == (c.left ? w.left : w.right - width));
                CHECK(r.top == (c.top ? w.top : w.bottom - height));
                if (custom)
                    SystemParametersInfoA(SPI_SETWORKAREA, 0, &saved, 0);
            }
        }
    }

    TEST_CASE_FIXTURE(BarFixture, "floating positions: saved, default and nonsense")
    {
        SUBCASE("saved position")
        {
            REQUIRE(start(Section("Window") + Key("Left", "140") + Key("Top", "120") + Buttons(1)));
            RECT r = WindowRect(bar());
            CHECK(r.left == 140);
            CHECK(r.top == 120);
            CHECK((BarState.PlacementFlags & Docked) == 0);
        }
        SUBCASE("letters read as 0")
        {
            REQUIRE(start(Section("Window") + Key("Left", "abc") + Key("Top", "300") + Buttons(1)));
            CHECK(WindowRect(bar()).left == 0);
        }
        SUBCASE("empty and absent give the system's default place, not CW_USEDEFAULT itself")
        {
            REQUIRE(start(Section("Window") + Key("Left", "") + Buttons(1)));
            RECT r = WindowRect(bar());
            CHECK(r.left != (LONG)CW_USEDEFAULT);
            CHECK(r.top != (LONG)CW_USEDEFAULT);
            CHECK(r.left > -1000);
        }
    }

    TEST_CASE_FIXTURE(BarFixture, "a dragged bar snaps only into a corner")
    {
        REQUIRE(start(Section("Window") + Key("Left", "300") + Key("Top", "300") + Buttons(3)));
        BarRect w = WorkArea();
        int width, height;
        ComputeBarSize(&width, &height);

        SUBCASE("near the top-left corner")
        {
            MoveWindow(bar(), w.left + 5, w.top + 7, width, height, TRUE);
            RECT r = WindowRect(bar());
            CHECK(r.left == w.left);
            CHECK(r.top == w.top);
        }
        SUBCASE("near the bottom-right corner, also beyond it")
        {
            MoveWindow(bar(), w.right - width + 30, w.bottom - height - 9, width, height, TRUE);
            RECT r = WindowRect(bar());
            CHECK(r.left == w.right - width);
            CHECK(r.top == w.bottom - height);
        }
        SUBCASE("near one edge alone it stays where it was dropped")
        {
            int midY = (w.top + w.bottom) / 2;
            MoveWindow(bar(), w.left + 5, midY, width, height, TRUE);
            RECT r = WindowRect(bar());
            CHECK(r.left == w.left + 5);
            CHECK(r.top == midY);
        }
        CHECK_FALSE(BarState.InSnapMove);
        CHECK((BarState.PlacementFlags & Docked) == 0);
        CHECK_FALSE(BarState.UnsavedChanges);
    }

    TEST_CASE_FIXTURE(BarFixture, "re-fitting after the number of buttons changed")
    {
        BarRect w = WorkArea();
        REQUIRE(start(Section("Window") + Key("Left", std::to_string(w.right - 200)) + Key("Top", "300") +
                      Buttons(4)));
        int width, height;
        ComputeBarSize(&width, &height);
        // the bar's right edge passes the work area's: widen it as an added button would
        RECT before = WindowRect(bar());
        REQUIRE(before.right - before.left == width);

        SUBCASE("a bar that would pass the right edge is shifted left")
        {
            MoveWindow(bar(), w.right - width - 20, 300, width, height, TRUE);
            REQUIRE(LoadButton(1, ButtonCount));
            CreateButtonWindow(bar(), ButtonCount++);
            REQUIRE(FitBar());
            ComputeBarSize(&width, &height);
            RECT r = WindowRect(bar());
            CHECK(r.right == w.right);
            CHECK(r.right - r.left == width);
            CHECK(r.top == 300);
        }
        SUBCASE("a bar wider than the work area does not fit and does not move")
        {
            RECT narrow = {w.left, w.top, w.left + width + 10, w.bottom};
            WorkAreaGuard guard(narrow);
            MoveWindow(bar(), w.left + 3, 300, width, height, TRUE);
            RECT placed = WindowRect(bar());
            REQUIRE(LoadButton(1, ButtonCount));
            CreateButtonWindow(bar(), ButtonCount++);
            CHECK_FALSE(FitBar());
            RECT r = WindowRect(bar());
            CHECK(r.left == placed.left);
            CHECK(r.right == placed.right);
        }
    }

    TEST_CASE_FIXTURE(BarFixture, "always on top, twice, and saved only by a save")
    {
        REQUIRE(start(Section("Window") + Key("Left", "200") + Key("Top", "200") + Buttons(1)));
        std::string before = ReadFile(ini);
        HMENU menu = GetSystemMenu(bar(), FALSE);
        CHECK((GetWindowLongA(bar(), GWL_EXSTYLE) & WS_EX_TOPMOST) == 0);

        SendMessageA(bar(), WM_SYSCOMMAND, IDM_ALWAYSONTOP, 0);
        CHECK(BarState.AlwaysOnTop);
        CHECK((GetMenuState(menu, IDM_ALWAYSONTOP, MF_BYCOMMAND) & MF_CHECKED) != 0);
        CHECK((GetWindowLongA(bar(), GWL_EXSTYLE) & WS_EX_TOPMOST) != 0);

        SendMessageA(bar(), WM_SYSCOMMAND, IDM_ALWAYSONTOP, 0);
        CHECK_FALSE(BarState.AlwaysOnTop);
        CHECK((GetMenuState(menu, IDM_ALWAYSONTOP, MF_BYCOMMAND) & MF_CHECKED) == 0);
        CHECK((GetWindowLongA(bar(), GWL_EXSTYLE) & WS_EX_TOPMOST) == 0);
        CHECK_FALSE(BarState.UnsavedChanges);
        CHECK(ReadFile(ini) == before);

        SendMessageA(bar(), WM_SYSCOMMAND, IDM_ALWAYSONTOP, 0);
        SendMessageA(bar(), WM_SYSCOMMAND, IDM_SAVESETTINGS, 0);
        CHECK(Profile(ini, "Window", "AlwaysOnTop") == "True");
    }

    TEST_CASE_FIXTURE(BarFixture, "a bar started topmost")
    {
        REQUIRE(start(Section("Window") + Key("AlwaysOnTop", "tRUE") + Buttons(1)));
        CHECK(BarState.AlwaysOnTop);
        CHECK((GetWindowLongA(bar(), GWL_EXSTYLE) & WS_EX_TOPMOST) != 0);
        CHECK((GetWindowLongA(bar(), GWL_EXSTYLE) & WS_EX_TOOLWINDOW) != 0);
        CHECK((GetMenuState(GetSystemMenu(bar(), FALSE), IDM_ALWAYSONTOP, MF_BYCOMMAND) & MF_CHECKED) != 0);
    }

    TEST_CASE_FIXTURE(BarFixture, "window settings of a floating and of a docked bar")
    {
        SUBCASE("floating: Left and Top written, the corner keys deleted")
        {
            REQUIRE(start(Section("Window") + Key("Title", "T") + Key("Position", "Floating") +
                          Key("Horizontal", "Left") + Key("Vertical", "Top") + Key("Left", "10") +
                          Key("Top", "20") + Buttons(2)));
            MoveWindow(bar(), 333, 222, 200, 60, TRUE);
            RECT r = WindowRect(bar());
            SaveWindowSettings(bar());
            CHECK(Profile(ini, "Window", "Left") == std::to_string(r.left));
            CHECK(Profile(ini, "Window", "Top") == std::to_string(r.top));
            CHECK(Profile(ini, "Window", "Horizontal") == "<absent>");
            CHECK(Profile(ini, "Window", "Vertical") == "<absent>");
            CHECK(Profile(ini, "Window", "AlwaysOnTop") == "False");
            CHECK(Profile(ini, "Window", "Title") == "T");
            CHECK(Profile(ini, "Window", "Position") == "Floating");
        }
        SUBCASE("docked: Left and Top deleted, the corner kept")
        {
            REQUIRE(start(Section("Window") + Key("Position", "Fixed") + Key("Horizontal", "Left") +
                          Key("Vertical", "Top") + Key("Left", "10") + Key("Top", "20") + Buttons(2)));
            SaveWindowSettings(bar());
            CHECK(Profile(ini, "Window", "Left") == "<absent>");
            CHECK(Profile(ini, "Window", "Top") == "<absent>");
            CHECK(Profile(ini, "Window", "Horizontal") == "Left");
            CHECK(Profile(ini, "Window", "Vertical") == "Top");
            CHECK(Profile(ini, "Window", "Position") == "Fixed");
        }
        SUBCASE("a snapped floating bar stays floating and saves its corner")
        {
            REQUIRE(start(Section("Window") + Key("Left", "300") + Key("Top", "300") + Buttons(2)));
            BarRect w = WorkArea();
            RECT r = WindowRect(bar());
            MoveWindow(bar(), w.left + 4, w.top + 4, r.right - r.left, r.bottom - r.top, TRUE);
            SaveSettings();
            CHECK(Profile(ini, "Window", "Left") == std::to_string(w.left));
            CHECK(Profile(ini, "Window", "Top") == std::to_string(w.top));
            CHECK(Profile(ini, "Window", "Position") == "<absent>");
        }
    }

    TEST_CASE_FIXTURE(BarFixture, "the caption holds the first 63 characters of the title")
    {
        std::string title(70, 'T');
        title[62] = 'E';
        REQUIRE(start(Section("Window") + Key("Title", title) + Buttons(1)));
        char caption[128];
        GetWindowTextA(bar(), caption, sizeof caption);
        CHECK(std::string(caption) == title.substr(0, 63));
        SaveSettings();
        CHECK(Profile(ini, "Window", "Title") == title);
    }
}
