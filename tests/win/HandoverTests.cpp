// The hand-over with the real two programs: the bar started as a process of
// its own, the editor beside it, both driven through their windows, and the
// bar that the editor starts again when it ends.
#include "Fixture.h"

#include "../../editor/IconGrid.h"
#include "../../editor/forms/MainForm.h"

using namespace qv;

namespace {

const char* const BarClass = "QuenvoltWClass";
const char* const DialogClass = "#32770";
const char* const MenuClass = "#32768";
const int Slow = 120000;  // Wine starts a process in many seconds on a loaded machine

DWORD ProcessOf(HWND window)
{
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    return pid;
}

struct WindowQuery {
    const char* cls;
    const char* caption;  // nullptr: any
    bool visibleOnly;
    HWND found;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM data)
{
    WindowQuery& q = *reinterpret_cast<WindowQuery*>(data);
    char text[256];
    GetClassNameA(window, text, sizeof text);
    if (lstrcmpA(text, q.cls) != 0 || ProcessOf(window) == GetCurrentProcessId())
        return TRUE;
    if (q.visibleOnly && !IsWindowVisible(window))
        return TRUE;
    GetWindowTextA(window, text, sizeof text);
    if (q.caption != nullptr && lstrcmpA(text, q.caption) != 0)
        return TRUE;
    q.found = window;
    return FALSE;
}

// A top-level window of another process.
HWND FindOther(const char* cls, const char* caption = nullptr, bool visibleOnly = true)
{
    WindowQuery q = {cls, caption, visibleOnly, nullptr};
    EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&q));
    return q.found;
}

std::string Text(HWND window)
{
    char text[512] = "";
    GetWindowTextA(window, text, sizeof text);
    return text;
}

// A message box of another process, seen and answered, with what its owner
// (the editor's main form, for the editor's boxes) showed at that moment.
struct Answered {
    std::string caption, text;
    HWND owner;
    bool ownerVisible;
    LRESULT entries, current;  // of the owner's icon grid
};

BOOL CALLBACK CollectTexts(HWND child, LPARAM data)
{
    char cls[32];
    GetClassNameA(child, cls, sizeof cls);
    if (lstrcmpiA(cls, "Static") == 0)
        *reinterpret_cast<std::string*>(data) += Text(child);
    return TRUE;
}

// Boxes are everything of the dialog class but the editor's own main form.
const char PropertiesCaption[] = "Quenvolet icon properties";

bool IsBox(HWND window)
{
    return Text(window) != "Configure Quenvolet";
}

BOOL CALLBACK FindBox(HWND window, LPARAM data)
{
    char cls[32];
    GetClassNameA(window, cls, sizeof cls);
    if (lstrcmpA(cls, DialogClass) == 0 && IsWindowVisible(window) && ProcessOf(window) != GetCurrentProcessId() &&
        IsBox(window)) {
        *reinterpret_cast<HWND*>(data) = window;
        return FALSE;
    }
    return TRUE;
}

// The two programs in one folder with a blank in its name, and the
// configuration in another; the folder goes at the end with all in it.
struct Handover {
    TempDir dir;
    std::string programs = dir.file("Both Programs");
    std::string ini = dir.file("My Settings") + "\\Quen volt.INI";
    std::vector<Answered> boxes;
    int propertiesAnswer = IDCANCEL;  // how the editor's properties dialog is left

