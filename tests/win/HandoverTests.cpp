// The hand-over with the real two programs: the bar started as a process of
// its own, the editor beside it, both driven through their windows, and the
// bar that the editor starts again when it ends.
#include "Fixture.h"

#include "../../editor/IconGrid.h"
#include "../../editor/forms/ChangeIconForm.h"
#include "../../editor/forms/MainForm.h"
#include "../../editor/forms/ModifyForm.h"

#include <algorithm>

using namespace qv;

namespace {

const char* const BarClass = "QuenvoltWClass";

// Types a name key by key into a dialog of another process, so that it takes
// it for typing, then presses OK twice: the first press looks the name up,
// the next closes the dialog. Posted messages of one thread come in order.
void TypeAndConfirm(HWND dialog, int field, const std::string& text)
{
    SendMessageA(GetDlgItem(dialog, field), WM_SETTEXT, 0, (LPARAM) "");
    for (char c : text)
        PostMessageA(GetDlgItem(dialog, field), WM_CHAR, (WPARAM)(unsigned char)c, 0);
    Press(dialog, IDOK), Press(dialog, IDOK);
}

// The two programs in one folder with a blank in its name, and the
// configuration in another; the folder goes at the end with all in it.
struct Handover {
    TempDir dir;
    std::string programs = dir.file("Both Programs");
    std::string ini = dir.file("My Settings") + "\\Quen volt.INI";

    Handover()
    {
        CreateDirectoryA(programs.c_str(), nullptr);
        CreateDirectoryA(dir.file("My Settings").c_str(), nullptr);
        REQUIRE(CopyFileA((ProgramFolder() + "\\Quenvolt.exe").c_str(), (programs + "\\Quenvolt.exe").c_str(), FALSE));
        REQUIRE(CopyFileA(EditorProgram().c_str(), (programs + "\\QVconfig.exe").c_str(), FALSE));
        // programs the buttons stand for, told apart by name
        for (const char* name : {"Alpha", "Beta", "Gamma", "Epsilon"})
            CopyFileA(RecorderPath().c_str(), program(name).c_str(), FALSE);
    }
    ~Handover()
    {
        // what a case left running is ended, so that nothing holds the folder
        for (const char* cls : {DialogClass, BarClass})
            for (HWND window; (window = FindOther(cls)) != nullptr;) {
                HANDLE process = OpenProcess(SYNCHRONIZE | PROCESS_TERMINATE, FALSE, ProcessOf(window));
                TerminateProcess(process, 1);
                if (!WaitForProcess(process, Slow))
                    break;
            }
    }

    std::string program(const char* name) const { return dir.file(std::string(name) + ".exe"); }

    // Starts the bar as its own process on these buttons, after the given
    // sections; the rest of its command line is the configuration path.
    HWND startBar(const std::string& window, const std::vector<const char*>& names)
    {
        std::string content = window;
        for (size_t n = 0; n < names.size(); ++n)
            content += Button((int)n + 1) + Key("FileName", lstrcmpA(names[n], "None") == 0 ? "None" : program(names[n]));
        WriteFile(ini, content);
        HANDLE process = StartProcess(Quoted(programs + "\\Quenvolt.exe") + " " + ini, programs.c_str());
        REQUIRE(process != nullptr);
        CloseHandle(process);
        return WaitFor(BarClass);
    }
};

// Opens a button's popup menu and picks the item of that letter.
void Popup(HWND bar, int slot, char letter)
{
    PostMessageA(bar, WM_SETCURSOR, (WPARAM)GetDlgItem(bar, FIRST_BUTTON_ID + slot),
                 MAKELPARAM(HTCLIENT, WM_RBUTTONUP));
    WaitFor("#32768");  // the popup menu
    PostMessageA(bar, WM_CHAR, (WPARAM)letter, 0);
}

}  // namespace

TEST_SUITE("handover")
{
    TEST_CASE("Configure hands over to the editor, whose save the bar shows when it comes back")
    {
        Handover h;
        HWND bar = h.startBar("", {"Alpha", "Beta", "Gamma"});
        Popup(bar, 0, 'd');  // not saved yet: the bar writes it before the editor reads the file
        Press(WaitFor(DialogClass, "Quenvolet"), IDOK);
        PostMessageA(bar, WM_SYSCOMMAND, IDM_CONFIGURE, 0);
        HWND editor = WaitFor(DialogClass, "Configure Quenvolet");
        SendMessageA(GetDlgItem(editor, IDC_ICONGRID), GM_SETCURRENT, 1, 0);
        PostMessageA(editor, WM_COMMAND, IDC_INSERT, 0);  // Epsilon before Gamma
        TypeAndConfirm(WaitFor(DialogClass, "New quenvolet icon"), IDC_EXEFILENAME, h.program("Epsilon"));
        Press(editor, IDOK);

        bar = WaitFor(BarClass, nullptr, bar);
        std::vector<std::string> names;
        for (HWND b; (b = GetDlgItem(bar, FIRST_BUTTON_ID + (int)names.size())) != nullptr;)
            names.push_back(TextOf(b));
        CHECK(names == std::vector<std::string>{"Beta.exe", "Epsilon.exe", "Gamma.exe"});
    }

    // Each row changes the icon of the bar's third button before it answers.
    // The editor counts a section the bar passed over ("None", or a file no
    // program opens), so the slot the bar hands over then names an entry
    // left of the button clicked.
    TEST_CASE("Properties opens the editor on the button's entry alone; the bar comes back as last saved")
    {
        // the buttons, the answer to the properties, the entry the editor shows and a box it shows first, if any
        const struct { std::vector<const char*> buttons; int answer; const char *opened, *box; } rows[] = {
            {{"Alpha", "Beta", "Gamma"}, IDOK, "Gamma.exe", nullptr},
            {{"Alpha", "None", "Beta", "Gamma"}, IDCANCEL, "Beta.exe", "Error"},
        };
        for (const auto& row : rows) {
            INFO(std::string(row.opened));
            Handover h;
            const std::string icon = IconOf(24);  // the longest bar
            HWND bar = h.startBar(Section("Window") + Key("Left", "60") + Key("Top", "70"), row.buttons);
            const std::string before = ReadFile(h.ini);
            // moved since the last save: the editor's bar does not know it
            SetWindowPos(bar, nullptr, 400, 300, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            Popup(bar, 2, 'p');
            if (row.box != nullptr)
                Press(WaitFor(DialogClass, row.box), IDOK);
            HWND properties = WaitFor(DialogClass, "Quenvolet icon properties");
            CHECK(SamePath(NamePart(TextOf(GetDlgItem(properties, IDC_EXEFILENAME)).c_str()), row.opened));
            PostMessageA(properties, WM_COMMAND, IDC_CHANGEICON, 0);
            TypeAndConfirm(WaitFor(DialogClass, "Change Icon"), IDC_ICONFILENAME, icon);
            Press(properties, row.answer);

            bar = WaitFor(BarClass, nullptr, bar);
            CHECK(TopLeft(bar) == std::pair(60L, 70L));
            if (row.answer == IDCANCEL)
                CHECK(ReadFile(h.ini) == before);
            else
                CHECK(PumpUntil([&] {
                    const Capture shot(GetDlgItem(bar, FIRST_BUTTON_ID + 2), false);
                    return std::count(shot.pixels.begin(), shot.pixels.end(), LibraryColour(24)) > 600;
                }, Slow));
        }
    }
}
