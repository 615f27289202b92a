// The button properties dialog and the change icon dialog driven from
// inside their own message loops, opened from the main form as a user does.
#include <doctest.h>

#include "Chngicon.h"
#include "EditorHarness.h"
#include "IconGrid.h"
#include "IconUtil.h"
#include "forms/ChangeIconForm.h"
#include "forms/MainForm.h"
#include "forms/ModifyForm.h"

using namespace qe;

namespace {

std::string Quoted(const std::string& s)
{
    return "\"" + s + "\"";
}

std::string Text(HWND dialog, int id)
{
    char text[2048] = "";
    GetDlgItemTextA(dialog, id, text, sizeof text);
    return text;
}

int Grid(HWND dialog, UINT message)
{
    return (int)SendDlgItemMessageA(dialog, IDC_ICONLIST, message, 0, 0);
}

std::string Library(int count)
{
    return ProgramFolder() + "\\icons" + std::to_string(count) + ".dll";
}

// The bar colour that the icon library draws into icon number n.
COLORREF LibraryColour(int n)
{
    return RGB((n * 53) % 256, (n * 97) % 256, (n * 191) % 256);
}

COLORREF IconPixel(HICON icon, int x, int y)
{
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 32, 32);
    HGDIOBJ old = SelectObject(dc, bitmap);
    DrawIcon(dc, 0, 0, icon);
    const COLORREF colour = GetPixel(dc, x, y);
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    return colour;
}

std::vector<std::string> Boxes(const BoxAnswerer& boxes)
{
    std::vector<std::string> seen;
    for (const SeenBox& box : boxes.seen())
        seen.push_back(box.caption + "|" + box.text);
    return seen;
}

void Repaint(HWND window)
{
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

// Repaints a dialog and lets it reach the screen: every message but the
// driver's timer is handled for a while, so that no step runs meanwhile.
void Settle(HWND dialog)
{
    Repaint(dialog);
    const DWORD start = GetTickCount();
    do {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, WM_TIMER - 1, PM_REMOVE) ||
               PeekMessageA(&msg, nullptr, WM_TIMER + 1, 0xFFFFFFFF, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        Sleep(10);
    } while (GetTickCount() - start < 400);
}

// Opens the change icon dialog on entry 0 with the given file and index and
// runs steps in it (the last one closing it); the properties dialog under
// it is then closed with then.
void InChangeIcon(EditorForm& editor, const std::string& file, int index, std::vector<DialogDriver::Step> steps,
                  int then = IDCANCEL)
{
    ButtonList[0].IconFile = file;
    ButtonList[0].IconIndex = index;
    std::vector<DialogDriver::Step> all;
    all.push_back([](HWND dialog) { ClickButton(dialog, IDC_CHANGEICON); });
    for (auto& step : steps)
        all.push_back(step);
    all.push_back([then](HWND dialog) {
        CHECK(GetDlgItem(dialog, IDC_EXEFILENAME) != nullptr);  // back in the properties dialog
        ClickButton(dialog, then);
    });
    DialogDriver driver(all);
    editor.click(IDC_CHANGE);
    CHECK(driver.finished());
    CHECK_FALSE(driver.timedOut());
}

}  // namespace

