// The editor driven through its real windows: the configuration file loaded
// and written back, hostile files, the icon grid and its buttons, the close
// question, and the start and end of a run.

#include "EditorHarness.h"
#include "HelpPage.h"

using namespace qe;

TEST_SUITE("file")
{
    TEST_CASE("sections load closed up with their icons; OK writes nothing unchanged, the buttons renumbered")
    {
        EditorCase c(0, "", "with blank");
        const std::string title(1100, 't');  // longer than the editor reads
        const std::string silent = RecorderPath(), program = EditorProgram();  // silent: no icons
        const std::string content = "; a comment\r\n[window]\r\ntitle = " + title + "  \r\nPosition=Fixed\r\n" +
            "Horizontal=Left\r\nMonitor=1,2,3,4\r\nAutoHide=True\r\nHotkey=Ctrl+Alt+Q\r\n" + Button(1) + Key("Filename", "f.qvnone") + Key("IconIndex", "-$10") +
            Key("Window", "MINIMIZED") + Button(3) + Key("Filename", program) + Button(4) +
            Key("Filename", silent) + Key("IconIndex", "3") + Button(7) + Key("Filename", "") +
            Button(9) + Key("Filename", "None") + Key("Parameters", "\"\"p 9\"\"") + Button(25) +
            Key("Filename", "x") + "\r\n[Odd]\r\nx=1";
        const std::string fallback = FallbackIconFile();
        const struct Row { const char* title; int choice; std::string window; } rows[] = {
            {nullptr, -1, ""},  // no change: the file stays byte for byte
            {"New", -1, "title=New|Position=Fixed|Horizontal=Left|Monitor=1,2,3,4|AutoHide=True|Hotkey=Ctrl+Alt+Q"},
            // the long title is not cut; the bar's monitor is kept for the next corner chosen
            {nullptr, 0, "title=" + title + "|Position=Floating|Horizontal=|Monitor=1,2,3,4|AutoHide=True|Hotkey=Ctrl+Alt+Q|Vertical="},
        };
        for (const Row& r : rows) {
            CAPTURE(r.choice);
            WriteFile(c.ini, content);
            c.boxes.seen.clear();
            EditorForm editor(Quoted(c.ini));
            // a button without a program says so once while loading
            CHECK(c.boxes.seen == NoProgram("f.qvnone") + NoProgram("None"));
            REQUIRE(ButtonListCount == 4);
            CHECK(ButtonList[1].IconFile == program);  // the display name keeps the extension
            CHECK(ButtonList[2].IconFile == fallback);
            CHECK(ButtonList[2].IconIndex == 1);
            CHECK_FALSE(ButtonList[2].Icon.empty());
            CHECK(ButtonList[3].Icon.empty());  // "None" is a file name like any other here
            CHECK(SendMessageA(editor.control(IDC_WINDOWPOS), CB_GETCURSEL, 0, 0) == 3);  // bottom left
            if (r.title)
                SetWindowTextA(editor.control(IDC_WINDOWTITLE), r.title);
            if (r.choice >= 0) {
                SendMessageA(editor.control(IDC_WINDOWPOS), CB_SETCURSEL, (WPARAM)r.choice, 0);
                SendMessageA(editor.form.Handle, WM_COMMAND, MAKEWPARAM(IDC_WINDOWPOS, CBN_SELCHANGE), 0);
            }
            editor.click(IDOK);
            CHECK_FALSE(editor.open());
            if (r.window.empty()) {
                CHECK(ReadFile(c.ini) == content);
                continue;
            }
            CHECK(Profile(c.ini, "window", nullptr) == r.window);
            CHECK(Profile(c.ini, nullptr, nullptr) == "window|Button25|Odd|Button1|Button2|Button3|Button4");
            CHECK(Profile(c.ini, "Button1", nullptr) == "Filename=f.qvnone|IconIndex=65520|Window=Minimized");
            // parameters quoted whole, as the bar writes a document, keep their quotes
            CHECK(Profile(c.ini, "Button4", nullptr) == "Filename=None|Parameters=\"\"p 9\"\"");
        }
    }

    TEST_CASE("a hostile file: the editor starts, a failed save says so and keeps the changes for the next")
    {
        const std::string v(100000, 'v');  // a file name longer than any path must not reach the shell
        // binary garbage, LF and CR LF mixed, a key and a section written twice
        EditorCase c(0, Garbage() + "\r\n" + Section("Window") + Key("Title", v) + Button(1) +
                            Key("Filename", v) + Key("IconIndex", std::string(100000, '7')) + "[Keep]\nValue=" + v +
                            "\nA=1\r\nA=2\n" + ManySections() + Section("Keep") + Key("B", "3"));
        const std::string kept = Profile(c.ini, "Keep", nullptr) + Profile(c.ini, "S9999", nullptr);
        EditorForm editor(Quoted(c.ini));
        HANDLE lock = Hold(c.ini, FILE_SHARE_READ | FILE_SHARE_WRITE);  // no delete sharing: it cannot be replaced
        const std::string before = ReadFile(c.ini);
        c.boxes.seen.clear();
        SetWindowTextA(editor.control(IDC_WINDOWTITLE), "Saved");
        editor.click(IDOK);
        CHECK(editor.open());
        CHECK(c.boxes.seen == "Configure Quenvolet|Unable to write to " + c.ini + ".\n");
        CHECK(ReadFile(c.ini) == before);
        CHECK_FALSE(qt::FileExists(c.ini + "~"));
        CloseHandle(lock);
        editor.click(IDOK);
        CHECK_FALSE(editor.open());
        CHECK(Profile(c.ini, "Window", "Title") == "Saved");
        CHECK(Profile(c.ini, "Keep", nullptr) + Profile(c.ini, "S9999", nullptr) == kept);
        CHECK(ReadFile(c.ini).find("[Keep]\r\nB=3") != std::string::npos);  // the profile functions read only the first
    }
}

