// Saves that survive: the real bar and editor killed in the middle of saves,
// a second bar on a file, and the editor beside a running bar.
#include "Fixture.h"

#include "../../editor/IconGrid.h"
#include "../../editor/forms/MainForm.h"

#include <cstdio>
#include <random>

using namespace qv;

namespace {

std::string Bar() { return Quoted(ProgramFolder() + "\\Quenvolt.exe"); }

// Foreign sections before, between and after the bar's, many so that each write takes a while.
std::string Foreign(int sections)
{
    std::string text = Section("Foreign") + Key("Keep", "1");
    for (int i = 0; i < sections; ++i)
        text += Section("Other" + std::to_string(i)) + Key("Key", std::string(40, 'k'));
    return text;
}

// Starts one program on the file, has it save once, and kills it after the given time (none: it ends);
// the file's bytes afterwards.
struct Saver {
    std::string ini;
    bool killed = false;  // the last run ended by the kill, not of itself
    DWORD took = 0;       // the last run that was not killed: from the save asked for to its end

    std::string run(bool editor, int killAfter)
    {
        HANDLE process = StartProcess(editor ? Quoted(EditorProgram()) + " " + Quoted(ini) : Bar() + " " + ini);
        REQUIRE(process != nullptr);
        HWND window = WaitFor(editor ? DialogClass : BarClassName, editor ? "Configure Quenvolet" : nullptr);
        const int buttons = (int)SendMessageA(GetDlgItem(window, IDC_ICONGRID), GM_GETCOLCOUNT, 0, 0);
        if (editor) {  // a new title, and a button less
            SendMessageA(GetDlgItem(window, IDC_WINDOWTITLE), WM_SETTEXT, 0, (LPARAM) "Saved by the editor");
            PostMessageA(window, WM_COMMAND, IDC_DELETE, 0);
            REQUIRE(PumpUntil([&] { return SendMessageA(GetDlgItem(window, IDC_ICONGRID), GM_GETCOLCOUNT, 0, 0) < buttons; }));
            PostMessageA(window, WM_COMMAND, IDOK, 0);
        } else {
            DropOnto(window, {Notepad});
            REQUIRE(PumpUntil([&] { return GetDlgItem(window, FIRST_BUTTON_ID + 3) != nullptr; }, Slow));
            PostMessageA(window, WM_SYSCOMMAND, IDM_SAVESETTINGS, 0);
        }
        const DWORD posted = GetTickCount();
        if (killAfter >= 0) {
            Sleep((DWORD)killAfter);
            killed = WaitForSingleObject(process, 0) == WAIT_TIMEOUT && TerminateProcess(process, 1);
        } else {  // the save's time: until the editor ended, or the bar's file changed
            const std::string before = ReadFile(ini);
            PumpUntil([&] { return editor ? WaitForSingleObject(process, 0) == WAIT_OBJECT_0 : ReadFile(ini) != before; }, Slow);
            took = GetTickCount() - posted;
            TerminateProcess(process, 1);
        }
        REQUIRE(WaitForProcess(process, Slow));
        return ReadFile(ini);
    }
};

}  // namespace