TEST_SUITE("modify")
{
    TEST_CASE("Enter checks a typed name and stays open, a second Enter closes; a name without a program only beeps; Cancel keeps the entry")
    {
        BoxAnswerer boxes;
        TempDir dir;
        const std::string ini = dir.file("q.ini"), exe = EditorProgram();
        WriteFile(ini, IconButtons(dir, 2));
        EditorForm editor(Quoted(ini));
        REQUIRE(editor.open());
        const HICON before = ButtonList[0].Icon.handle();
        HWND opened = nullptr;
        {
            DialogDriver driver({
                [&](HWND dialog) {
                    opened = dialog;
                    TypeInto(GetDlgItem(dialog, IDC_EXEFILENAME), exe);
                    PostKey(GetDlgItem(dialog, IDC_EXEFILENAME), VK_RETURN);
                },
                [&](HWND dialog) {
                    CHECK(dialog == opened);  // the check ran, the dialog stays
                    ClickButton(dialog, IDCANCEL);
                },
            });
            editor.click(IDC_CHANGE);
            CHECK(driver.finished());
        }
        CHECK(ButtonList[0].Icon.handle() == before);
        CHECK(ButtonList[0].FileName == "program0.exe");
        CHECK(ButtonList[0].IconFile == dir.file("icon0.ico"));
        CHECK_FALSE(editor.form.Modified);
        CHECK(boxes.seen().empty());

        const std::string missing = "No associated executable file found for file\n\rx.qvnone";
        auto same = [&](HWND dialog) { CHECK(dialog == opened); };
        DialogDriver driver({
            [&](HWND dialog) {
                opened = dialog;
                TypeInto(GetDlgItem(dialog, IDC_EXEFILENAME), "x.qvnone");
                PostKey(GetDlgItem(dialog, IDC_EXEFILENAME), VK_RETURN);
            },
            [&](HWND dialog) {
                same(dialog);
                CHECK(Boxes(boxes) == std::vector<std::string>{"Error|" + missing});
                PostKey(GetDlgItem(dialog, IDC_EXEFILENAME), VK_RETURN);  // a beep
            },
            [&](HWND dialog) {
                same(dialog);
                ClickButton(dialog, IDOK);  // a beep
            },
            [&](HWND dialog) {
                same(dialog);
                CHECK(boxes.seen().size() == 1);
                TypeInto(GetDlgItem(dialog, IDC_EXEFILENAME), exe);
                PostKey(GetDlgItem(dialog, IDC_EXEFILENAME), VK_RETURN);
            },
            [&](HWND dialog) {
                same(dialog);
                PostKey(GetDlgItem(dialog, IDC_EXEFILENAME), VK_RETURN);
            },
        });
        editor.click(IDC_CHANGE);
        CHECK(driver.finished());
        CHECK(boxes.seen().size() == 1);
        CHECK(ButtonList[0].FileName == exe);
        CHECK(ButtonList[0].IconFile == exe);
        CHECK(ButtonList[0].IconIndex == 0);
        CHECK_FALSE(ButtonList[0].Icon.empty());
        CHECK(editor.form.Modified);
    }

    TEST_CASE("a new file name takes its program's icon 0 or the fall-back icon 1; a new startup directory serves the next lookup")
    {
        BoxAnswerer boxes;
        TempDir dir;
        const std::string ini = dir.file("q.ini"), silent = dir.file("silent.exe");
        REQUIRE(CopyFileA((ProgramFolder() + "\\recorder.exe").c_str(), silent.c_str(), FALSE));
        std::string fallback;
        REQUIRE(FindFallbackIconFile(&fallback));
        WriteFile(ini, Section("Button1") + Key("Filename", "program0.exe") + Key("IconFile", fallback) +
                           Key("IconIndex", "5"));
        EditorForm editor(Quoted(ini));
        REQUIRE(editor.open());
        {
            DialogDriver driver({
                [&](HWND dialog) {
                    TypeInto(GetDlgItem(dialog, IDC_DEFAULTDIR), dir.path());
                    TypeInto(GetDlgItem(dialog, IDC_EXEFILENAME), "silent.exe");  // leaves the directory field
                    PostKey(GetDlgItem(dialog, IDC_EXEFILENAME), VK_RETURN);
                },
                [&](HWND dialog) {
                    TypeInto(GetDlgItem(dialog, IDC_PARAMETERS), "-p");
                    SendDlgItemMessageA(dialog, IDC_WINDOWSTYLE, CB_SETCURSEL, 2, 0);
                    ClickButton(dialog, IDOK);
                },
            });
            editor.click(IDC_CHANGE);
            CHECK(driver.finished());
        }
        CHECK(boxes.seen().empty());
        CHECK(ButtonList[0].FileName == "silent.exe");
        CHECK(ButtonList[0].DefaultDirectory == dir.path());
        CHECK(ButtonList[0].IconFile == fallback);
        CHECK(ButtonList[0].IconIndex == 1);
        CHECK(ButtonList[0].Parameters == "-p");
        CHECK(ButtonList[0].WindowState == 2);

        // a program with icons: its icon 0; no window style chosen keeps the former one
        const std::string exe = EditorProgram();
        DialogDriver driver({[&](HWND dialog) {
            TypeInto(GetDlgItem(dialog, IDC_EXEFILENAME), exe);
            SendDlgItemMessageA(dialog, IDC_WINDOWSTYLE, CB_SETCURSEL, (WPARAM)-1, 0);
            ClickButton(dialog, IDOK);  // the focus leaves the field first: the check runs, then OK closes
        }});
        editor.click(IDC_CHANGE);
        CHECK(driver.finished());
        CHECK(ButtonList[0].IconFile == exe);
        CHECK(ButtonList[0].IconIndex == 0);
        CHECK(ButtonList[0].WindowState == 2);
        CHECK(boxes.seen().empty());
    }

    TEST_CASE("Insert, Properties and direct mode open the dialog below and right of their form")
    {
        BoxAnswerer boxes;
        TempDir dir;
        const std::string ini = dir.file("q.ini");
        WriteFile(ini, IconButtons(dir, 2));
        {
            EditorForm editor(Quoted(ini));
            REQUIRE(editor.open());
            RECT form;
            GetWindowRect(editor.form.Handle, &form);
            DialogDriver driver({
                [&](HWND dialog) {
                    char caption[64];
                    GetWindowTextA(dialog, caption, sizeof caption);
                    CHECK(std::string(caption) == "New quenvolet icon");
                    RECT r;
                    GetWindowRect(dialog, &r);
                    CHECK(r.left == form.left + DoubleFrameWidth);
                    CHECK(r.top == form.top + CaptionFrameHeight);
                    CHECK(Text(dialog, IDC_EXEFILENAME).empty());
                    CHECK(GetFocus() == GetDlgItem(dialog, IDC_EXEFILENAME));
                    PostKey(GetDlgItem(dialog, IDC_EXEFILENAME), VK_RETURN);  // an empty name: a beep
                },
                [&](HWND dialog) { ClickButton(dialog, IDCANCEL); },
            });
            editor.click(IDC_INSERT);
            CHECK(driver.finished());
            CHECK(ButtonListCount == 2);  // the inserted entry is gone again
            CHECK(ButtonList[0].FileName == "program0.exe");
            CHECK(boxes.seen().empty());
        }
        const std::string nolauncher = dir.file("nope.exe");
        DialogDriver driver({[&](HWND dialog) {
            char caption[64];
            GetWindowTextA(dialog, caption, sizeof caption);
            CHECK(std::string(caption) == "Quenvolet icon properties");
            CHECK(Text(dialog, IDC_EXEFILENAME) == "program1.exe");
            TypeInto(GetDlgItem(dialog, IDC_PARAMETERS), "direct");
            ClickButton(dialog, IDOK);
        }});
        EditorForm direct(Quoted(ini) + " " + Quoted(nolauncher) + " 1");
        CHECK(driver.finished());
        CHECK_FALSE(direct.open());
        CHECK(Profile(ini, "Button2", "Parameters") == "direct");
        CHECK(Profile(ini, "Button2", "IconFile") == dir.file("icon1.ico"));
    }
}