TEST_SUITE("grid")
{
    TEST_CASE("enabling of Insert, Delete, Properties and the arrows")
    {
        const struct Row { int count; bool insert, remove, right; } rows[] = {
            {0, true, false, false}, {1, true, true, false}, {24, false, true, true},
        };
        for (const Row& r : rows) {
            CAPTURE(r.count);
            EditorCase c(r.count);
            EditorForm editor(Quoted(c.ini));
            CHECK(IsWindowVisible(editor.control(IDC_ICONGRID)) == (r.count > 0));
            CHECK(IsWindowVisible(editor.control(IDC_NOICONS)) == (r.count == 0));
            CHECK(editor.enabled({IDC_INSERT, IDC_DELETE, IDC_CHANGE, IDC_MOVELEFT, IDC_MOVERIGHT}) ==
                  std::vector<bool>{r.insert, r.remove, r.remove, false, r.right});
        }
    }

    TEST_CASE("selection by keys and mouse, what the cells show, moving an entry to the end, the scroll bar")
    {
        EditorCase c(12);
        EditorForm editor(Quoted(c.ini));
        HWND grid = editor.control(IDC_ICONGRID);
        const struct Row { const char* what; WPARAM key; int x; int current, first; bool left, right; } rows[] = {
            {"End", VK_END, 0, 11, 2, true, false}, {"Home", VK_HOME, 0, 0, 0, false, true},
            {"Left at the start", VK_LEFT, 0, 0, 0, false, true}, {"Right", VK_RIGHT, 0, 1, 0, true, true},
            {"click on the tenth cell", 0, 9 * 37 + 10, 9, 0, true, true},
            {"click left of the cells", 0, -3, 9, 0, true, true},  // signed x: no column
        };
        for (const Row& r : rows) {
            INFO(r.what);
            if (r.key)
                SendMessageA(grid, WM_KEYDOWN, r.key, 1);
            else
                SendMessageA(grid, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(r.x, 10));
            CHECK(editor.grid(GM_GETCURRENT) == r.current);
            CHECK(editor.grid(GM_GETFIRSTCOL) == r.first);
            CHECK(editor.enabled({IDC_MOVELEFT, IDC_MOVERIGHT}) == std::vector<bool>{r.left, r.right});
            // the first cell shows the first visible button's icon inside its raised frame, once on the screen
            COLORREF frame = 0, icon = 0;
            PumpUntil([&] { const Capture shot(grid);
                return (frame = shot.at(1, 1), icon = shot.at(8, 5)) == LibraryColour(r.first); }, 10000);
            CHECK(frame == GetSysColor(COLOR_BTNHIGHLIGHT));
            CHECK(icon == LibraryColour(r.first));
        }
        editor.click(IDC_MOVERIGHT);
        SetFocus(editor.control(IDC_MOVERIGHT));
        editor.click(IDC_MOVERIGHT);
        CHECK(editor.grid(GM_GETCURRENT) == 11);
        CHECK(editor.grid(GM_GETFIRSTCOL) == 2);
        CHECK_FALSE(editor.enabled(IDC_MOVERIGHT));
        CHECK(GetFocus() == editor.control(IDOK));  // the disabled arrow handed the focus on
        CHECK(c.boxes.seen.empty());
        // eleven entries need the scroll bar, which grows the grid once; ten do not
        for (int count : {12, 11, 10}) {
            CAPTURE(count);
            RECT r;
            GetWindowRect(grid, &r);
            CHECK(r.bottom - r.top == (count > 10 ? 41 + GetSystemMetrics(SM_CYHSCROLL) : 41));
            CHECK(editor.grid(GM_HASSCROLLBAR) == (count > 10));
            editor.click(IDC_DELETE);
        }
    }
}

