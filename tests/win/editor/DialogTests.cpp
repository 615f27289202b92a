// The button properties dialog and the change icon dialog driven from
// inside their own message loops, opened from the main form as a user does.

#include "Chngicon.h"
#include "EditorHarness.h"

using namespace qe;

// Types a name into the properties dialog's file name field and presses Enter.
static void EnterName(HWND dialog, const std::string& name)
{
    TypeInto(GetDlgItem(dialog, IDC_EXEFILENAME), name);
    PostKey(GetDlgItem(dialog, IDC_EXEFILENAME), VK_RETURN);
}

TEST_SUITE("modify")
{
    // the new name is found only through the startup directory typed before it, and has no icon of its own
    TEST_CASE("Enter checks a typed name and stays open, a second closes; a name no program opens: a beep")
    {
        EditorCase c(2);
        const std::string silent = c.dir.file("silent.exe");
        const std::string noProgram = NoProgram("x.qvnone");
        REQUIRE(CopyFileA(RecorderPath().c_str(), silent.c_str(), FALSE));
        const std::string fallback = FallbackIconFile();
        EditorForm editor(Quoted(c.ini));
        // Enter presses the focused Cancel, which keeps nothing of what was typed; Alt+W leads nowhere
        CHECK(DriveDialogs({
            [&](HWND) { TypeKeys(silent), PressKeys({VK_TAB}); },  // the check of the name may take keys of its own
            [&](HWND) { PressKeys({VK_TAB, VK_TAB, VK_TAB, Alt | 'W', VK_TAB, VK_TAB, VK_RETURN}); },
        }, [&] { editor.click(IDC_CHANGE); }));
        CHECK(ButtonList[0].FileName == "program0.exe");
        CHECK_FALSE(editor.form.Modified);
        CHECK(DriveDialogs({
            [](HWND dialog) { ClickButton(dialog, IDC_CHANGEICON); },
            [](HWND) { PressKeys({VK_TAB, VK_RIGHT, VK_TAB, VK_TAB, VK_RETURN}); },  // the next icon, then Cancel
            [](HWND dialog) { ClickButton(dialog, IDOK); },
        }, [&] { editor.click(IDC_CHANGE); }));
        CHECK(ButtonList[0].IconIndex == 0);
        // the file browsers ask for a file that exists, and stay open for another name
        c.boxes.seen.clear();
        c.boxes.opened = 0;
        char folder[MAX_PATH];  // the browsers move the current folder, where a bare name is looked up
        GetCurrentDirectoryA(sizeof folder, folder);
        c.boxes.onNextBox = [] { PressKeys({VK_ESCAPE}); };  // once the box is answered, the browser is left
        CHECK(DriveDialogs({
            [](HWND dialog) { ClickButton(dialog, IDC_CHANGEICON); },
            [&](HWND dialog) { ClickButton(dialog, IDC_LOADICONS), TypeKeys(c.dir.file("none.ico") + "\r"); },
            [](HWND) { PressKeys({VK_ESCAPE}); },
            [](HWND dialog) { ClickButton(dialog, IDCANCEL); },
        }, [&] { editor.click(IDC_CHANGE); }));
        c.boxes.onNextBox = [] { PressKeys({VK_ESCAPE}); };  // and so does the program browser
        CHECK(DriveDialogs({
            [&](HWND dialog) { ClickButton(dialog, IDC_BROWSE), TypeKeys(c.dir.file("none.exe") + "\r"); },
            [](HWND dialog) { ClickButton(dialog, IDCANCEL); },
        }, [&] { editor.click(IDC_CHANGE); }));
        CHECK(c.boxes.opened == 2);
        SetCurrentDirectoryA(folder);
        CHECK(c.boxes.seen.find("Error|") == std::string::npos);  // the system's boxes, not the dialogs' errors
        // every change of the File field is checked before OK closes, and only OK writes the entry
        // (the shell finds a program for an empty name)
        const std::vector<int> all = {VK_HOME, VK_END | Shift}, menu = {VK_F10 | Shift};
        const std::vector<int> tail = {VK_END, VK_LEFT | Shift, VK_LEFT | Shift, VK_LEFT | Shift, VK_LEFT | Shift};
        std::vector<int> cut = KeysOf(silent, {Alt | 'A'});  // the name typed into Parameters and cut, for the File field
        cut.insert(cut.end(), {VK_HOME, VK_END | Shift, Ctrl | 'X', Alt | 'F', VK_HOME, VK_END | Shift});
        const struct Row { const char* what; std::vector<int> keys; int command; const char* left; } rows[] = {
            {"Delete of the whole name", Then(all, {VK_DELETE}), IDC_CHANGE, ""},
            {"Delete", Then(tail, {VK_DELETE}), IDC_CHANGE, "program0"},
            {"Shift+Del", Then(tail, {VK_DELETE | Shift}), IDC_CHANGE, "program0"},
            {"the menu's Delete", Then(tail, Then(menu, {'D'})), IDC_CHANGE, "program0"},
            {"Ctrl+V", Then(cut, {Ctrl | 'V'}), IDC_CHANGE, nullptr},
            {"the menu's Paste on a new entry", Then(cut, Then(menu, {'P'})), IDC_INSERT, nullptr},
        };
        for (const Row& r : rows) {
            CAPTURE(r.what);
            c.boxes.seen.clear();
            HWND opened = nullptr;
            const std::string box = r.left && *r.left ? NoProgram(r.left) : "";
            CHECK(DriveDialogs({
                [&](HWND dialog) { opened = dialog, PressKeys(Then(r.keys, {VK_RETURN})); },
                [&](HWND dialog) {
                    CHECK(dialog == opened);  // the check ran and the dialog stays
                    CHECK(c.boxes.seen == box);
                    PressKeys(r.left ? std::vector<int>{VK_RETURN, VK_ESCAPE} : std::vector<int>{VK_RETURN});  // OK refused, Esc
                },
            }, [&] { editor.click(r.command); }));
            CHECK(ButtonList[0].FileName == (r.left ? "program0.exe" : silent));
            CHECK(ButtonList[0].IconFile == (r.left ? Library(100) : fallback));
        }
        c.boxes.seen.clear();
        HWND opened = nullptr;
        auto same = [&](HWND dialog) { CHECK(dialog == opened); };  // the check ran, the dialog stays
        CHECK(DriveDialogs({
            [&](HWND dialog) { EnterName(opened = dialog, "x.qvnone"); },
            [&](HWND dialog) {
                same(dialog);
                CHECK(c.boxes.seen == noProgram);
                ClickButton(dialog, IDOK);  // a beep
            },
            [&](HWND dialog) {
                same(dialog);
                TypeInto(GetDlgItem(dialog, IDC_DEFAULTDIR), c.dir.path());
                TypeInto(GetDlgItem(dialog, IDC_PARAMETERS), "-p");
                SendDlgItemMessageA(dialog, IDC_WINDOWSTYLE, CB_SETCURSEL, 2, 0);
                EnterName(dialog, "silent.exe");  // leaves the directory field
            },
            [&](HWND dialog) { same(dialog), PostKey(GetDlgItem(dialog, IDC_EXEFILENAME), VK_RETURN); },
        }, [&] { editor.click(IDC_CHANGE); }));
        CHECK(c.boxes.seen == noProgram);
        CHECK(ButtonList[0].FileName == "silent.exe");
        CHECK(ButtonList[0].DefaultDirectory == c.dir.path());
        CHECK(ButtonList[0].Parameters == "-p");
        CHECK(ButtonList[0].WindowState == 2);
        CHECK(ButtonList[0].IconFile == fallback);
        CHECK(ButtonList[0].IconIndex == 1);
        CHECK(editor.form.Modified);
    }
}

