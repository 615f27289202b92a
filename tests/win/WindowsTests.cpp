// The bar as it meets a real Windows machine: program paths with blanks,
// which "QVconfig.exe" it finds, the system's error texts, icons that are
// not there, hidden extensions, popup menus that close oddly, the clean-up
// on closing and the names of the buttons.
#include "Fixture.h"

#include <commctrl.h>
#include <shellapi.h>

#include <memory>

using namespace qv;

namespace {

using Record = std::map<std::string, std::string>;

bool SamePath(const std::string& a, const std::string& b)
{
    return lstrcmpiA(a.c_str(), b.c_str()) == 0;
}

// A copy of the recorder under another name.
std::string PlantRecorder(const std::string& path)
{
    REQUIRE(CopyFileA(RecorderPath().c_str(), path.c_str(), FALSE));
    return path;
}

std::string Folder(const std::string& path)
{
    CreateDirectoryA(path.c_str(), nullptr);
    return path;
}

struct FindBar {
    DWORD process;
    HWND found;
};

BOOL CALLBACK FindBarWindow(HWND window, LPARAM data)
{
    auto* find = reinterpret_cast<FindBar*>(data);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    char cls[64];
    GetClassNameA(window, cls, sizeof cls);
    if (owner == find->process && lstrcmpA(cls, BarClassName) == 0) {
        find->found = window;
        return FALSE;
    }
    return TRUE;
}

// The text of a button's tool in the bar's tooltip control.
std::string ToolText(HWND button)
{
    char text[1024] = "";
    TOOLINFOA tool;
    ZeroMemory(&tool, sizeof tool);
    tool.cbSize = TTTOOLINFOA_V1_SIZE;
    tool.hwnd = GetParent(button);
    tool.uId = (UINT_PTR)button;
    tool.lpszText = text;
    SendMessageA(ToolTipWindow, TTM_GETTEXTA, sizeof text, (LPARAM)&tool);
    return text;
}

std::string WindowText(HWND window)
{
    char text[1024] = "";
    GetWindowTextA(window, text, sizeof text);
    return text;
}

// Pixels of a button's cell that are not the face colour.
int IconPixels(HWND button)
{
    RedrawWindow(GetParent(button), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    Pump(200);
    RECT r = WindowRect(button);
    Capture cell(r.left, r.top, r.right - r.left, r.bottom - r.top);
    const COLORREF face = GetSysColor(COLOR_BTNFACE) & 0xFFFFFF;
    int count = 0;
    for (int y = 3; y < cell.height() - 3; ++y)
        for (int x = 3; x < cell.width() - 3; ++x)
            count += (cell.at(x, y) & 0xFFFFFF) != face;
    return count;
}

// Keeps the bar from hearing that a menu closed.
WNDPROC barProc;
LRESULT CALLBACK WithoutMenuSelect(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_MENUSELECT)
        return 0;
    return CallWindowProcA(barProc, window, message, wParam, lParam);
}

bool popupWasOpen;
void CALLBACK ClosePopup(HWND, UINT, UINT_PTR timer, DWORD)
{
    KillTimer(nullptr, timer);
    popupWasOpen = PopupMenu != nullptr;
    EndMenu();
}

// A right-button release over a button; true when its popup menu opened.
bool PopupOpens(HWND button)
{
    popupWasOpen = false;
    UINT_PTR timer = SetTimer(nullptr, 0, 150, ClosePopup);
    SendMessageA(BarState.BarWindow, WM_SETCURSOR, (WPARAM)button, MAKELPARAM(HTCLIENT, WM_RBUTTONUP));
    KillTimer(nullptr, timer);
    Pump(50);
    return popupWasOpen;
}

// Sets the shell's "hide extensions of known file types" for one test.
class HiddenExtensions {
public:
    HiddenExtensions() { Set(1); }
    ~HiddenExtensions() { Set(0); }

private:
    static void Set(DWORD hide)
    {
        HKEY key;
        if (RegCreateKeyA(HKEY_CURRENT_USER, "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Advanced", &key) ==
            ERROR_SUCCESS) {
            RegSetValueExA(key, "HideFileExt", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&hide), sizeof hide);
            RegCloseKey(key);
        }
    }
};

}  // namespace