TEST_SUITE("close")
{
    TEST_CASE("the close question: Cancel stays, No leaves the file, Yes saves; a log-off asks it and restarts the bar")
    {
        EditorCase c(3);
        const std::string record = c.dir.file("bar.txt"), bar = RecorderPath();
        SetEnvironmentVariableA("QV_RECORD", record.c_str());
        const int LogOff = -1, EnterOnCancel = -2;
        const struct Row { int answer; int command; bool open; bool saved; } rows[] = {
            {IDCANCEL, IDCANCEL, true, false}, {IDNO, IDCANCEL, false, false}, {IDYES, IDCANCEL, false, true},
            {IDYES, 0, false, true},  // the close box
            {IDCANCEL, LogOff, true, false}, {IDNO, LogOff, false, false}, {IDYES, LogOff, false, true},
            {IDNO, EnterOnCancel, false, false},
        };
        for (const Row& r : rows) {
            CAPTURE(r.answer);
            CAPTURE(r.command);
            WriteFile(c.ini, c.content);
            DeleteFileA(record.c_str());
            EditorForm editor(Quoted(c.ini) + " " + Quoted(bar));
            editor.click(IDC_MOVERIGHT);
            c.boxes.clear({r.answer});
            if (r.command == EnterOnCancel) {
                PressKeys({VK_TAB | Shift});  // from the grid to Cancel, which takes the default frame from OK
                Pump(300, editor.form.Handle);
                for (int id : {IDOK, IDCANCEL})
                    CHECK((Capture(editor.control(id), false).at(0, 0) == RGB(0, 0, 0)) == (id == IDCANCEL));
                PressKeys({VK_RETURN});
                Pump(300, editor.form.Handle);
            } else if (r.command == LogOff) {
                const LRESULT ends = SendMessageA(editor.form.Handle, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF);
                CHECK((ends != 0) == !r.open);
                SendMessageA(editor.form.Handle, WM_ENDSESSION, (WPARAM)ends, ENDSESSION_LOGOFF);
            } else if (r.command) {
                editor.click(r.command);
            } else {
                SendMessageA(editor.form.Handle, WM_CLOSE, 0, 0);
            }
            CHECK(c.boxes.seen == "Confirm|Save changes to " + c.ini + "?\n");
            CHECK(c.boxes.faces == "question|&Yes|&No|Cancel\n");
            CHECK(editor.open() == r.open);
            CHECK(Profile(c.ini, "Button1", "Filename") == (r.saved ? "program1.exe" : "program0.exe"));
            PumpUntil([&] { return r.open || qt::FileExists(record); }, 5000);
            CHECK(qt::FileExists(record) == !r.open);  // the bar is started again as the run ends
        }
        SetEnvironmentVariableA("QV_RECORD", nullptr);
    }
}

