// The hand-over with the real two programs: the bar started as a process of
// its own, the editor beside it, both driven through their windows, and the
// bar that the editor starts again when it ends.
#include "Fixture.h"

#include "../../editor/IconGrid.h"
#include "../../editor/forms/ChangeIconForm.h"
#include "../../editor/forms/MainForm.h"
#include "../../editor/forms/ModifyForm.h"

#include <algorithm>
#include <functional>

using namespace qv;

namespace {

const char* const BarClass = "QuenvoltWClass";
const char* const DialogClass = "#32770";
const char PropertiesCaption[] = "Quenvolet icon properties";
const int Slow = 120000;  // Wine starts a process in many seconds on a loaded machine

DWORD ProcessOf(HWND window)
{
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    return pid;
}

// Asked of the window: the name the system keeps is not another process's edit text.
std::string Text(HWND window)
{
    char text[512] = "";
    SendMessageA(window, WM_GETTEXT, sizeof text, (LPARAM)text);
    return text;
}

std::string ClassOf(HWND window)
{
    char text[64] = "";
    GetClassNameA(window, text, sizeof text);
    return text;
}

struct WindowQuery {
    std::function<bool(HWND)> passes;
    HWND found;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM data)
{
    WindowQuery& q = *reinterpret_cast<WindowQuery*>(data);
    if (ProcessOf(window) == GetCurrentProcessId() || !IsWindowVisible(window) || !q.passes(window))
        return TRUE;
    q.found = window;
    return FALSE;
}

// A visible top-level window of another process that passes the test.
HWND FindOther(std::function<bool(HWND)> passes)
{
    WindowQuery q = {passes, nullptr};
    EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&q));
    return q.found;
}

HWND FindOther(const char* cls, const char* caption = nullptr)
{
    return FindOther([=](HWND w) { return ClassOf(w) == cls && (caption == nullptr || Text(w) == caption); });
}

// Types text into an edit field of another process key by key, so that its
// dialog takes it for typing.
void Type(HWND edit, const std::string& text)
{
    SendMessageA(edit, WM_SETTEXT, 0, (LPARAM) "");
    for (char c : text)
        PostMessageA(edit, WM_CHAR, (WPARAM)(unsigned char)c, 0);
}

// What the test does in a dialog: the answer to press, or 0 for none yet.
using DialogWork = std::function<int(HWND)>;

// A name typed once into a field, then OK: the first press looks it up, the next closes the dialog.
DialogWork TypeThenOk(int field, const std::string& text)
{
    return [field, text, typed = false](HWND dialog) mutable {
        if (!typed)
            Type(GetDlgItem(dialog, field), text);
        typed = true;
        return IDOK;
    };
}

// The two programs in one folder with a blank in its name, and the
// configuration in another; the folder goes at the end with all in it.
struct Handover {
    TempDir dir;
    std::string programs = dir.file("Both Programs");
    std::string ini = dir.file("My Settings") + "\\Quen volt.INI";
    std::vector<std::string> seen;             // captions of the dialogs met, in order
    std::map<std::string, DialogWork> work;  // by caption; any other dialog is answered OK

    Handover()
    {
        CreateDirectoryA(programs.c_str(), nullptr);
        CreateDirectoryA(dir.file("My Settings").c_str(), nullptr);
        const std::string build = ProgramFolder();
        REQUIRE(CopyFileA((build + "\\Quenvolt.exe").c_str(), (programs + "\\Quenvolt.exe").c_str(), FALSE));
        REQUIRE(CopyFileA((build + "\\..\\editor\\bin\\QVconfig.exe").c_str(), (programs + "\\QVconfig.exe").c_str(),
                          FALSE));
        // programs the buttons stand for, told apart by name
        for (const char* name : {"Alpha", "Beta", "Gamma", "Delta", "Epsilon"})
            CopyFileA(RecorderPath().c_str(), program(name).c_str(), FALSE);
    }
    ~Handover()
    {
        // a bar left over is closed, so that nothing holds the folder
        for (int tries = 0; tries < 3; ++tries) {
            HWND bar = FindOther(BarClass);
            if (bar == nullptr)
                break;
            PostMessageA(bar, WM_CLOSE, 0, 0);
            waitForEnd(bar);
        }
    }

    std::string program(const char* name) const { return dir.file(std::string(name) + ".exe"); }

    std::string buttons(const std::vector<const char*>& names) const
    {
        std::string text;
        for (size_t n = 0; n < names.size(); ++n)
            text += Section("Button" + std::to_string(n + 1)) +
                    Key("FileName", lstrcmpA(names[n], "None") == 0 ? "None" : program(names[n]));
        return text;
    }