    explicit Handover(bool withEditor = true)
    {
        CreateDirectoryA(programs.c_str(), nullptr);
        CreateDirectoryA(dir.file("My Settings").c_str(), nullptr);
        const std::string build = ProgramFolder();
        REQUIRE(CopyFileA((build + "\\Quenvolt.exe").c_str(), (programs + "\\Quenvolt.exe").c_str(), FALSE));
        if (withEditor)
            REQUIRE(CopyFileA((build + "\\..\\editor\\bin\\QVconfig.exe").c_str(),
                              (programs + "\\QVconfig.exe").c_str(), FALSE));
        // programs the buttons stand for, told apart by name
        for (const char* name : {"Alpha", "Beta", "Gamma", "Delta"})
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

    std::string buttons(std::initializer_list<const char*> names) const
    {
        std::string text;
        int n = 1;
        for (const char* name : names)
            text += Section("Button" + std::to_string(n++)) +
                    Key("FileName", lstrcmpA(name, "None") == 0 ? "None" : program(name));
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

    // Pumps, answering the boxes of the other programs, until found() gives a window.
    template <class F>
    HWND waitFor(F found, int milliseconds = Slow)
    {
        HWND window = nullptr;
        PumpUntil([&] {
            answerBoxes();
            window = found();
            return window != nullptr;
        }, milliseconds);
        return window;
    }

    bool waitForEnd(HWND window)
    {
        HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, ProcessOf(window));
        if (process == nullptr)
            return !IsWindow(window);
        bool ended = false;
        PumpUntil([&] {
            answerBoxes();
            return ended = WaitForSingleObject(process, 0) == WAIT_OBJECT_0;
        }, Slow);
        CloseHandle(process);
        return ended;
    }

    void answerBoxes()
    {
        HWND box = nullptr;
        EnumWindows(FindBox, reinterpret_cast<LPARAM>(&box));
        if (box == nullptr)
            return;
        bool known = false;
        for (const Answered& a : boxes)
            known = known || a.caption == Text(box);
        HWND owner = GetWindow(box, GW_OWNER);
        HWND grid = owner ? GetDlgItem(owner, IDC_ICONGRID) : nullptr;
        Answered seen = {Text(box), "", owner, owner && IsWindowVisible(owner),
                         grid ? SendMessageA(grid, GM_GETCOLCOUNT, 0, 0) : -1,
                         grid ? SendMessageA(grid, GM_GETCURRENT, 0, 0) : -1};
        EnumChildWindows(box, CollectTexts, reinterpret_cast<LPARAM>(&seen.text));
        if (!known || boxes.back().owner != seen.owner)
            boxes.push_back(seen);
        const int answer = seen.caption == PropertiesCaption ? propertiesAnswer : IDOK;
        PostMessageA(box, WM_COMMAND, MAKEWPARAM(answer, BN_CLICKED), (LPARAM)GetDlgItem(box, answer));
        Pump(200);
    }

    const Answered* box(const std::string& caption) const
    {
        for (const Answered& a : boxes)
            if (a.caption == caption)
                return &a;
        return nullptr;
    }

    // Opens a button's popup menu and picks the item of that letter.
    void popup(HWND bar, int slot, char letter)
    {
        PostMessageA(bar, WM_SETCURSOR, (WPARAM)GetDlgItem(bar, FIRST_BUTTON_ID + slot),
                     MAKELPARAM(HTCLIENT, WM_RBUTTONUP));
        REQUIRE(waitFor([] { return FindOther(MenuClass); }) != nullptr);
        PostMessageA(bar, WM_CHAR, (WPARAM)letter, 0);
    }

    HWND editor() { return waitFor([] { return FindOther(DialogClass, "Configure Quenvolet"); }); }

    // The bar that the editor started, once the editor has ended.
    HWND barAfter(HWND editorWindow)
    {
        REQUIRE(waitForEnd(editorWindow));
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

const std::string FloatingAt60 = Section("Window") + Key("Title", "Before") + Key("Left", "60") + Key("Top", "70");

}  // namespace

TEST_SUITE("handover")
{
    // A button inserted in the editor needs its properties dialog, which is not there yet.
    TEST_CASE("Configure hands over to the editor, whose save the bar shows when it comes back")
    {
        Handover h;
        HWND bar = h.startBar(FloatingAt60 + h.buttons({"Alpha", "Beta", "Gamma", "Delta"}));
        REQUIRE(bar != nullptr);
        PostMessageA(bar, WM_SYSCOMMAND, IDM_CONFIGURE, 0);
        HWND editor = h.editor();
        REQUIRE(editor != nullptr);
        CHECK(h.waitForEnd(bar));
        CHECK(Text(GetDlgItem(editor, IDC_INIFILENAME)) == h.ini);

        SendMessageA(GetDlgItem(editor, IDC_WINDOWTITLE), WM_SETTEXT, 0, (LPARAM) "After");
        HWND position = GetDlgItem(editor, IDC_WINDOWPOS);
        SendMessageA(position, CB_SETCURSEL, 1, 0);  // top left
        SendMessageA(editor, WM_COMMAND, MAKEWPARAM(IDC_WINDOWPOS, CBN_SELCHANGE), (LPARAM)position);
        HWND grid = GetDlgItem(editor, IDC_ICONGRID);
        SendMessageA(grid, GM_SETCURRENT, 1, 0);
        SendMessageA(editor, WM_COMMAND, IDC_DELETE, 0);  // Beta
        SendMessageA(grid, GM_SETCURRENT, 0, 0);
        SendMessageA(editor, WM_COMMAND, IDC_MOVERIGHT, 0);  // Alpha after Gamma
        PostMessageA(editor, WM_COMMAND, IDOK, 0);

        bar = h.barAfter(editor);
        REQUIRE(bar != nullptr);
        CHECK(Text(bar) == "After");
        RECT area, r = WindowRect(bar);
        SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
        CHECK(r.left == area.left);
        CHECK(r.top == area.top);
        CHECK(ButtonNames(bar) == std::vector<std::string>{"Gamma", "Alpha", "Delta"});
        CHECK(h.boxes.empty());
    }

    TEST_CASE("Properties opens the editor on the button's entry alone; the bar comes back as last saved")
    {
        for (int answer : {IDCANCEL, IDOK}) {
            CAPTURE(answer);
            Handover h;
            h.propertiesAnswer = answer;
            HWND bar = h.startBar(FloatingAt60 + h.buttons({"Alpha", "Beta", "Gamma", "Delta"}));
            REQUIRE(bar != nullptr);
            const std::string before = ReadFile(h.ini);
            // moved since the last save: the editor's bar does not know it
            SetWindowPos(bar, nullptr, 400, 300, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            h.popup(bar, 2, 'p');
            REQUIRE(h.waitFor([&] { return h.box(PropertiesCaption) ? bar : nullptr; }) != nullptr);
            const Answered* dialog = h.box(PropertiesCaption);
            // the main form, never shown, stands on the third entry
            CHECK(dialog->owner != nullptr);
            CHECK_FALSE(dialog->ownerVisible);
            CHECK(dialog->current == 2);

            bar = h.waitFor([&] { return IsWindow(bar) ? nullptr : FindOther(BarClass); });
            REQUIRE(bar != nullptr);
            CHECK(h.boxes.size() == 1);
            RECT r = WindowRect(bar);
            CHECK(r.left == 60);
            CHECK(r.top == 70);
            CHECK(ButtonNames(bar) == std::vector<std::string>{"Alpha", "Beta", "Gamma", "Delta"});
            // Cancel writes nothing; OK saves the buttons in the editor's words
            CHECK((ReadFile(h.ini) == before) == (answer == IDCANCEL));
            CHECK(EndsWith(Profile(h.ini, "Button3", "FileName"), "Gamma.exe"));
        }
    }

    TEST_CASE("a button deleted since the last save is written before the editor starts")
    {
        Handover h;
        HWND bar = h.startBar(FloatingAt60 + h.buttons({"Alpha", "Beta", "Gamma", "Delta"}));
        REQUIRE(bar != nullptr);
        h.popup(bar, 0, 'd');
        REQUIRE(h.waitFor([&] { return ButtonNames(bar).size() == 3 ? bar : nullptr; }) != nullptr);
        CHECK(Profile(h.ini, "Button4", "FileName") != "<absent>");  // not saved yet
        PostMessageA(bar, WM_SYSCOMMAND, IDM_CONFIGURE, 0);
        HWND editor = h.editor();
        REQUIRE(editor != nullptr);
        CHECK(SendMessageA(GetDlgItem(editor, IDC_ICONGRID), GM_GETCOLCOUNT, 0, 0) == 3);
        CHECK(Profile(h.ini, "Button4", "FileName") == "<absent>");
        CHECK(EndsWith(Profile(h.ini, "Button1", "FileName"), "Beta.exe"));
        PostMessageA(editor, WM_COMMAND, IDCANCEL, 0);
        bar = h.barAfter(editor);
        REQUIRE(bar != nullptr);
        CHECK(ButtonNames(bar) == std::vector<std::string>{"Beta", "Gamma", "Delta"});
    }

    // The bar passes over a section of "None" (or of a file with no program
    // for it) but the editor counts it: the slot the bar hands over then
    // names the entry that many places further left in the editor's list.
    TEST_CASE("a section the bar passed over shifts the entry that Properties opens")
    {
        Handover h;
        HWND bar = h.startBar(FloatingAt60 + h.buttons({"Alpha", "None", "Beta", "Gamma"}));
        REQUIRE(bar != nullptr);
        CHECK(ButtonNames(bar) == std::vector<std::string>{"Alpha", "Beta", "Gamma"});
        h.popup(bar, 1, 'p');  // Beta on the bar
        REQUIRE(h.waitFor([&] { return h.box(PropertiesCaption) ? bar : nullptr; }) != nullptr);
        const Answered* info = h.box(PropertiesCaption);
        CHECK(info->entries == 4);
        CHECK(info->current == 1);  // "None"
        CHECK(h.waitFor([&] { return IsWindow(bar) ? nullptr : FindOther(BarClass); }) != nullptr);
    }

    TEST_CASE("without QVconfig.exe the bar says so and stays")
    {
        Handover h(false);
        HWND bar = h.startBar(FloatingAt60 + h.buttons({"Alpha"}));
        REQUIRE(bar != nullptr);
        PostMessageA(bar, WM_SYSCOMMAND, IDM_CONFIGURE, 0);
        REQUIRE(h.waitFor([&] { return h.box("Configure Quenvolet problem") ? bar : nullptr; }) != nullptr);
        CHECK(h.box("Configure Quenvolet problem")->text == "Could not locate \"QVconfig.exe\"");
        Pump(500);
        CHECK(IsWindow(bar));
        CHECK(FindOther(DialogClass, "Configure Quenvolet", false) == nullptr);
    }
}
