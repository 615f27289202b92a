// The bar on a real desk: a configuration file it may not write, two monitors, and changes of them.
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
            ResetLauncher();
            boxes.seen.clear();
            REQUIRE(start(Buttons(Notepad, {"", "", ""})));
            DeleteButton(2);
            // Held open without write sharing, as another program may: Wine as root writes read-only files.
            HANDLE held = CreateFileA(ini.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
            REQUIRE(held != INVALID_HANDLE_VALUE);
            SendMessageA(bar(), row.message, row.wParam, 0);  // returns once a box is answered
            CloseHandle(held);
            CHECK(IsWindow(bar()) == (row.message != WM_CLOSE));  // the bar stays unless closed
            CHECK(boxes.seen == (row.box ? "Quenvolet|The settings could not be saved to\n" + ini +
                                                "\nThe file or its folder may be write-protected.\n" : ""));
            if (row.message != WM_CLOSE) {
                SendMessageA(bar(), WM_SYSCOMMAND, IDM_SAVESETTINGS, 0);
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
        RECT r = WindowRect(bar());
        const int w = r.right - r.left, h = r.bottom - r.top;
        MoveWindow(bar(), second.left + 6, second.top + 6, w, h, TRUE);
        CHECK(WindowRect(bar()).left == second.left);
        CHECK(WindowRect(bar()).top == second.top);
        MoveWindow(bar(), second.right - w + 60, 300, w, h, TRUE);  // past the right edge
        DeleteButton(0);
        CHECK(WindowRect(bar()).right == second.right);
        CHECK(WindowRect(bar()).top == 300);
    }

    TEST_CASE_FIXTURE(BarFixture, "a bar saved off every monitor starts in view, a docked one on its monitor, and so again")
    {
        const MONITORINFO one = MonitorAt({0, 0}), two = MonitorAt({GetSystemMetrics(SM_CXSCREEN) + 10, 10});
        REQUIRE((two.dwFlags & MONITORINFOF_PRIMARY) == 0);
        const RECT a = one.rcWork, b = two.rcWork;
        const int any = -99999;  // an edge not looked at
        const std::string fixed = Key("Position", "Fixed");
        auto at = [](int left, int top) { return Key("Left", std::to_string(left)) + Key("Top", std::to_string(top)); };
        struct Row { std::string window; int left, top, right, bottom; } rows[] = {
            {at(5000, 300), any, 300, b.right, any}, {at(-3000, -500), a.left, a.top, any, any},
            {at(b.right - 50, b.bottom - 10), any, any, b.right, b.bottom},
            {at(b.left + 300, 5000), b.left + 300, any, any, b.bottom},
            {fixed + Key("Horizontal", "Left") + Key("Vertical", "Top") + Key("Monitor", MonitorText(two.rcMonitor)),
             b.left, b.top, any, any},
            {fixed + Key("Monitor", "5120,0,6400,1024"), any, any, b.right, b.bottom},  // unplugged since: the nearest
            {fixed + Key("Monitor", "1280,0,2560"), any, any, a.right, a.bottom},       // not a monitor: as without one
        };
        for (const Row& row : rows) {
            CAPTURE(row.window);
            ResetLauncher();
            REQUIRE(start(Section("Window") + row.window + Buttons(Notepad, {"", ""})));
            const RECT r = WindowRect(bar());
            auto is = [&](int edge, int want) { return want == any || edge == want; };
            CHECK(is(r.left, row.left));
            CHECK(is(r.top, row.top));
            CHECK(is(r.right, row.right));
            CHECK(is(r.bottom, row.bottom));
            // started again on what it saved, it is where it was
            SaveSettings();
            ResetLauncher();
            REQUIRE(StartBar(ini, SW_SHOWNOACTIVATE));
            CHECK(WindowRect(bar()).left == r.left);
            CHECK(WindowRect(bar()).top == r.top);
        }
    }

    TEST_CASE_FIXTURE(BarFixture, "a change of the desk brings the bar back to its corner or into view, and on top")
    {
        const RECT b = MonitorAt({GetSystemMetrics(SM_CXSCREEN) + 10, 10}).rcWork;
        const struct Row { const char* what; UINT message; WPARAM wParam; bool moves; } rows[] = {
            {"work area", WM_SETTINGCHANGE, SPI_SETWORKAREA, true},
            {"another setting", WM_SETTINGCHANGE, SPI_SETDESKWALLPAPER, false},
            {"monitors", WM_DISPLAYCHANGE, 32, true}, {"a new taskbar", RegisterWindowMessageA("TaskbarCreated"), 0, true},
        };
        for (const Row& row : rows) {
            INFO(row.what);
            for (const bool docked : {true, false}) {
                ResetLauncher();
                WorkAreaGuard before({0, 0, 1000, 700});
                REQUIRE(start(Section("Window") + Key("AlwaysOnTop", "True") + Key("Position", docked ? "Fixed" : "") +
                              Buttons(Notepad, {"", ""})));
                // a work area grown round a docked bar, which is in view still but out of its corner
                WorkAreaGuard area({100, 50, 1100, 800});
                // pushed down and, floating, off every monitor as a lost display leaves it
                SetWindowPos(bar(), HWND_NOTOPMOST, 5000, 300, 0, 0,
                             SWP_NOSIZE | SWP_NOACTIVATE | (docked ? SWP_NOMOVE : 0));
                SendMessageA(bar(), row.message, row.wParam, 0);
                const RECT r = WindowRect(bar());
                CHECK((docked ? r.right == 1100 && r.bottom == 800 : r.right == b.right && r.top == 300) == row.moves);
                CHECK(((GetWindowLongA(bar(), GWL_EXSTYLE) & WS_EX_TOPMOST) != 0) == row.moves);
            }
        }
    }
}