    // Starts the bar as its own process; the rest of its command line is the configuration path.
    HWND startBar(const std::string& content)
    {
        WriteFile(ini, content);
        std::string commandLine = "\"" + programs + "\\Quenvolt.exe\" " + ini;
        STARTUPINFOA startup = {};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION process;
        REQUIRE(CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, programs.c_str(),
                               &startup, &process));
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
        return waitFor([] { return FindOther(BarClass); });
    }

    // Pumps, working the dialogs of the other programs, until found() gives a window.
    template <class F>
    HWND waitFor(F found)
    {
        HWND window = nullptr;
        PumpUntil([&] {
            answerDialog();
            window = found();
            return window != nullptr;
        }, Slow);
        return window;
    }

    bool waitForEnd(HWND window)
    {
        HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, ProcessOf(window));
        if (process == nullptr)
            return !IsWindow(window);
        bool ended = false;
        PumpUntil([&] {
            answerDialog();
            return ended = WaitForSingleObject(process, 0) == WAIT_OBJECT_0;
        }, Slow);
        CloseHandle(process);
        return ended;
    }

    // Left alone: a dialog behind a modal one of its own, and the editor's main form, which the test works.
    void answerDialog()
    {
        HWND dialog = FindOther([](HWND w) {
            return ClassOf(w) == DialogClass && IsWindowEnabled(w) && GetDlgItem(w, IDC_ICONGRID) == nullptr;
        });
        if (dialog == nullptr)
            return;
        const std::string caption = Text(dialog);
        if (seen.empty() || seen.back() != caption)
            seen.push_back(caption);
        const int answer = work.count(caption) ? work[caption](dialog) : IDOK;
        if (answer != 0)
            PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(answer, BN_CLICKED), (LPARAM)GetDlgItem(dialog, answer));
        Pump(200);
    }

    bool saw(const std::string& caption) const { return std::count(seen.begin(), seen.end(), caption) > 0; }

    // Opens a button's popup menu and picks the item of that letter.
    void popup(HWND bar, int slot, char letter)
    {
        PostMessageA(bar, WM_SETCURSOR, (WPARAM)GetDlgItem(bar, FIRST_BUTTON_ID + slot),
                     MAKELPARAM(HTCLIENT, WM_RBUTTONUP));
        REQUIRE(waitFor([] { return FindOther("#32768"); }) != nullptr);
        PostMessageA(bar, WM_CHAR, (WPARAM)letter, 0);
    }

    // The bar that the editor started, once the editor has ended.
    HWND barAfter(HWND editor)
    {
        REQUIRE(waitForEnd(editor));
        return waitFor([] { return FindOther(BarClass); });
    }
};

std::vector<std::string> ButtonNames(HWND bar)
{
    std::vector<std::string> names;
    for (HWND b; (b = GetDlgItem(bar, FIRST_BUTTON_ID + (int)names.size())) != nullptr;) {
        std::string name = Text(b);
        if (EndsWith(name, ".exe"))
            name.resize(name.size() - 4);
        names.push_back(name);
    }
    return names;
}

int PixelsOf(HWND window, COLORREF colour)
{
    const Capture shot(window, false);
    return (int)std::count(shot.pixels.begin(), shot.pixels.end(), colour);
}

const std::string FloatingAt60 = Section("Window") + Key("Title", "Before") + Key("Left", "60") + Key("Top", "70");
const COLORREF Magenta = RGB(255, 0, 255);

}  // namespace

