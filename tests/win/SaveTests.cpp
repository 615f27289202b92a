// Saves that survive: the real bar and editor killed in their saves, a second bar, the editor beside a bar.
#include "Fixture.h"

#include "../../editor/IconGrid.h"
#include "../../editor/forms/MainForm.h"

#include <cstdio>
#include <random>

using namespace qv;

static std::string Bar(const std::string& ini) { return Quoted(ProgramFolder() + "\\Quenvolt.exe") + " " + ini; }
static std::string Editor(const std::string& parameters) { return Quoted(EditorProgram()) + " " + parameters; }

// Starts the bar or the editor on the file, has it save once (a drop; a new title and a button less) and
// kills it the given time later; true when it was still running. Posted messages come in turn.
static bool SaveAndKill(const std::string& ini, bool editor, int after)
{
    HANDLE process = StartProcess(editor ? Editor(Quoted(ini)) : Bar(ini));
    HWND window = WaitFor(editor ? DialogClass : BarClassName, editor ? "Configure Quenvolet" : nullptr);
    if (editor)
        SendMessageA(GetDlgItem(window, IDC_WINDOWTITLE), WM_SETTEXT, 0, (LPARAM) "Saved"),
            PostMessageA(window, WM_COMMAND, IDC_DELETE, 0);
    else
        DropOnto(window, {Notepad});
    PostMessageA(window, editor ? WM_COMMAND : WM_SYSCOMMAND, editor ? IDOK : IDM_SAVESETTINGS, 0);
    Sleep((DWORD)after);
    const bool killed = WaitForSingleObject(process, 0) == WAIT_TIMEOUT && TerminateProcess(process, 1);
    REQUIRE(WaitForProcess(process, Slow));
    return killed;
}

TEST_SUITE("saves")
{
    TEST_CASE("the bar and the editor killed at random moments of their saves leave the file old or new, whole")
    {
        TempDir dir;
        const std::string ini = dir.file("q.ini");
        std::string base = Section("Foreign") + Key("Keep", "1");  // many, so that each write takes a while
        for (int i = 0; i < 300; ++i)
            base += Section("Other" + std::to_string(i)) + Key("Key", std::string(40, 'k'));
        WriteFile(ini, base += Section("Window") + Key("Left", "100") + Key("Top", "100") + Buttons(Notepad, {"1", "2"}));
        const std::string old = Settings(ini), foreign = old.substr(0, old.find("Window: "));
        std::string saved[2];
        for (int editor = 0; editor < 2; ++editor, WriteFile(ini, base)) {
            SaveAndKill(ini, editor, 5000);
            saved[editor] = Settings(ini);
            CHECK((saved[editor] != old && saved[editor].compare(0, foreign.size(), foreign) == 0));
        }
        std::mt19937 random(20261209);
        int kills = 0, complete = 0, unchanged = 0, saves = 52;
        for (int i = 0; i < saves; ++i, WriteFile(ini, base)) {
            const int at = std::uniform_int_distribution<int>(0, i % 2 ? 150 : 300)(random);  // the editor saves sooner
            kills += SaveAndKill(ini, i % 2, at);
            const std::string after = Settings(ini);
            complete += after == saved[i % 2], unchanged += after == old;
            CHECK_MESSAGE((after == saved[i % 2] || after == old), "run " << i << ", killed after " << at << " ms");
        }
        std::printf("kill loop: %d saves, %d kills, %d files complete with the save, %d as before, %d otherwise\n",
                    saves, kills, complete, unchanged, saves - complete - unchanged);
    }
}

TEST_SUITE("beside")
{

    TEST_CASE_FIXTURE(BarFixture, "one bar a file, a second brings it forward; the editor beside it takes its drops, shows it its save")
    {
        REQUIRE(start(Section("Window") + Key("Left", "100") + Key("Top", "100") + Buttons(Notepad, {"1", "2"})));
        WriteFile(dir.file("Other.ini"), "");
        HANDLE other = StartProcess(Bar(dir.file("Other.ini")));
        SetForegroundWindow(WaitFor(BarClassName));
        std::string spelt = ini;  // the same file in other capitals
        REQUIRE(WaitForProcess(StartProcess(Bar(CharUpperA(&spelt[0]))), Slow));
        CHECK(PumpUntil([&] { return GetForegroundWindow() == bar(); }, 10000));
        CHECK(ProcessOf(FindOther(BarClassName)) == GetProcessId(other));
        TerminateProcess(other, 1), WaitForProcess(other);

        DropOnto(bar(), {Notepad});
        REQUIRE(PumpUntil([] { return ButtonCount == 3; }));
        const std::string restart = recordAs("restart.txt");  // the launcher the editor would start
        HANDLE editor = StartProcess(Editor(Quoted(ini) + " " + Quoted(RecorderPath())));
        HWND form = WaitFor(DialogClass, "Configure Quenvolet");
        CHECK(SendMessageA(GetDlgItem(form, IDC_ICONGRID), GM_GETCOLCOUNT, 0, 0) == 3);
        SendMessageA(GetDlgItem(form, IDC_WINDOWTITLE), WM_SETTEXT, 0, (LPARAM) "Beside");
        SendMessageA(GetDlgItem(form, IDC_WINDOWPOS), CB_SETCURSEL, 1, 0);  // top left
        PostMessageA(form, WM_COMMAND, MAKEWPARAM(IDC_WINDOWPOS, CBN_SELCHANGE), 0);
        PostMessageA(form, WM_COMMAND, IDC_DELETE, 0), PostMessageA(form, WM_COMMAND, IDOK, 0);
        REQUIRE(WaitForProcess(editor, Slow));
        Pump(200);
        RECT work;
        SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
        CHECK((TextOf(bar()) == "Beside" && ButtonCount == 2 && TopLeft(bar()) == std::pair(work.left, work.top)));
        CHECK_FALSE(PumpUntil([&] { return FileExists(restart); }, 5000));
    }
}
