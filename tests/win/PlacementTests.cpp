// The bar's place on a real desktop: docked corners, a saved position and always-on-top.
#include "Fixture.h"

using namespace qv;

TEST_SUITE("placement")
{
    TEST_CASE_FIXTURE(BarFixture, "a docked bar keeps its corner down to the narrowest width and saves no position")
    {
        struct Row { const char *horizontal, *vertical; bool left, top; } rows[] = {
            {"left", "Top", true, true}, {"right", "TOP", false, true}, {"Left", "", true, false},
            {"middle", "Bottom", false, false},
        };
        WorkAreaGuard area({120, 60, 1000, 700});
        for (const Row& r : rows) {
            CAPTURE(r.horizontal);
            REQUIRE(start(Section("Window") + Key("Position", "fixed") + Key("Horizontal", r.horizontal) +
                          Key("Vertical", r.vertical) + Key("Left", "10") + Key("Top", "20") +
                          Buttons(Notepad, {"", "", "", "", ""})));
            for (int count = 5; count > 0; --count) {
                RECT frame = WindowRect(bar());
                CHECK(frame.left == (r.left ? 120 : 1000 - (frame.right - frame.left)));
                CHECK(frame.top == (r.top ? 60 : 700 - (frame.bottom - frame.top)));
                DeleteButton(0);
            }
            CHECK(WindowRect(bar()).right - WindowRect(bar()).left == GetSystemMetrics(SM_CXMIN));
            SaveWindowSettings(bar(), BarState.ConfigFilePath);
            CHECK(Profile(ini, "Window", nullptr) == "Position=fixed|Horizontal=" + std::string(r.horizontal) +
                                                         "|Vertical=" + r.vertical + "|AlwaysOnTop=False|AutoHide=False");
        }
    }

    TEST_CASE_FIXTURE(BarFixture, "a floating bar starts where it was saved, even by a corner, and on top if saved so")
    {
        REQUIRE(start(Section("Window") + Key("AlwaysOnTop", "tRUE") + Key("Left", "3") + Key("Top", "3") +
                      Buttons(Notepad, {"", ""})));
        CHECK(TopLeft(bar()) == std::pair(3L, 3L));
        CHECK((GetWindowLongA(bar(), GWL_EXSTYLE) & WS_EX_TOPMOST) != 0);
        menu(IDM_ALWAYSONTOP);
        CHECK((GetWindowLongA(bar(), GWL_EXSTYLE) & WS_EX_TOPMOST) == 0);
        MoveWindow(bar(), 333, 222, 200, 60, TRUE);
        SaveSettings();
        CHECK(Profile(ini, "Window", nullptr) == "AlwaysOnTop=False|Left=333|Top=222|AutoHide=False");
    }
}