TEST_SUITE("handover")
{
    TEST_CASE("Configure hands over to the editor, whose save the bar shows when it comes back")
    {
        Handover h;
        HWND bar = h.startBar(FloatingAt60 + h.buttons({"Alpha", "Beta", "Gamma", "Delta"}));
        REQUIRE(bar != nullptr);
        h.popup(bar, 0, 'd');  // not saved yet: the bar writes it before the editor reads the file
        REQUIRE(h.waitFor([&] { return ButtonNames(bar).size() == 3 ? bar : nullptr; }) != nullptr);
        PostMessageA(bar, WM_SYSCOMMAND, IDM_CONFIGURE, 0);
        HWND editor = h.waitFor([] { return FindOther(DialogClass, "Configure Quenvolet"); });
        REQUIRE(editor != nullptr);
        CHECK(h.waitForEnd(bar));
        CHECK(Text(GetDlgItem(editor, IDC_INIFILENAME)) == h.ini);
        HWND grid = GetDlgItem(editor, IDC_ICONGRID);
        CHECK(SendMessageA(grid, GM_GETCOLCOUNT, 0, 0) == 3);

        SendMessageA(GetDlgItem(editor, IDC_WINDOWTITLE), WM_SETTEXT, 0, (LPARAM) "After");
        HWND position = GetDlgItem(editor, IDC_WINDOWPOS);
        SendMessageA(position, CB_SETCURSEL, 1, 0);  // top left
        SendMessageA(editor, WM_COMMAND, MAKEWPARAM(IDC_WINDOWPOS, CBN_SELCHANGE), (LPARAM)position);
        h.work["New quenvolet icon"] = TypeThenOk(IDC_EXEFILENAME, h.program("Epsilon"));
        SendMessageA(grid, GM_SETCURRENT, 1, 0);
        PostMessageA(editor, WM_COMMAND, IDC_INSERT, 0);  // Epsilon before Gamma
        REQUIRE(h.waitFor([&] {
            return h.saw("New quenvolet icon") && !FindOther(DialogClass, "New quenvolet icon") ? editor : nullptr;
        }) != nullptr);
        SendMessageA(grid, GM_SETCURRENT, 0, 0);
        SendMessageA(editor, WM_COMMAND, IDC_DELETE, 0);  // Beta
        SendMessageA(grid, GM_SETCURRENT, 2, 0);
        SendMessageA(editor, WM_COMMAND, IDC_MOVELEFT, 0);  // Delta before Gamma
        PostMessageA(editor, WM_COMMAND, IDOK, 0);

        bar = h.barAfter(editor);
        REQUIRE(bar != nullptr);
        CHECK(Text(bar) == "After");
        RECT area, r = WindowRect(bar);
        SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
        CHECK(r.left == area.left);
        CHECK(r.top == area.top);
        CHECK(ButtonNames(bar) == std::vector<std::string>{"Epsilon", "Delta", "Gamma"});
        CHECK(h.seen == std::vector<std::string>{"Quenvolet", "New quenvolet icon"});  // the bar's delete question
    }

    // Each row changes the icon of the bar's third button before it answers.
    // The editor counts a section the bar passed over ("None", or a file no
    // program opens), so the slot the bar hands over then names an entry
    // left of the button clicked.
    TEST_CASE("Properties opens the editor on the button's entry alone; the bar comes back as last saved")
    {
        const struct {
            std::vector<const char*> buttons;
            int answer;
            const char* opened;  // the entry the editor shows
        } rows[] = {
            {{"Alpha", "Beta", "Gamma", "Delta"}, IDOK, "Gamma.exe"},
            {{"Alpha", "None", "Beta", "Gamma"}, IDCANCEL, "Beta.exe"},
        };
        for (const auto& row : rows) {
            INFO(std::string(row.opened));
            Handover h;
            const std::string icon = h.dir.file("Magenta.ico");
            WriteIconFile(icon, Magenta, RGB(0, 0, 0));
            HWND bar = h.startBar(FloatingAt60 + h.buttons(row.buttons));
            REQUIRE(bar != nullptr);
            const std::string before = ReadFile(h.ini);
            // moved since the last save: the editor's bar does not know it
            SetWindowPos(bar, nullptr, 400, 300, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            std::string opened;
            h.work[PropertiesCaption] = [&](HWND dialog) {
                if (!opened.empty())  // back from the change icon dialog
                    return h.saw("Change Icon") ? row.answer : 0;
                opened = Text(GetDlgItem(dialog, IDC_EXEFILENAME));
                CHECK_FALSE(IsWindowVisible(GetWindow(dialog, GW_OWNER)));
                PostMessageA(dialog, WM_COMMAND, IDC_CHANGEICON, 0);
                return 0;
            };
            h.work["Change Icon"] = TypeThenOk(IDC_ICONFILENAME, icon);
            h.popup(bar, 2, 'p');

            bar = h.waitFor([&] { return IsWindow(bar) ? nullptr : FindOther(BarClass); });
            REQUIRE(bar != nullptr);
            CHECK(EndsWith(opened, row.opened));
            RECT r = WindowRect(bar);
            CHECK(r.left == 60);
            CHECK(r.top == 70);
            CHECK((ReadFile(h.ini) == before) == (row.answer == IDCANCEL));
            if (row.answer == IDOK) {
                CHECK(Profile(h.ini, "Button3", "IconFile") == icon);
                HWND third = GetDlgItem(bar, FIRST_BUTTON_ID + 2);
                CHECK(h.waitFor([&] { return PixelsOf(third, Magenta) > 800 ? third : nullptr; }) != nullptr);
            }
        }
    }
}
