// The bar on a real desk: a configuration file it may not write, and a second
// monitor beside the primary one.
#include "Fixture.h"

using namespace qv;

namespace {

// Keeps a file from being written for the time of a test: held open without
// write sharing, as another program may hold it. (The read-only attribute
// would not do here: Wine running as root writes read-only files anyway.)
class Unwritable {
public:
    explicit Unwritable(const std::string& path)
        : handle_(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr))
    {
    }
    ~Unwritable() { release(); }
    bool held() const { return handle_ != INVALID_HANDLE_VALUE; }
    void release()
    {
        if (held())
            CloseHandle(handle_);
        handle_ = INVALID_HANDLE_VALUE;
    }

private:
    HANDLE handle_;
};

BOOL CALLBACK CollectMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM list)
{
    MONITORINFO info;
    info.cbSize = sizeof info;
    if (GetMonitorInfoA(monitor, &info))
        reinterpret_cast<std::vector<MONITORINFO>*>(list)->push_back(info);
    return TRUE;
}

// The work area of the monitor right of the primary one, when the desk has
// exactly two monitors side by side (scripts/with-wine.sh makes that desk).
bool SecondMonitor(BarRect* work)
{
    std::vector<MONITORINFO> monitors;
    EnumDisplayMonitors(nullptr, nullptr, CollectMonitor, reinterpret_cast<LPARAM>(&monitors));
    if (monitors.size() != 2)
        return false;
    const MONITORINFO& primary = (monitors[0].dwFlags & MONITORINFOF_PRIMARY) ? monitors[0] : monitors[1];
    const MONITORINFO& second = (&primary == &monitors[0]) ? monitors[1] : monitors[0];
    if (second.rcMonitor.left != primary.rcMonitor.right || second.rcMonitor.top != primary.rcMonitor.top)
        return false;
    *work = {second.rcWork.left, second.rcWork.top, second.rcWork.right, second.rcWork.bottom};
    return true;
}

}  // namespace

TEST_SUITE("desk")
{
    TEST_CASE_FIXTURE(BarFixture, "a configuration file that cannot be written is named in one warning")
    {
        struct Row {
            const char* what;
            UINT message;
            WPARAM wParam;
            bool unwritable;
            size_t boxes;
        } rows[] = {
            {"save now, unwritable", WM_SYSCOMMAND, IDM_SAVESETTINGS, true, 1},
            {"closing, unwritable", WM_CLOSE, 0, true, 1},
            {"Windows ending, unwritable", WM_ENDSESSION, TRUE, true, 0},
            {"save now, writable", WM_SYSCOMMAND, IDM_SAVESETTINGS, false, 0},
            {"closing, writable", WM_CLOSE, 0, false, 0},
        };
        for (const Row& row : rows) {
            INFO(row.what);
            ResetLauncher();
            boxes.clear();
            REQUIRE(start(Section("Window") + Key("Left", "300") + Key("Top", "200") + ThreeButtons(RecorderPath())));
            RECT r = WindowRect(bar());
            MoveWindow(bar(), 320, 210, r.right - r.left, r.bottom - r.top, TRUE);
            // the window settings and the buttons both fail to reach the file
            DeleteButton(2);
            const std::string before = ReadFile(ini);
            Unwritable guard(ini);
            REQUIRE(guard.held());
            if (!row.unwritable)
                guard.release();
            HWND window = bar();
            SendMessageA(window, row.message, row.wParam, 0);  // returns once a box is answered

            auto seen = boxes.seen();
            REQUIRE(seen.size() == row.boxes);
            if (row.boxes == 1) {
                CHECK(seen[0].caption == "Quenvolet");
                CAPTURE(seen[0].text);
                CHECK(seen[0].text.find(ini) != std::string::npos);
            }
            CHECK(IsWindow(window) == (row.message != WM_CLOSE));
            if (row.unwritable) {
                CHECK(ReadFile(ini) == before);
            } else {
                CHECK(Profile(ini, "Window", "Left") == "320");
                CHECK(Profile(ini, "Button3", "FileName") == "<absent>");
            }
            if (row.message == WM_CLOSE) {
                ButtonCount = 0;  // the records are gone with the window
                continue;
            }
            // once the file may be written, the next save brings everything
            guard.release();
            SendMessageA(window, WM_SYSCOMMAND, IDM_SAVESETTINGS, 0);
            CHECK(boxes.seen().size() == row.boxes);
            CHECK(Profile(ini, "Window", "Left") == "320");
            CHECK(Profile(ini, "Button3", "FileName") == "<absent>");
            CHECK_FALSE(BarState.UnsavedChanges);
        }
    }

    TEST_CASE_FIXTURE(BarFixture, "the bar snaps and fits within the monitor it is on")
    {
        BarRect second = {0, 0, 0, 0};
        INFO("scripts/with-wine.sh shows two monitors side by side");
        REQUIRE(SecondMonitor(&second));
        REQUIRE(start(Section("Window") + Key("Left", std::to_string(second.left + 300)) + Key("Top", "300") +
                      ThreeButtons(RecorderPath())));
        int w, h;
        ComputeBarSize(&w, &h);
        const int middleX = (second.left + second.right - w) / 2;
        const int middleY = (second.top + second.bottom - h) / 2;

        struct Row {
            const char* what;
            int x, y;          // where the bar is moved to
            int wantX, wantY;  // where it then is
        } rows[] = {
            {"6 pixels from the top-left corner", second.left + 6, second.top + 6, second.left, second.top},
            {"6 pixels from the bottom-right corner", second.right - w - 6, second.bottom - h - 6, second.right - w,
             second.bottom - h},
            {"the middle", middleX, middleY, middleX, middleY},
        };
        for (const Row& row : rows) {
            INFO(row.what);
            MoveWindow(bar(), row.x, row.y, w, h, TRUE);
            RECT r = WindowRect(bar());
            CHECK(r.left == row.wantX);
            CHECK(r.top == row.wantY);
        }

        SUBCASE("a button fewer in the middle: the bar stays")
        {
            DeleteButton(0);
            RECT r = WindowRect(bar());
            CHECK(r.left == middleX);
            CHECK(r.top == middleY);
        }
        SUBCASE("a button fewer past the right edge: the bar meets that monitor's right edge")
        {
            MoveWindow(bar(), second.right - w + 60, middleY, w, h, TRUE);
            DeleteButton(0);
            ComputeBarSize(&w, &h);
            RECT r = WindowRect(bar());
            CHECK(r.left == second.right - w);
            CHECK(r.top == middleY);
        }
    }
}
