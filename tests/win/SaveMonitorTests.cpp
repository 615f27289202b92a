// The bar on a real desk: a configuration file it may not write, two monitors, and changes of them.
#include "Fixture.h"

using namespace qv;

TEST_SUITE("desk")
{
    TEST_CASE_FIXTURE(BarFixture, "a file that cannot be replaced is named in one warning, kept whole, and saved by the next save")
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
            // Held open without delete sharing, as another program may: the whole save cannot take its place.
            HANDLE held = Hold(ini, FILE_SHARE_READ | FILE_SHARE_WRITE, GENERIC_READ);
            const std::string before = ReadFile(ini);
            send(row.message, row.wParam);  // returns once a box is answered
            CloseHandle(held);
            CHECK(ReadFile(ini) == before);
            CHECK_FALSE(FileExists(ini + "~"));
            CHECK(IsWindow(bar()) == (row.message != WM_CLOSE));  // the bar stays unless closed
            CHECK(boxes.seen == (row.box ? "Quenvolet|The settings could not be saved to\n" + ini +
                                                "\nThe file or its folder may be write-protected.\n" : ""));
            if (row.message != WM_CLOSE) {
                SetFileAttributesA(ini.c_str(), FILE_ATTRIBUTE_HIDDEN);  // the file that replaces it keeps it
                menu(IDM_SAVESETTINGS);
                CHECK(Profile(ini, "Button3", "FileName") == "<absent>");
                CHECK((GetFileAttributesA(ini.c_str()) & FILE_ATTRIBUTE_HIDDEN) != 0);
                // a save that changes nothing writes nothing, so it cannot fail
                held = Hold(ini, FILE_SHARE_READ | FILE_SHARE_WRITE, GENERIC_READ);
                boxes.seen.clear();
                menu(IDM_SAVESETTINGS);
                CloseHandle(held);
                CHECK(boxes.seen == "");
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

    TEST_CASE_FIXTURE(BarFixture, "a bar saved off every monitor starts within the nearest, a docked one on its own")
    {
        MONITORINFO one = {sizeof one}, two = {sizeof two};
        GetMonitorInfoA(MonitorFromPoint({0, 0}, MONITOR_DEFAULTTOPRIMARY), &one);
        const RECT right = {1280, 0, 2560, 1024};  // the second monitor of scripts/with-wine.sh
        REQUIRE((GetMonitorInfoA(MonitorFromPoint({1290, 0}, MONITOR_DEFAULTTONULL), &two) && EqualRect(&two.rcMonitor, &right)));
        const std::string fixed = "Position=Fixed\r\nVertical=Top\r\nMonitor=";
        const struct Row { std::string window; const RECT& area; } rows[] = {
            {"Left=5000\r\nTop=300", two.rcWork}, {"Left=-3000\r\nTop=-500", one.rcWork}, {"Left=2500\r\nTop=1000", two.rcWork},
            {fixed + "1280,0,2560,1024", two.rcWork}, {fixed + "5120,0,6400,1024", two.rcWork}, {fixed + "1,0,2", one.rcWork},
        };
        for (const Row& row : rows) {
            CAPTURE(row.window);
            ResetLauncher();
            REQUIRE(start(Section("Window") + row.window + "\r\n" + Buttons(Notepad, {""})));
            const RECT r = WindowRect(bar()), &w = row.area;
            CHECK((r.left >= w.left && r.top >= w.top && r.right <= w.right && r.bottom <= w.bottom));
            SaveSettings();  // and started again on what it saved, it is where it was
            CHECK(Profile(ini, "Window", "Monitor") == (&w == &one.rcWork ? "<absent>" : "1280,0,2560,1024"));
            ResetLauncher();
            REQUIRE(StartBar(ini, SW_SHOWNOACTIVATE));
            CHECK((WindowRect(bar()).left == r.left && WindowRect(bar()).top == r.top));
        }
    }

    TEST_CASE_FIXTURE(BarFixture, "a change of the desk brings the bar back to its corner or into view, and on top")
    {
        const struct Row { UINT message; WPARAM wParam; bool moves; } rows[] = {
            {WM_SETTINGCHANGE, SPI_SETWORKAREA, true}, {WM_SETTINGCHANGE, SPI_SETDESKWALLPAPER, false},
            {WM_DISPLAYCHANGE, 32, true}, {RegisterWindowMessageA("TaskbarCreated"), 0, true},
        };
        for (const Row& row : rows)
            for (const bool docked : {true, false}) {
                CAPTURE(row.message);
                ResetLauncher();
                WorkAreaGuard before({0, 0, 1000, 700});
                REQUIRE(start("[Window]\r\nAlwaysOnTop=True\r\n" + Key("Position", docked ? "Fixed" : "") + Buttons(Notepad, {""})));
                WorkAreaGuard grown({100, 50, 1100, 800});  // round a docked bar, now out of its corner
                // pushed down and, floating, off every monitor as a lost display leaves it
                SetWindowPos(bar(), HWND_NOTOPMOST, 5000, 300, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE | (docked ? SWP_NOMOVE : 0));
                SendMessageA(bar(), row.message, row.wParam, 0);
                const RECT r = WindowRect(bar());
                CHECK((docked ? r.right == 1100 && r.bottom == 800 : r.right == 2560 && r.top == 300) == row.moves);
                CHECK(((GetWindowLongA(bar(), GWL_EXSTYLE) & WS_EX_TOPMOST) != 0) == row.moves);
            }
    }
}