TEST_SUITE("changeicon")
{
    TEST_CASE("256 icons without a warning, 257 and 1,000 with it; images are taken only for the columns seen")
    {
        BoxAnswerer boxes;
        TempDir dir;
        const std::string ini = dir.file("q.ini");
        WriteFile(ini, IconButtons(dir, 1));
        EditorForm editor(Quoted(ini));
        REQUIRE(editor.open());
        for (int count : {256, 257, 1000}) {
            CAPTURE(count);
            boxes.clear();
            ChangeIconReads = IconFileReads{0, 0};
            InChangeIcon(editor, Library(count), 0, {[&](HWND dialog) {
                CHECK(Grid(dialog, GM_GETCOLCOUNT) == 256);
                CHECK(Grid(dialog, GM_GETVISIBLECOLS) == 7);
                CHECK(Grid(dialog, GM_HASSCROLLBAR) == 1);
                CHECK(Text(dialog, IDC_ICONFILENAME) == Library(count));
                HWND grid = GetDlgItem(dialog, IDC_ICONLIST);
                UpdateWindow(grid);
                CHECK(ChangeIconReads.images == 7);
                SendMessageA(grid, WM_HSCROLL, SB_LINERIGHT, 0);
                UpdateWindow(grid);
                CHECK(ChangeIconReads.images == 8);
                SendMessageA(grid, WM_HSCROLL, SB_LINELEFT, 0);
                Repaint(grid);
                CHECK(ChangeIconReads.images == 8);  // taken once, drawn again
                ClickButton(dialog, IDCANCEL);
            }});
            const std::string warning = "Warning|File " + Library(count) + " contains more than 256 icons.\n\r"
                                        "Only the first 256 icons will be shown.";
            CHECK(Boxes(boxes) == (count == 256 ? std::vector<std::string>{} : std::vector<std::string>{warning}));
        }
    }

    TEST_CASE("the selection is centred, a stored index out of range is clamped, and OK hands back an image that outlives the list")
    {
        BoxAnswerer boxes;
        TempDir dir;
        const std::string ini = dir.file("q.ini");
        WriteFile(ini, IconButtons(dir, 1));
        EditorForm editor(Quoted(ini));
        REQUIRE(editor.open());
        struct Row { int index; int first; int current; };
        const Row rows[] = {{3, 0, 3}, {10, 7, 10}, {95, 93, 95}, {300, 93, 99}, {65535, 0, 0}, {-5, 0, 0}};
        for (const Row& r : rows) {
            CAPTURE(r.index);
            InChangeIcon(editor, Library(100), r.index, {
                [&](HWND dialog) {
                    CHECK(Grid(dialog, GM_GETFIRSTCOL) == r.first);
                    CHECK(Grid(dialog, GM_GETCURRENT) == r.current);
                    // retyping the listed name loads nothing; Enter settles it, the second Enter closes
                    const int counts = ChangeIconReads.counts;
                    TypeInto(GetDlgItem(dialog, IDC_ICONFILENAME), Library(100));
                    PostKey(GetDlgItem(dialog, IDC_ICONFILENAME), VK_RETURN);
                    CHECK(ChangeIconReads.counts == counts);
                },
                [&](HWND dialog) {
                    CHECK(GetDlgItem(dialog, IDC_ICONFILENAME) != nullptr);
                    PostKey(GetDlgItem(dialog, IDC_ICONFILENAME), VK_RETURN);
                },
            }, IDOK);
            CHECK(ButtonList[0].IconFile == Library(100));
            CHECK(ButtonList[0].IconIndex == r.current);
            ICONINFO info;
            REQUIRE(GetIconInfo(ButtonList[0].Icon.handle(), &info));
            DeleteObject(info.hbmColor);
            DeleteObject(info.hbmMask);
            CHECK(IconPixel(ButtonList[0].Icon.handle(), 6, 3) == LibraryColour(r.current));
        }
        CHECK(boxes.seen().empty());
    }

    TEST_CASE("bad names: a message each, and the former list, selection and name stay")
    {
        BoxAnswerer boxes;
        TempDir dir;
        const std::string ini = dir.file("q.ini");
        WriteFile(ini, IconButtons(dir, 1));
        const std::string text = dir.file("notes.txt"), damaged = dir.file("damaged.ico");
        WriteFile(text, "no icons here");
        WriteFile(damaged, std::string("\0\0\1\0\xFF\xFF\x20\x20", 8) + std::string(40, '\x7F'));
        const std::string longName = "C:\\" + std::string(300, 'a') + ".ico";
        struct Row { std::string name; std::string box; };
        const Row rows[] = {
            {longName, "Error|File " + longName + " not found"},
            {dir.path(), "Error|File " + dir.path() + " not found"},
            {text, "Error|File " + text + " does not contain any icons"},
            {damaged, "Error|File " + damaged + " does not contain any icons"},
        };
        EditorForm editor(Quoted(ini));
        REQUIRE(editor.open());
        InChangeIcon(editor, Library(100), 10, {[&](HWND dialog) {
            for (const Row& r : rows) {
                CAPTURE(r.name);
                boxes.clear();
                TypeInto(GetDlgItem(dialog, IDC_ICONFILENAME), r.name);
                SetFocus(GetDlgItem(dialog, IDC_ICONLIST));  // leaving the field checks the name
                CHECK(Boxes(boxes) == std::vector<std::string>{r.box});
                CHECK(Text(dialog, IDC_ICONFILENAME) == Library(100));
                CHECK(Grid(dialog, GM_GETCOLCOUNT) == 100);
                CHECK(Grid(dialog, GM_GETCURRENT) == 10);
            }
            ClickButton(dialog, IDCANCEL);
        }});
    }

    TEST_CASE("fifty rounds of opening and cancelling leave no GDI or USER objects behind")
    {
        BoxAnswerer boxes;
        TempDir dir;
        const std::string ini = dir.file("q.ini");
        WriteFile(ini, IconButtons(dir, 1));
        EditorForm editor(Quoted(ini));
        REQUIRE(editor.open());
        auto round = [&] {
            InChangeIcon(editor, Library(256), 20, {[](HWND dialog) {
                Repaint(dialog);
                ClickButton(dialog, IDCANCEL);
            }});
        };
        round();  // the first round loads what stays for the whole run
        const DWORD gdi = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
        const DWORD user = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS);
        for (int i = 0; i < 50; ++i)
            round();
        CHECK(GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS) <= gdi);
        CHECK(GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS) <= user);
        MESSAGE("GDI objects " << gdi << ", USER objects " << user);
        CHECK(boxes.seen().empty());
    }

    TEST_CASE("screenshots of both dialogs")
    {
        BoxAnswerer boxes;
        TempDir dir;
        const std::string ini = dir.file("q.ini");
        WriteFile(ini, IconButtons(dir, 1));
        EditorForm editor(Quoted(ini));
        REQUIRE(editor.open());
        ButtonList[0].Parameters = "-x";
        ButtonList[0].DefaultDirectory = dir.path();
        ButtonList[0].IconFile = Library(100);
        ButtonList[0].IconIndex = 10;
        DialogDriver driver({
            [&](HWND dialog) {
                Settle(dialog);
                CHECK(SaveWindowBmp(dialog, "editor-properties.bmp"));
                ClickButton(dialog, IDC_CHANGEICON);
            },
            [&](HWND dialog) {
                Settle(dialog);
                CHECK(SaveWindowBmp(dialog, "editor-changeicon.bmp"));
                ClickButton(dialog, IDCANCEL);
            },
            [&](HWND dialog) { ClickButton(dialog, IDCANCEL); },
        });
        editor.click(IDC_CHANGE);
        CHECK(driver.finished());
    }
}
