// The bar's size and place on a real desktop: its size for 0, 1 and 24
// buttons, docked corners, a saved position, snapping, always-on-top and
// the window settings it saves.
#include "Fixture.h"

using namespace qv;

namespace {

std::string Notepads(int count) { return Buttons(Notepad, std::vector<std::string>(count, "")); }

}  // namespace

TEST_SUITE("placement")
{
    TEST_CASE_FIXTURE(BarFixture, "the bar is one row of icon-sized cells, at least as wide as the system allows")
    {
        for (int count : {0, 1, 24}) {
            CAPTURE(count);
            ResetLauncher();
            REQUIRE(start(Section("Window") + Key("Position", "Fixed") + Notepads(count)));
            if (count == 1)
                DeleteButton(0);  // emptied, the bar keeps the width of an empty one
            RECT client, frame = WindowRect(bar());
            GetClientRect(bar(), &client);
            CHECK(client.bottom == GetSystemMetrics(SM_CYICON) + 6);
            BarRect work;
            GetWorkArea(&work);
            CHECK(frame.right == work.right);  // a narrow bar still ends at the right edge
            if (count < 2)
                CHECK(frame.right - frame.left == GetSystemMetrics(SM_CXMIN));
            else if (count == 24)
                CHECK(client.right == BarClientWidth(24, GetSystemMetrics(SM_CXICON) + 6));
        }
    }

    TEST_CASE_FIXTURE(BarFixture, "a docked bar sits in its corner of the work area, also after a delete")
    {
        struct Row { const char *horizontal, *vertical; bool left, top; } rows[] = {
            {"left", "Top", true, true}, {"right", "TOP", false, true}, {"Left", "", true, false}, {"middle", "Bottom", false, false},
        };
        WorkAreaGuard area({120, 60, 1000, 700});
        for (const Row& r : rows) {
            CAPTURE(r.horizontal);
            ResetLauncher();
            REQUIRE(start(Section("Window") + Key("Position", "fixed") + Key("Horizontal", r.horizontal) +
                          Key("Vertical", r.vertical) + Notepads(5)));
            for (int deleted = 0; deleted < 2; ++deleted) {
                RECT frame = WindowRect(bar());
                CHECK(frame.left == (r.left ? 120 : 1000 - (frame.right - frame.left)));
                CHECK(frame.top == (r.top ? 60 : 700 - (frame.bottom - frame.top)));
                DeleteButton(1);
            }
            CHECK(WindowRect(bar()).right - WindowRect(bar()).left < GetSystemMetrics(SM_CXICON) * 5);
        }
    }

    TEST_CASE_FIXTURE(BarFixture, "a bar saved next to a corner starts there")
    {
        REQUIRE(start(Section("Window") + Key("Left", "3") + Key("Top", "3") + Notepads(3)));
        CHECK(WindowRect(bar()).left == 3);
        CHECK(WindowRect(bar()).top == 3);
    }

    TEST_CASE_FIXTURE(BarFixture, "a floating bar starts where it was saved and snaps into a corner when dragged")
    {
        REQUIRE(start(Section("Window") + Key("Left", "140") + Key("Top", "120") + Notepads(3)));
        CHECK(WindowRect(bar()).left == 140);
        CHECK(WindowRect(bar()).top == 120);
        BarRect w;
        GetWorkArea(&w);
        RECT r = WindowRect(bar());
        MoveWindow(bar(), w.right - (r.right - r.left) + 30, w.bottom - (r.bottom - r.top) - 9, r.right - r.left,
                   r.bottom - r.top, TRUE);
        CHECK(WindowRect(bar()).right == w.right);
        CHECK(WindowRect(bar()).bottom == w.bottom);
        SaveSettings();
        CHECK(Profile(ini, "Window", "Left") == std::to_string(w.right - (r.right - r.left)));
        CHECK(Profile(ini, "Window", "Top") == std::to_string(w.bottom - (r.bottom - r.top)));
        CHECK(Profile(ini, "Window", "Position") == "<absent>");
    }

    TEST_CASE_FIXTURE(BarFixture, "always on top: started so, toggled from the menu, saved only by a save")
    {
        REQUIRE(start(Section("Window") + Key("AlwaysOnTop", "tRUE") + Key("Left", "200") + Key("Top", "200") + Notepads(1)));
        const std::string before = ReadFile(ini);
        for (bool onTop : {true, false, true}) {
            CAPTURE(onTop);
            CHECK(((GetWindowLongA(bar(), GWL_EXSTYLE) & WS_EX_TOPMOST) != 0) == onTop);
            CHECK(((GetMenuState(GetSystemMenu(bar(), FALSE), IDM_ALWAYSONTOP, MF_BYCOMMAND) & MF_CHECKED) != 0) == onTop);
            SendMessageA(bar(), WM_SYSCOMMAND, IDM_ALWAYSONTOP, 0);
        }
        CHECK(ReadFile(ini) == before);
        SendMessageA(bar(), WM_SYSCOMMAND, IDM_ALWAYSONTOP, 0);
        SendMessageA(bar(), WM_SYSCOMMAND, IDM_SAVESETTINGS, 0);
        CHECK(Profile(ini, "Window", "AlwaysOnTop") == "True");
    }

    TEST_CASE_FIXTURE(BarFixture, "a floating bar saves Left and Top, a docked one its corner")
    {
        const std::string corner = Key("Horizontal", "Left") + Key("Vertical", "Top") + Key("Left", "10") + Key("Top", "20");
        SUBCASE("floating")
        {
            REQUIRE(start(Section("Window") + Key("Position", "Floating") + corner + Notepads(2)));
            MoveWindow(bar(), 333, 222, 200, 60, TRUE);
            SaveWindowSettings(bar());
            CHECK(Profile(ini, "Window", nullptr) == "Position|Left|Top|AlwaysOnTop");
            CHECK(Profile(ini, "Window", "Left") == "333");
            CHECK(Profile(ini, "Window", "Top") == "222");
        }
        SUBCASE("docked")
        {
            REQUIRE(start(Section("Window") + Key("Position", "Fixed") + corner + Notepads(2)));
            SaveWindowSettings(bar());
            CHECK(Profile(ini, "Window", nullptr) == "Position|Horizontal|Vertical|AlwaysOnTop");
        }
    }
}