TEST_SUITE("saves")
{
    TEST_CASE("the bar and the editor killed in the middle of saves leave the old file or the new, whole")
    {
        TempDir dir;
        Saver saver{dir.file("q.ini")};
        const std::string base = Foreign(1000) + Section("Window") + Key("Left", "100") + Key("Top", "100") +
                                 Buttons(Notepad, {"1", "2", "3"}) + Section("Trailer") + Key("Last", "yes");
        WriteFile(saver.ini, base);
        const std::string old = ReadFile(saver.ini), oldSettings = Settings(saver.ini);
        std::string saved[2], savedSettings[2];
        DWORD took[2];
        for (int editor = 0; editor < 2; ++editor) {
            WriteFile(saver.ini, base);
            saved[editor] = saver.run(editor, -1);
            savedSettings[editor] = Settings(saver.ini);
            took[editor] = saver.took;
            REQUIRE(savedSettings[editor] != oldSettings);
            CHECK(savedSettings[editor].find("Foreign: Keep=1\n") != std::string::npos);
            CHECK(savedSettings[editor].find("Trailer: Last=yes\n") != std::string::npos);
        }
        std::mt19937 random(20261209);
        int saves = 0, kills = 0, complete = 0, unchanged = 0;
        for (int i = 0; i < 52; ++i) {
            const int editor = i % 2;
            WriteFile(saver.ini, base);
            // a kill may come before the save, within it, or after
            const int at = std::uniform_int_distribution<int>(0, (int)took[editor] * 2)(random);
            const std::string after = saver.run(editor, at);
            ++saves;
            kills += saver.killed;
            // the same bytes read the same; other bytes are read
            const std::string settings = after == saved[editor] || after == old ? "" : Settings(saver.ini);
            complete += after == saved[editor] || settings == savedSettings[editor];
            unchanged += after == old || settings == oldSettings;
            CHECK_MESSAGE((after == saved[editor] || after == old || settings == savedSettings[editor] ||
                           settings == oldSettings), "run " << i << " killed after " << at << " ms");
        }
        std::printf("kill loop: %d saves, %d kills, %d files complete with the save, %d as before, "
                    "%d otherwise; a save took %lu ms (bar), %lu ms (editor)\n",
                    saves, kills, complete, unchanged, saves - complete - unchanged, took[0], took[1]);
        std::fflush(stdout);
    }

    TEST_CASE_FIXTURE(BarFixture, "a second bar on the same file brings the first forward and ends; on another it runs")
    {
        REQUIRE(start(Buttons(Notepad, {""})));
        const std::string other = dir.file("Other.ini");
        WriteFile(other, "");
        HANDLE second = StartProcess(Bar() + " " + other);
        HWND beside = WaitFor(BarClassName);
        SetForegroundWindow(beside);
        CharUpperA(&ini[0]);  // the same file, spelt otherwise
        REQUIRE(WaitForProcess(StartProcess(Bar() + " " + ini), Slow));
        CHECK(PumpUntil([&] { return GetForegroundWindow() == bar(); }, 10000));
        CHECK(FindOther(BarClassName) == beside);
        TerminateProcess(second, 1);
        WaitForProcess(second);
    }

    TEST_CASE_FIXTURE(BarFixture, "the editor beside a bar gets its drops first; its save shows in the bar, no bar started")
    {
        REQUIRE(start(Foreign(0) + Section("Window") + Key("Left", "100") + Key("Top", "100") +
                      Buttons(Notepad, {"1", "2"})));
        DropOnto(bar(), {Notepad});
        REQUIRE(PumpUntil([] { return ButtonCount == 3; }));
        const std::string restart = recordAs("restart.txt");  // the launcher the editor would start
        HANDLE editor = StartProcess(Quoted(EditorProgram()) + " " + Quoted(ini) + " " + Quoted(RecorderPath()));
        HWND form = WaitFor(DialogClass, "Configure Quenvolet");
        CHECK(SendMessageA(GetDlgItem(form, IDC_ICONGRID), GM_GETCOLCOUNT, 0, 0) == 3);
        SendMessageA(GetDlgItem(form, IDC_WINDOWTITLE), WM_SETTEXT, 0, (LPARAM) "Beside");
        SendMessageA(GetDlgItem(form, IDC_WINDOWPOS), CB_SETCURSEL, 1, 0);  // top left
        PostMessageA(form, WM_COMMAND, MAKEWPARAM(IDC_WINDOWPOS, CBN_SELCHANGE), 0);
        PostMessageA(form, WM_COMMAND, IDC_DELETE, 0);
        PostMessageA(form, WM_COMMAND, IDOK, 0);
        REQUIRE(WaitForProcess(editor, Slow));
        Pump(200);
        CHECK(TextOf(bar()) == "Beside");
        CHECK(ButtonCount == 2);
        RECT work;
        SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
        CHECK(TopLeft(bar()) == std::pair(work.left, work.top));
        CHECK(Profile(ini, "Foreign", "Keep") == "1");
        CHECK_FALSE(PumpUntil([&] { return FileExists(restart); }, 5000));
    }
}