TEST_SUITE("start")
{
    TEST_CASE("start-up with a missing, a locked file or a bad button number; one task-bar entry; the launcher started again")
    {
        EditorCase c(2);
        const std::string nolauncher = c.dir.file("nope.exe"), noLaunch = "Error|Unable to start " + nolauncher + "\n";
        const std::string launcher = Quoted(c.ini) + " " + Quoted(nolauncher);
        const std::string locked = "Error|Unable to read " + c.ini + "\n\r";
        // what the task bar shows of the run: the caption of an unowned window with the program's icons
        auto entry = [](HWND window) {
            const bool shown = !GetWindow(window, GW_OWNER) && GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_APPWINDOW &&
                               SendMessageA(window, WM_GETICON, ICON_BIG, 0) && SendMessageA(window, WM_GETICON, ICON_SMALL, 0);
            return shown ? WindowText(window) : "not on the task bar";
        };
        struct Row { std::string parameters; bool open; std::string boxes; const char* shown; bool held = false; };
        const Row rows[] = {
            {Quoted(c.dir.file("none.ini")), false,
             "Confirm|File " + c.dir.file("none.ini") + " not found.\n\rDo you want to open a different file?\n", ""},
            {launcher, true, noLaunch, "Configure Quenvolet"},
            {launcher + " abc", true, "Quenvolet icon properties|'abc' is not a valid integer value.\n" + noLaunch,
             "Configure Quenvolet"},
            {launcher + " 2", true, noLaunch, "Configure Quenvolet"},  // the button count: normal mode
            {launcher + " 1", false, noLaunch, "Quenvolet icon properties"},  // direct mode: never shown
            {launcher, false, locked, "", true},  // held by another process without sharing; the bar then fails to start
        };
        for (const Row& r : rows) {
            CAPTURE(r.parameters);
            c.boxes.clear({IDNO});
            SetEnvironmentVariableA("QV_HOLD", r.held ? c.ini.c_str() : nullptr);  // the recorder holds the file it names
            HANDLE holder = r.held ? StartProcess(Quoted(RecorderPath())) : nullptr;
            SetEnvironmentVariableA("QV_HOLD", nullptr);
            REQUIRE((holder != nullptr) == r.held);
            PumpUntil([&] { return !r.held || ReadFile(c.ini) != c.content; }, 5000);  // until the file can no longer be read
            std::string shown;
            DriveDialogs({[&](HWND dialog) { shown = entry(dialog), ClickButton(dialog, IDCANCEL); }}, [&] {
                EditorForm editor(r.parameters);
                CHECK(editor.open() == r.open);
                CHECK((!editor.open() || IsWindowVisible(editor.form.Handle)));
                if (editor.open())
                    shown = entry(editor.form.Handle);
            });
            if (holder)
                TerminateProcess(holder, 0), WaitForProcess(holder, 5000);
            CHECK(c.boxes.seen.substr(0, r.boxes.size()) == r.boxes);  // the locked file's box ends in the system's words
            CHECK((!r.held || c.boxes.faces.substr(0, 9) == "error|OK\n"));
            CHECK(shown == r.shown);
            CHECK(ReadFile(c.ini) == c.content);
        }
    }
}

TEST_SUITE("help")
{
    // opening the page is the bar's own code, tested with the bar; here F1 must reach it and speak when it fails
    TEST_CASE("F1 says why the help page cannot be opened")
    {
        EditorCase c(1);
        EditorForm editor(Quoted(c.ini));
        BesideProgram missing("Quenvolt.html", false);
        SendMessageA(editor.form.Handle, WM_HELP, 0, 0);
        CHECK(c.boxes.seen == std::string("Warning|") + HelpPageProblem(HelpPageMissing) + "\n");
        CHECK(editor.open());
    }
}