TEST_SUITE("windows")
{
    TEST_CASE_FIXTURE(BarFixture, "a program under a folder with blanks starts with its path quoted")
    {
        const std::string program = PlantRecorder(Folder(Folder(dir.file("Program Files")) + "\\My Tools") + "\\tool.exe");
        PlantRecorder(dir.file("Program.exe"));  // what an unquoted path would start instead
        REQUIRE(start(Section("Button1") + Key("FileName", program) + Key("Parameters", "-a \"b c\"")));
        std::string record = RecordInto(*this, "quoted.rec");
        RunButton(0, nullptr, "x.txt");
        Record r = WaitForRecord(record);
        CHECK(SamePath(r["exe"], program));
        CHECK(r["cmdline"] == "\"" + std::string(slot(0)->ProgramPath) + "\" -a \"b c\" x.txt");
        CHECK(SamePath(slot(0)->ProgramPath, program));  // stored as it was, unquoted
    }

    TEST_CASE("Configure starts the editor beside the bar, its path quoted")
    {
        TempDir dir;
        const std::string home = Folder(Folder(dir.file("Program Files")) + "\\Quenvolet");
        const std::string bar = home + "\\Quenvolt.exe";
        REQUIRE(CopyFileA((ProgramFolder() + "\\Quenvolt.exe").c_str(), bar.c_str(), FALSE));
        const std::string editor = PlantRecorder(home + "\\QVconfig.exe");
        PlantRecorder(dir.file("Program.exe"));
        const std::string work = Folder(dir.file("work"));
        PlantRecorder(work + "\\QVconfig.exe");  // the folder the bar is started from
        const std::string record = dir.file("editor.rec");
        SetEnvironmentVariableA("QV_RECORD", record.c_str());

        STARTUPINFOA startup = {};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION process = {};
        std::string line = "\"" + bar + "\"";
        REQUIRE(CreateProcessA(bar.c_str(), &line[0], nullptr, nullptr, FALSE, 0, nullptr, work.c_str(), &startup,
                               &process));
        FindBar find = {process.dwProcessId, nullptr};
        PumpUntil([&] {
            EnumWindows(FindBarWindow, reinterpret_cast<LPARAM>(&find));
            return find.found != nullptr;
        }, 60000);
        REQUIRE(find.found != nullptr);
        PostMessageA(find.found, WM_SYSCOMMAND, IDM_CONFIGURE, 0);
        Record r = WaitForRecord(record);
        CHECK(WaitForSingleObject(process.hProcess, 60000) == WAIT_OBJECT_0);  // the bar made way
        CloseHandle(process.hProcess);
        CloseHandle(process.hThread);
        CHECK(SamePath(r["exe"], editor));
        CHECK(SamePath(r["cmdline"], "\"" + editor + "\" \"" + home + "\\Quenvolt.INI\" \"" + bar + "\""));
    }

    TEST_CASE_FIXTURE(BarFixture, "a program that is no program is reported in the system's words")
    {
        const std::string bad = dir.file("notes.exe");
        WriteFile(bad, "only some text, renamed\r\n");
        std::string line = bad;
        STARTUPINFOA startup = {};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION process = {};
        REQUIRE_FALSE(CreateProcessA(nullptr, &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process));
        const DWORD error = GetLastError();
        char expected[1024] = "";
        REQUIRE(FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error, 0, expected,
                               sizeof expected, nullptr) > 0);
        CAPTURE(error);
        CAPTURE(expected);

        REQUIRE(start(Section("Button1") + Key("FileName", RecorderPath())));
        TextCopy(slot(0)->ProgramPath, sizeof slot(0)->ProgramPath, bad.c_str());
        RunButton(0, nullptr, nullptr);
        auto seen = boxes.seen();
        REQUIRE(seen.size() == 1);
        CHECK(seen[0].caption == "Application execution error");
        std::string text = seen[0].text, want = expected;
        while (!want.empty() && (want.back() == '\n' || want.back() == '\r' || want.back() == ' '))
            want.pop_back();
        CHECK(text.compare(0, want.size(), want) == 0);
        CHECK(text.find("could not be started (error") == std::string::npos);
    }

    TEST_CASE_FIXTURE(BarFixture, "IconIndex -1 takes the fall-back icon")
    {
        char shell[MAX_PATH];
        REQUIRE(LocateFile("shell32.dll", shell, sizeof shell));
        REQUIRE((UINT_PTR)ExtractIconA(GetModuleHandleA(nullptr), shell, (UINT)-1) > 1);  // many icons
        SUBCASE("from progman.exe, as a missing icon would")
        {
            REQUIRE(start(Section("Button1") + Key("FileName", RecorderPath()) + Key("IconFile", shell) +
                          Key("IconIndex", "-1")));
            REQUIRE(ButtonCount == 1);
            CHECK(std::string(slot(0)->IconFile) == "progman.exe");
            CHECK(slot(0)->IconIndex == 1);
        }
        SUBCASE("or the question mark, as a copy that the button owns")
        {
            FallbackIconCounter = 100000;  // no such icon in progman.exe
            REQUIRE(start(Section("Button1") + Key("FileName", RecorderPath()) + Key("IconFile", shell) +
                          Key("IconIndex", "-1")));
            REQUIRE(ButtonCount == 1);
            CHECK(slot(0)->Icon != LoadIconA(nullptr, IDI_QUESTION));
        }
        ICONINFO info;
        REQUIRE(GetIconInfo(slot(0)->Icon, &info));
        DeleteObject(info.hbmColor);
        DeleteObject(info.hbmMask);
        SetWindowPos(bar(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        CHECK(IconPixels(slot(0)->ButtonWindow) > 50);
    }

    TEST_CASE_FIXTURE(BarFixture, "a program stays a program whether or not the shell hides its extension")
    {
        // Named in capitals, the program's display name is spelt as on the disk.
        std::string upper = RecorderPath();
        CharUpperA(&upper[0]);
        std::unique_ptr<HiddenExtensions> hidden;
        std::string name = "recorder.exe";
        SUBCASE("shown: the display name is taken") {}
        SUBCASE("hidden: the name found is kept")
        {
            hidden.reset(new HiddenExtensions);
            name = "RECORDER.EXE";
        }
        SHFILEINFOA info = {};
        SHGetFileInfoA(upper.c_str(), 0, &info, sizeof info, SHGFI_DISPLAYNAME);
        CAPTURE(info.szDisplayName);
        REQUIRE(start(Section("Button1") + Key("FileName", upper)));
        REQUIRE(ButtonCount == 1);
        CHECK(std::string(NamePart(slot(0)->ProgramPath)) == name);
        CHECK(std::string(slot(0)->Parameters) == " ");  // not a document of itself
        BarState.UnsavedChanges = true;
        SaveSettings();
        CHECK(Profile(ini, "Button1", "FileName") == std::string(slot(0)->ProgramPath));
        CHECK(EndsWith(Profile(ini, "Button1", "FileName"), ".exe"));
    }

    TEST_CASE_FIXTURE(BarFixture, "a popup menu whose closing is never heard does not block the next")
    {
        REQUIRE(start(ThreeButtons(RecorderPath())));
        barProc = (WNDPROC)SetWindowLongPtrA(bar(), GWLP_WNDPROC, (LONG_PTR)WithoutMenuSelect);
        CHECK(PopupOpens(slot(0)->ButtonWindow));
        CHECK(PopupMenu == nullptr);
        CHECK(PopupOpens(slot(1)->ButtonWindow));
        CHECK(PopupSlot == 1);
        SetWindowLongPtrA(bar(), GWLP_WNDPROC, (LONG_PTR)barProc);
    }

    TEST_CASE_FIXTURE(BarFixture, "closing the bar empties the table")
    {
        REQUIRE(start(ThreeButtons(RecorderPath())));
        SendMessageA(bar(), WM_CLOSE, 0, 0);
        CHECK_FALSE(IsWindow(bar()));
        CHECK(ButtonCount == 0);
        for (int s = 0; s < MaxButtons; ++s)
            CHECK(ButtonTable[s] == nullptr);
    }

    TEST_CASE_FIXTURE(BarFixture, "each button is named by what it starts, in its text and its tooltip")
    {
        RegisterRecorderDocuments();
        const std::string doc = dir.file("letter.qvdoc");
        WriteFile(doc, "text");
        REQUIRE(start(ThreeButtons(RecorderPath()) + Section("Button4") + Key("FileName", doc) +
                      Key("Parameters", "-p")));
        REQUIRE(ButtonCount == 4);
        REQUIRE(ToolTipWindow != nullptr);
        CHECK(SendMessageA(ToolTipWindow, TTM_GETTOOLCOUNT, 0, 0) == 4);
        const std::string program = NamePart(slot(0)->ProgramPath);
        CHECK(SamePath(program, "recorder.exe"));
        const std::string names[] = {program, program, program, program + " - letter.qvdoc"};
        for (int s = 0; s < 4; ++s) {
            CAPTURE(s);
            CHECK(WindowText(slot(s)->ButtonWindow) == names[s]);
            CHECK(ToolText(slot(s)->ButtonWindow) == names[s]);
        }
        CHECK(std::string(slot(3)->Parameters) == doc + " -p");  // the name changes nothing stored

        // A deleted button's tool goes; the windows that show moved records take their names.
        PopupSlot = 0;
        SendMessageA(bar(), WM_COMMAND, IDM_DELETE, 0);
        REQUIRE(ButtonCount == 3);
        CHECK(SendMessageA(ToolTipWindow, TTM_GETTOOLCOUNT, 0, 0) == 3);
        CHECK(WindowText(slot(2)->ButtonWindow) == names[3]);
        CHECK(ToolText(slot(2)->ButtonWindow) == names[3]);
        CHECK(WindowText(slot(1)->ButtonWindow) == program);
    }
}
