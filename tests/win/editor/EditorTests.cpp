// The editor driven through its real windows: the configuration file loaded
// and written back, the icon grid and its buttons, the close question, and
// the start and end of a run with the launcher started again.
#include <doctest.h>

#include "EditorHarness.h"
#include "HelpPage.h"
#include "IconGrid.h"
#include "IconUtil.h"
#include "Message.h"
#include "forms/MainForm.h"

using namespace qe;

static std::string Quoted(const std::string& s)
{
    return "\"" + s + "\"";
}

TEST_SUITE("file")
{
    TEST_CASE("sections 2, 5 and 9 load as entries 0 to 2 and save as 1 to 3; others are never touched")
    {
        BoxAnswerer boxes;
        TempDir dir;
        const std::string ini = dir.file("q.ini");
        WriteFile(ini, Section("Window") + Key("Title", "Bar") + Section("Button2") + Key("Filename", "two.qvnone") +
                           Section("Button5") + Key("Filename", "None") + Key("Parameters", "p5") +
                           Section("Button7") + Key("Filename", "") + Section("Button9") +
                           Key("Filename", "nine.qvnone") + Section("Other") + Key("Keep", "me") +
                           Section("Button25") + Key("Filename", "x"));
        EditorForm editor(Quoted(ini));
        REQUIRE(editor.open());
        REQUIRE(ButtonListCount == 3);
        CHECK(ButtonList[0].FileName == "two.qvnone");
        CHECK(ButtonList[1].FileName == "None");  // a file name like any other here
        CHECK(ButtonList[2].FileName == "nine.qvnone");
        // each button without a program says so once while loading
        const auto seen = boxes.seen();
        REQUIRE(seen.size() == 3);
        CHECK(seen[0].caption == "Error");
        CHECK(seen[0].text == "No associated executable file found for file\n\rtwo.qvnone");

        editor.click(IDC_DELETE);  // entry 0 goes
        editor.click(IDOK);
        CHECK_FALSE(editor.open());
        CHECK(SectionNames(ini) == std::vector<std::string>{"Window", "Other", "Button25", "Button1", "Button2"});
        CHECK(Profile(ini, "Button1", "Filename") == "None");
        CHECK(Profile(ini, "Button1", "Parameters") == "p5");
        CHECK(Profile(ini, "Button2", "Filename") == "nine.qvnone");
        CHECK(Profile(ini, "Other", "Keep") == "me");
        CHECK(Profile(ini, "Button25", "Filename") == "x");
        CHECK(Profile(ini, "Window", "Position") == "<absent>");  // placement unchanged: not written
    }

    TEST_CASE("OK writes nothing without a change, and the title and placement only when changed")
    {
        BoxAnswerer boxes;
        TempDir dir;
        const std::string ini = dir.file("q.ini");
        const std::string content = "; a comment\r\n[window]\r\ntitle = Bar  \r\nPosition=Fixed\r\nHorizontal=Left\r\n\r\n" +
                                    IconButtons(dir, 2) + "[Odd]\r\nx=1\r\n";
        struct Row { const char* what; const char* title; int choice; const char* position; const char* horizontal; };
        const Row rows[] = {
            {"no change", nullptr, -1, nullptr, nullptr},
            {"the title", "New title", -1, "Fixed", "Left"},
            {"floating", nullptr, 0, "Floating", ""},
            {"top right", nullptr, 2, "Fixed", "Right"},
        };
        for (const Row& r : rows) {
            CAPTURE(r.what);
            WriteFile(ini, content);
            EditorForm editor(Quoted(ini));
            REQUIRE(editor.open());
            CHECK(editor.text(IDC_WINDOWTITLE) == "Bar");
            CHECK(SendMessageA(editor.control(IDC_WINDOWPOS), CB_GETCURSEL, 0, 0) == 3);  // bottom left
            if (r.title)
                SetWindowTextA(editor.control(IDC_WINDOWTITLE), r.title);
            if (r.choice >= 0) {
                SendMessageA(editor.control(IDC_WINDOWPOS), CB_SETCURSEL, (WPARAM)r.choice, 0);
                SendMessageA(editor.form.Handle, WM_COMMAND, MAKEWPARAM(IDC_WINDOWPOS, CBN_SELCHANGE),
                             (LPARAM)editor.control(IDC_WINDOWPOS));
            }
            editor.click(IDOK);
            CHECK_FALSE(editor.open());
            if (!r.position) {
                CHECK(ReadFile(ini) == content);
                continue;
            }
            CHECK(Profile(ini, "Window", "Title") == (r.title ? r.title : "Bar"));
            CHECK(Profile(ini, "Window", "Position") == r.position);
            CHECK(Profile(ini, "Window", "Horizontal") == r.horizontal);
            CHECK(Profile(ini, "Window", "Vertical") == (r.choice == 0 ? "" : r.choice > 0 ? "Top" : "<absent>"));
            CHECK(Profile(ini, "Button2", "IconFile") == dir.file("icon1.ico"));
            CHECK(Profile(ini, "Odd", "x") == "1");
        }
        CHECK(boxes.seen().empty());
    }

    TEST_CASE("values are read as the editor understands them and written back in its words")
    {
        BoxAnswerer boxes;
        TempDir dir;
        const std::string ini = dir.file("q.ini");
        const std::string huge(10000, 'p');
        struct Row { const char* iconIndex; const char* window; const char* savedIndex; const char* savedWindow; };
        const Row rows[] = {
            {"-1", "MINIMIZED", "65535", "Minimized"},
            {"0x1F", "maximized", "31", "Maximized"},
            {"$10", "Minimizedxx", "16", "<absent>"},   // cut to ten letters: no word
            {"letters", "Normal", "<absent>", "<absent>"},
            {"65536", "", "<absent>", "<absent>"},
        };
        std::string content = Section("Window") + Key("Title", huge);
        int n = 1;
        for (const Row& r : rows)
            content += Section("Button" + std::to_string(n++)) + Key("Filename", "f.qvnone") +
                       Key("Parameters", huge) + Key("IconIndex", r.iconIndex) + Key("Window", r.window);
        WriteFile(ini, content);
        {
            EditorForm editor(Quoted(ini));
            REQUIRE(editor.open());
            REQUIRE(ButtonListCount == 5);
            CHECK(ButtonList[0].Parameters.size() == 1023);
            CHECK(editor.text(IDC_WINDOWTITLE).size() == 1023);
            editor.click(IDC_MOVERIGHT);  // a change, so that OK writes
            editor.click(IDC_MOVELEFT);
            editor.click(IDOK);
            CHECK_FALSE(editor.open());
        }
        n = 1;
        for (const Row& r : rows) {
            const std::string section = "Button" + std::to_string(n++);
            CAPTURE(section);
            CHECK(Profile(ini, section.c_str(), "IconIndex") == r.savedIndex);
            CHECK(Profile(ini, section.c_str(), "Window") == r.savedWindow);
            CHECK(Profile(ini, section.c_str(), "Parameters").size() == 1023);
        }
        CHECK(Profile(ini, "Window", "Title").size() == huge.size());  // shown cut, not changed: not written
    }

    TEST_CASE("a button without an icon file takes its program's icon, or the fall-back icon")
    {
        BoxAnswerer boxes;
        TempDir dir("with blank");
        const std::string silent = dir.file("silent.exe");  // a program without icons
        REQUIRE(CopyFileA((ProgramFolder() + "\\recorder.exe").c_str(), silent.c_str(), FALSE));
        const std::string editorExe = EditorProgram();
        const std::string ini = dir.file("q.ini");
        WriteFile(ini, Section("Button1") + Key("Filename", editorExe) + Section("Button2") + Key("Filename", silent) +
                           Key("IconIndex", "3") + Section("Button3") + Key("Filename", "silent.exe") +
                           Key("DefaultDirectory", dir.path()) + Section("Button4") + Key("Filename", "x.qvnone"));
        EditorForm editor(Quoted(ini));
        REQUIRE(editor.open());
        REQUIRE(ButtonListCount == 4);
        CHECK_FALSE(ButtonList[0].Icon.empty());
        CHECK(ButtonList[0].IconFile == editorExe);  // the display name keeps the extension
        CHECK(ButtonList[0].IconIndex == 0);
        std::string fallback;
        REQUIRE(FindFallbackIconFile(&fallback));
        for (int i : {1, 2}) {
            CAPTURE(i);
            CHECK(ButtonList[i].IconFile == fallback);
            CHECK(ButtonList[i].IconIndex == 1);
            CHECK_FALSE(ButtonList[i].Icon.empty());
        }
        CHECK(ButtonList[3].Icon.empty());
        CHECK(ButtonList[3].IconFile.empty());
        CHECK(boxes.seen().size() == 1);
    }

    TEST_CASE("a file of binary garbage loads as an empty list and is written to")
    {
        BoxAnswerer boxes;
        TempDir dir;
        const std::string ini = dir.file("q.ini");
        std::string garbage;
        for (int i = 0; i < 5000; ++i)
            garbage += (char)((i * 7919 + 13) % 251 + 1);
        WriteFile(ini, garbage);
        EditorForm editor(Quoted(ini));
        REQUIRE(editor.open());
        CHECK(ButtonListCount == 0);
        SetWindowTextA(editor.control(IDC_WINDOWTITLE), "Clean");
        editor.click(IDOK);
        CHECK_FALSE(editor.open());
        CHECK(Profile(ini, "Window", "Title") == "Clean");
    }

    TEST_CASE("a file that cannot be written: the error once, the form stays open with its changes")
    {
        BoxAnswerer boxes;
        TempDir dir;
        const std::string ini = dir.file("q.ini");
        const std::string content = Section("Window") + Key("Title", "Bar") + IconButtons(dir, 2);
        WriteFile(ini, content);
        EditorForm editor(Quoted(ini));
        REQUIRE(editor.open());
        // Wine run as root writes read-only files, so another program holds it open as well
        REQUIRE(SetFileAttributesA(ini.c_str(), FILE_ATTRIBUTE_READONLY));
        HANDLE lock = CreateFileA(ini.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        REQUIRE(lock != INVALID_HANDLE_VALUE);
        editor.click(IDC_DELETE);
        editor.click(IDOK);
        REQUIRE(editor.open());
        auto seen = boxes.seen();
        REQUIRE(seen.size() == 1);
        CHECK(seen[0].caption == "Configure Quenvolet");
        CHECK(seen[0].text == "Unable to write to " + ini + ".");
        CHECK(ButtonListCount == 1);

        // the close question's Yes fails the same way and keeps the form open
        boxes.clear();
        boxes.answer({IDYES, IDOK});
        editor.click(IDCANCEL);
        CHECK(editor.open());
        CHECK(boxes.seen().size() == 2);

        CloseHandle(lock);
        CHECK(ReadFile(ini) == content);
        SetFileAttributesA(ini.c_str(), FILE_ATTRIBUTE_NORMAL);
        editor.click(IDOK);
        CHECK_FALSE(editor.open());
        CHECK(SectionNames(ini) == std::vector<std::string>{"Window", "Button1"});
    }
}

TEST_SUITE("grid")
{
    TEST_CASE("enabling of Insert, Delete, Properties and the arrows")
    {
        BoxAnswerer boxes;
        TempDir dir;
        struct Row { int count; bool grid, insert, remove, left, right; };
        const Row rows[] = {
            {0, false, true, false, false, false},
            {1, true, true, true, false, false},
            {2, true, true, true, false, true},
            {24, true, false, true, false, true},
        };
        for (const Row& r : rows) {
            CAPTURE(r.count);
            const std::string ini = dir.file("q" + std::to_string(r.count) + ".ini");
            WriteFile(ini, IconButtons(dir, r.count));
            EditorForm editor(Quoted(ini));
            REQUIRE(editor.open());
            CHECK(editor.visible(IDC_ICONGRID) == r.grid);
            CHECK(editor.visible(IDC_NOICONS) == !r.grid);
            CHECK(editor.enabled(IDC_INSERT) == r.insert);
            CHECK(editor.enabled(IDC_DELETE) == r.remove);
            CHECK(editor.enabled(IDC_CHANGE) == r.remove);
            CHECK(editor.enabled(IDC_MOVELEFT) == r.left);
            CHECK(editor.enabled(IDC_MOVERIGHT) == r.right);
            // the first control that takes the focus has it
            CHECK(GetFocus() == editor.control(r.grid ? IDC_ICONGRID : IDC_WINDOWTITLE));
        }
        CHECK(boxes.seen().empty());
        // the commands arrive anyway: a notice and no change
        {
            EditorForm editor(Quoted(dir.file("q0.ini")));
            editor.click(IDC_DELETE);
            CHECK(ButtonListCount == 0);
        }
        EditorForm editor(Quoted(dir.file("q24.ini")));
        editor.click(IDC_INSERT);
        CHECK(ButtonListCount == 24);
        const auto seen = boxes.seen();
        REQUIRE(seen.size() == 2);
        CHECK(seen[0].caption + "|" + seen[0].text == "Information|Cannot delete icon");
        CHECK(seen[1].caption + "|" + seen[1].text == "Information|Cannot insert more icons");
        editor.click(IDC_DELETE);
        CHECK(editor.enabled(IDC_INSERT));
    }

    TEST_CASE("eleven entries add the scroll bar and grow the grid once; ten remove it")
    {
        BoxAnswerer boxes;
        TempDir dir;
        const std::string ini = dir.file("q.ini");
        WriteFile(ini, IconButtons(dir, 12));
        EditorForm editor(Quoted(ini));
        REQUIRE(editor.open());
        const int bar = GetSystemMetrics(SM_CYHSCROLL);
        auto height = [&] { RECT r = editor.rect(IDC_ICONGRID); return r.bottom - r.top; };
        auto scrolls = [&] { return (GetWindowLongA(editor.control(IDC_ICONGRID), GWL_STYLE) & WS_HSCROLL) != 0; };
        CHECK(scrolls());
        CHECK(height() == 41 + bar);
        CHECK(editor.grid(GM_GETVISIBLECOLS) == 10);
        editor.click(IDC_DELETE);  // 11
        CHECK(scrolls());
        CHECK(height() == 41 + bar);
        editor.click(IDC_DELETE);  // 10
        CHECK_FALSE(scrolls());
        CHECK(height() == 41);
        editor.click(IDC_DELETE);  // 9
        CHECK(height() == 41);
    }

    TEST_CASE("selection by keys and mouse, and moving an entry right twice scrolls by one column")
    {
        BoxAnswerer boxes;
        TempDir dir;
        const std::string ini = dir.file("q.ini");
        WriteFile(ini, IconButtons(dir, 11));
        EditorForm editor(Quoted(ini));
        REQUIRE(editor.open());
        HWND grid = editor.control(IDC_ICONGRID);
        struct Row { const char* what; WPARAM key; int x; int current, first; bool left, right; };
        const Row rows[] = {
            {"End", VK_END, 0, 10, 1, true, false},
            {"Home", VK_HOME, 0, 0, 0, false, true},
            {"Right", VK_RIGHT, 0, 1, 0, true, true},
            {"Left", VK_LEFT, 0, 0, 0, false, true},
            {"Left at the start", VK_LEFT, 0, 0, 0, false, true},
            {"click on the ninth cell", 0, 8 * 37 + 10, 8, 0, true, true},
            {"click left of the cells", 0, -3, 8, 0, true, true},   // signed x: no column
            {"click on a grid line", 0, 3 * 37 - 1, 8, 0, true, true},
        };
        for (const Row& r : rows) {
            CAPTURE(r.what);
            if (r.key)
                editor.key(IDC_ICONGRID, r.key);
            else
                SendMessageA(grid, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(r.x, 10));
            CHECK(editor.grid(GM_GETCURRENT) == r.current);
            CHECK(editor.grid(GM_GETFIRSTCOL) == r.first);
            CHECK(editor.enabled(IDC_MOVELEFT) == r.left);
            CHECK(editor.enabled(IDC_MOVERIGHT) == r.right);
        }
        const std::string moved = ButtonList[8].IconFile;
        editor.click(IDC_MOVERIGHT);
        CHECK(editor.grid(GM_GETCURRENT) == 9);
        CHECK(editor.grid(GM_GETFIRSTCOL) == 0);
        SetFocus(editor.control(IDC_MOVERIGHT));
        editor.click(IDC_MOVERIGHT);
        CHECK(editor.grid(GM_GETCURRENT) == 10);
        CHECK(editor.grid(GM_GETFIRSTCOL) == 1);
        CHECK(ButtonList[10].IconFile == moved);
        CHECK(ButtonList[8].IconFile == dir.file("icon9.ico"));
        CHECK_FALSE(editor.enabled(IDC_MOVERIGHT));
        CHECK(GetFocus() == editor.control(IDOK));  // the disabled arrow handed the focus on
        editor.click(IDC_MOVELEFT);
        CHECK(ButtonList[9].IconFile == moved);
        CHECK(boxes.seen().empty());
    }

    TEST_CASE("Insert and Properties cancelled leave the list as it was")
    {
        BoxAnswerer boxes;
        TempDir dir;
        const std::string ini = dir.file("q.ini");
        const std::string content = IconButtons(dir, 10);
        WriteFile(ini, content);
        EditorForm editor(Quoted(ini));
        REQUIRE(editor.open());
        editor.key(IDC_ICONGRID, VK_RIGHT);
        for (int command : {IDC_INSERT, IDC_CHANGE}) {
            DialogDriver driver({[](HWND dialog) { ClickButton(dialog, IDCANCEL); }});
            editor.click(command);
            CHECK(driver.finished());
        }
        CHECK(boxes.seen().empty());
        CHECK(ButtonListCount == 10);
        CHECK(ButtonList[1].IconFile == dir.file("icon1.ico"));
        CHECK(editor.grid(GM_GETCURRENT) == 1);
        CHECK(editor.grid(GM_HASSCROLLBAR) == 0);
        editor.click(IDOK);  // nothing changed: nothing written, no question
        CHECK_FALSE(editor.open());
        CHECK(ReadFile(ini) == content);
    }

    TEST_CASE("screenshot of the main form with several buttons")
    {
        BoxAnswerer boxes;
        TempDir dir;
        const std::string ini = dir.file("q.ini");
        WriteFile(ini, Section("Window") + Key("Title", "My bar") + Key("Position", "Fixed") +
                           Key("Horizontal", "Left") + IconButtons(dir, 6));
        EditorForm editor(Quoted(ini));
        REQUIRE(editor.open());
        editor.key(IDC_ICONGRID, VK_RIGHT);
        RedrawWindow(editor.form.Handle, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        Pump(300);
        CHECK(SaveWindowBmp(editor.form.Handle, "editor-main.bmp"));
        // the second cell is drawn selected around its icon: highlight colour inside the raised frame
        RECT cell = editor.rect(IDC_ICONGRID);
        HDC screen = GetDC(nullptr);
        const int left = cell.left + 2 + 37;  // inside the client edge, second cell
        CHECK(GetPixel(screen, left + 1, cell.top + 2 + 1) == GetSysColor(COLOR_BTNHIGHLIGHT));
        CHECK(GetPixel(screen, left + 20, cell.top + 2 + 20) == RGB(0, 160, 0));
        ReleaseDC(nullptr, screen);
    }
}

TEST_SUITE("close")
{
    TEST_CASE("the close question: Cancel stays, No leaves the file, Yes saves")
    {
        BoxAnswerer boxes;
        TempDir dir;
        const std::string ini = dir.file("q.ini");
        const std::string content = IconButtons(dir, 3);
        struct Row { int answer; int command; bool open; bool saved; };
        const Row rows[] = {
            {IDCANCEL, IDCANCEL, true, false},
            {IDNO, IDCANCEL, false, false},
            {IDYES, IDCANCEL, false, true},
            {IDYES, 0, false, true},  // the close box
        };
        for (const Row& r : rows) {
            CAPTURE(r.answer);
            CAPTURE(r.command);
            WriteFile(ini, content);
            EditorForm editor(Quoted(ini));
            REQUIRE(editor.open());
            editor.click(IDC_MOVERIGHT);
            boxes.clear();
            boxes.answer({r.answer});
            if (r.command)
                editor.click(r.command);
            else
                SendMessageA(editor.form.Handle, WM_CLOSE, 0, 0);
            const auto seen = boxes.seen();
            REQUIRE(seen.size() == 1);
            CHECK(seen[0].caption == "Confirm");
            CHECK(seen[0].text == "Save changes to " + ini + "?");
            CHECK(editor.open() == r.open);
            CHECK((ReadFile(ini) != content) == r.saved);
            if (r.saved)
                CHECK(Profile(ini, "Button1", "IconFile") == dir.file("icon1.ico"));
        }
    }

    TEST_CASE("a placement chosen back is still a change; a typed title is noticed when the field is left")
    {
        BoxAnswerer boxes;
        TempDir dir;
        const std::string ini = dir.file("q.ini");
        WriteFile(ini, IconButtons(dir, 1));
        EditorForm editor(Quoted(ini));
        REQUIRE(editor.open());
        for (int choice : {1, 0}) {
            SendMessageA(editor.control(IDC_WINDOWPOS), CB_SETCURSEL, (WPARAM)choice, 0);
            SendMessageA(editor.form.Handle, WM_COMMAND, MAKEWPARAM(IDC_WINDOWPOS, CBN_SELCHANGE),
                         (LPARAM)editor.control(IDC_WINDOWPOS));
        }
        boxes.answer({IDCANCEL});
        editor.click(IDCANCEL);
        CHECK(boxes.seen().size() == 1);

        EditorForm second(Quoted(ini));
        // Esc while the title field has the focus: the change is not seen yet
        SetFocus(second.control(IDC_WINDOWTITLE));
        SetWindowTextA(second.control(IDC_WINDOWTITLE), "Typed");
        CHECK_FALSE(second.form.Modified);
        SetFocus(second.control(IDC_ICONGRID));
        CHECK(second.form.Modified);
    }
}

TEST_SUITE("start")
{
    TEST_CASE("the real program starts the launcher again: its path quoted when it has a blank")
    {
        // Esc and Enter reach Cancel and OK through the program's dialog manager
        struct Row { const char* folder; const char* iniName; WPARAM key; };
        const Row rows[] = {{"plain", "q.ini", VK_ESCAPE}, {"with blank", "my q.ini", VK_RETURN}};
        for (const Row& r : rows) {
            CAPTURE(r.folder);
            TempDir dir(r.folder);
            const std::string launcher = dir.file("Quenvolt.exe"), ini = dir.file(r.iniName);
            const std::string record = dir.file("record.txt");
            REQUIRE(CopyFileA((ProgramFolder() + "\\recorder.exe").c_str(), launcher.c_str(), FALSE));
            const std::string content = IconButtons(dir, 2);
            WriteFile(ini, content);
            SetEnvironmentVariableA("QV_RECORD", record.c_str());
            std::string command = Quoted(EditorProgram()) + " " + Quoted(ini) + " " + Quoted(launcher);
            STARTUPINFOA startup;
            ZeroMemory(&startup, sizeof startup);
            startup.cb = sizeof startup;
            PROCESS_INFORMATION process;
            REQUIRE(CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process));
            HWND grid = nullptr;
            for (int i = 0; i < 1500 && !grid; ++i) {
                Sleep(20);
                grid = FindEditorGrid(process.dwProcessId);
            }
            REQUIRE(grid != nullptr);
            PostMessageA(grid, WM_KEYDOWN, r.key, 1);
            CHECK(WaitForSingleObject(process.hProcess, 30000) == WAIT_OBJECT_0);
            CloseHandle(process.hProcess);
            CloseHandle(process.hThread);
            for (int i = 0; i < 1500 && ReadFile(record).empty(); ++i)
                Sleep(20);
            const std::string expected = (std::string(r.folder).find(' ') != std::string::npos ? Quoted(launcher) : launcher) + " " + ini;
            CHECK(ReadFile(record).find("cmdline=" + expected + "\n") == 0);
            CHECK(ReadFile(ini) == content);
            SetEnvironmentVariableA("QV_RECORD", nullptr);
        }
    }

    TEST_CASE("start-up with a missing file, a bad button number, a missing launcher")
    {
        BoxAnswerer boxes;
        TempDir dir;
        const std::string ini = dir.file("q.ini");
        WriteFile(ini, IconButtons(dir, 2));
        const std::string missing = dir.file("none.ini"), nolauncher = dir.file("nope.exe");
        struct Row {
            std::string parameters;
            bool numbered;  // a third parameter
            bool open;
            std::vector<std::string> boxes;  // caption|text of each box in turn
        };
        const Row rows[] = {
            {Quoted(missing), false, false,
             {"Confirm|File " + missing + " not found.\n\rDo you want to open a different file?"}},
            {Quoted(ini) + " " + Quoted(nolauncher) + " abc", true, true,
             {"Quenvolet icon properties|'abc' is not a valid integer value."}},
            {Quoted(ini) + " " + Quoted(nolauncher) + " 2", true, true, {}},   // the button count: normal mode
            {Quoted(ini) + " " + Quoted(nolauncher) + " -1", true, true, {}},
            {Quoted(missing) + " " + Quoted(nolauncher), false, false,
             {"Confirm|File " + missing + " not found.\n\rDo you want to open a different file?",
              "Error|Unable to start " + nolauncher}},
            {Quoted(ini) + " " + Quoted(nolauncher) + " 1", true, false,   // direct mode: never shown
             {"Error|Unable to start " + nolauncher}},
        };
        for (const Row& r : rows) {
            CAPTURE(r.parameters);
            boxes.clear();
            boxes.answer({IDNO});
            const std::string before = ReadFile(ini);
            DialogDriver driver({[](HWND dialog) { ClickButton(dialog, IDCANCEL); }});
            {
                EditorForm editor(r.parameters);
                CHECK(editor.open() == r.open);
                if (editor.open())
                    CHECK(IsWindowVisible(editor.form.Handle));
                CHECK(ApplicationTitle == (r.numbered ? "Quenvolet icon properties" : "Configure Quenvolet"));
            }
            std::vector<std::string> seen;
            for (const SeenBox& box : boxes.seen())
                seen.push_back(box.caption + "|" + box.text);
            if (r.open)
                seen.resize(seen.size() > r.boxes.size() ? r.boxes.size() : seen.size());  // the end of the test run
            CHECK(seen == r.boxes);
            CHECK(ReadFile(ini) == before);
        }
    }
}

TEST_SUITE("help")
{
    TEST_CASE("F1 opens the help page beside the program with the shell, or says why it cannot")
    {
        BoxAnswerer boxes;
        TempDir dir;
        const std::string ini = dir.file("q.ini"), record = dir.file("page.rec");
        WriteFile(ini, IconButtons(dir, 1));
        const std::string command = Quoted(ProgramFolder() + "\\recorder.exe") + " \"%1\"";
        RegSetValueA(HKEY_CLASSES_ROOT, ".html", REG_SZ, "QVconfigTestPage", 0);
        RegSetValueA(HKEY_CLASSES_ROOT, "QVconfigTestPage\\shell\\open\\command", REG_SZ, command.c_str(), 0);
        const std::string page = ProgramFolder() + "\\Quenvolt.html", aside = page + ".aside";
        EditorForm editor(Quoted(ini));
        REQUIRE(editor.open());

        SetEnvironmentVariableA("QV_RECORD", record.c_str());
        SendMessageA(editor.form.Handle, WM_HELP, 0, 0);
        for (int i = 0; i < 4500 && ReadFile(record).empty(); ++i)
            Sleep(20);
        CHECK(ReadFile(record).find(page) != std::string::npos);
        CHECK(boxes.seen().empty());
        SetEnvironmentVariableA("QV_RECORD", nullptr);

        REQUIRE(MoveFileA(page.c_str(), aside.c_str()));
        SendMessageA(editor.form.Handle, WM_HELP, 0, 0);
        MoveFileA(aside.c_str(), page.c_str());
        REQUIRE(boxes.seen().size() == 1);
        CHECK(boxes.seen()[0].caption == "Warning");
        CHECK(boxes.seen()[0].text == HelpPageProblem(HelpPageMissing));
        CHECK(editor.open());
    }
}
