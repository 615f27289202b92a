// The bar on a real desk: a configuration file it may not write, and a second monitor.
#include "Fixture.h"

using namespace qv;

TEST_SUITE("desk")
{
    TEST_CASE_FIXTURE(BarFixture, "a file that cannot be written is named in one warning, and saved by the next save")
    {
        const BesideProgram editor("QVconfig.exe", true, RecorderPath());  // what the bar would hand over to
        struct Row { const char* what; UINT message; WPARAM wParam; bool box; } rows[] = {
            {"save now", WM_SYSCOMMAND, IDM_SAVESETTINGS, true}, {"configure", WM_SYSCOMMAND, IDM_CONFIGURE, true},
            {"closing", WM_CLOSE, 0, true},
            {"Windows ending, when no box may show", WM_ENDSESSION, TRUE, false},
        };
        for (const Row& row : rows) {
            INFO(row.what);
            REQUIRE(start(Buttons(Notepad, {"", "", ""})));
            DeleteButton(2);
            // Held open without write sharing, as another program may: Wine as root writes read-only files.
            HANDLE held = Hold(ini, FILE_SHARE_READ, GENERIC_READ);
            send(row.message, row.wParam);  // returns once a box is answered
            CloseHandle(held);
            CHECK(IsWindow(bar()) == (row.message != WM_CLOSE));  // the bar stays unless closed
            CHECK(boxes.seen == (row.box ? "Quenvolet|The settings could not be saved to\n" + ini +
                                                "\nThe file or its folder may be write-protected.\n" : ""));
            if (row.message != WM_CLOSE) {
                menu(IDM_SAVESETTINGS);
                CHECK(Profile(ini, "Button3", "FileName") == "<absent>");
            }
        }
    }

    TEST_CASE_FIXTURE(BarFixture, "the bar snaps and fits within the monitor it is on")
    {
        MONITORINFO info = {sizeof info};
        INFO("scripts/with-wine.sh shows a second monitor right of the primary one");
        HMONITOR monitor = MonitorFromPoint({GetSystemMetrics(SM_CXSCREEN) + 10, 10}, MONITOR_DEFAULTTONULL);
        REQUIRE(GetMonitorInfoA(monitor, &info));
        const RECT second = info.rcWork;
        REQUIRE(start(Section("Window") + Key("Left", std::to_string(second.left + 300)) + Key("Top", "300") +
                      Buttons(Notepad, {"", "", ""})));
        const RECT r = WindowRect(bar());
        const int w = r.right - r.left, h = r.bottom - r.top;
        MoveWindow(bar(), second.left + 6, second.top + 6, w, h, TRUE);
        CHECK(TopLeft(bar()) == std::pair(second.left, second.top));
        MoveWindow(bar(), second.right - w + 60, 300, w, h, TRUE);  // past the right edge
        DeleteButton(0);
        CHECK(std::pair(WindowRect(bar()).right, WindowRect(bar()).top) == std::pair(second.right, 300L));
    }
}