TEST_SUITE("changeicon")
{
    TEST_CASE("at most 256 icons, the selection centred or clamped, images taken once; bad names change nothing")
    {
        EditorCase c(1);
        const std::string text = c.dir.file("notes.txt"), damaged = c.dir.file("damaged.ico");
        WriteFile(text, "no icons here");
        WriteFile(damaged, std::string("\0\0\1\0\xFF\xFF\x20\x20", 8) + std::string(40, '\x7F'));
        const std::string longName = "C:\\" + std::string(300, 'a') + ".ico";
        const std::string bad[][2] = {
            {longName, "Error|File " + longName + " not found\n"},
            {c.dir.path(), "Error|File " + c.dir.path() + " not found\n"},
            {text, "Error|File " + text + " does not contain any icons\n"},
            {damaged, "Error|File " + damaged + " does not contain any icons\n"},
        };
        EditorForm editor(Quoted(c.ini));
        const struct Row { int count, index, first, current; } rows[] = {
            {100, 10, 7, 10}, {100, 300, 93, 99}, {100, -5, 0, 0}, {256, 0, 0, 0}, {257, 0, 0, 0}};
        for (const Row& r : rows) {
            CAPTURE(r.count);
            CAPTURE(r.index);
            c.boxes.seen.clear();
            ChangeIconReads = IconFileReads{0, 0};
            ButtonList[0].IconFile = Library(r.count);
            ButtonList[0].IconIndex = r.index;
            CHECK(DriveDialogs({
                [](HWND dialog) { ClickButton(dialog, IDC_CHANGEICON); },
                [&](HWND dialog) {
                    const std::string warning = "Warning|File " + Library(r.count) + " contains more than 256 "
                                                "icons.\n\rOnly the first 256 icons will be shown.\n";
                    CHECK(c.boxes.seen == (r.count > 256 ? warning : ""));
                    HWND grid = GetDlgItem(dialog, IDC_ICONLIST);
                    UpdateWindow(grid);
                    RedrawWindow(grid, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
                    CHECK(ChangeIconReads.images == 7);  // only the columns seen, each taken once and drawn again
                    if (r.first == 0) {  // a column scrolled in is taken then
                        SendMessageA(grid, WM_HSCROLL, SB_LINERIGHT, 0);
                        UpdateWindow(grid);
                        CHECK(ChangeIconReads.images == 8);
                        SendMessageA(grid, WM_HSCROLL, SB_LINELEFT, 0);
                    }
                    for (const auto& b : bad) {
                        CAPTURE(b[0]);
                        c.boxes.seen.clear();
                        TypeInto(GetDlgItem(dialog, IDC_ICONFILENAME), b[0]);
                        SetFocus(grid);  // leaving the field checks the name
                        CHECK(c.boxes.seen == b[1]);
                    }
                    CHECK(SendMessageA(grid, GM_GETCOLCOUNT, 0, 0) == (r.count > 256 ? 256 : r.count));
                    CHECK(SendMessageA(grid, GM_GETFIRSTCOL, 0, 0) == r.first);
                    CHECK(SendMessageA(grid, GM_GETCURRENT, 0, 0) == r.current);
                    // retyping the listed name loads nothing; Enter settles it, the second Enter closes
                    const int counts = ChangeIconReads.counts;
                    TypeInto(GetDlgItem(dialog, IDC_ICONFILENAME), Library(r.count));
                    PostKey(GetDlgItem(dialog, IDC_ICONFILENAME), VK_RETURN);
                    CHECK(ChangeIconReads.counts == counts);
                },
                [&](HWND dialog) { PostKey(GetDlgItem(dialog, IDC_ICONFILENAME), VK_RETURN); },
                [](HWND dialog) {
                    CHECK(GetDlgItem(dialog, IDC_EXEFILENAME) != nullptr);  // back in the properties dialog
                    ClickButton(dialog, IDOK);
                },
            }, [&] { editor.click(IDC_CHANGE); }));
            CHECK(ButtonList[0].IconIndex == r.current);
            ICONINFO info;  // the image handed back outlives the dialog's list
            REQUIRE(GetIconInfo(ButtonList[0].Icon.handle(), &info));
            DeleteObject(info.hbmColor);
            DeleteObject(info.hbmMask);
        }
    }
}
