// Programs started for real: the recorder tells its command line, working directory and show command.
#include "Fixture.h"

#include <tlhelp32.h>

using namespace qv;

TEST_SUITE("launch")
{
    TEST_CASE_FIXTURE(BarFixture, "a program starts in the caller's folder, else the button's, else the bar's; errors told")
    {
        const TempDir button, caller;
        SetCurrentDirectoryA(dir.path().c_str());
        REQUIRE(start(Button(1) + Key("FileName", RecorderPath()) + Key("DefaultDirectory", button.path()) +
                      Key("Window", "Maximized") + Button(2) + Key("FileName", RecorderPath())));
        struct Row { int slot; const char* caller; std::string cwd; const char* show; } rows[] = {
            {0, nullptr, button.path(), "3"}, {0, caller.path().c_str(), caller.path(), "3"},
            {1, nullptr, dir.path(), "5"},
        };
        for (const Row& r : rows) {
            CAPTURE(r.cwd);
            std::string record = recordAs(("run" + std::to_string(&r - rows) + ".rec").c_str());
            RunButton(r.slot, r.caller, nullptr);
            auto seen = WaitForRecord(record);
            CHECK(SamePath(seen["cwd"], r.cwd));
            CHECK(seen["show"] == r.show);
        }

        // A click starts the button, a double click does not: the bar starts a program before it returns.
        auto recorders = [] {
            HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
            PROCESSENTRY32 entry = {sizeof entry};
            int count = 0;
            for (BOOL more = Process32First(snapshot, &entry); more; more = Process32Next(snapshot, &entry))
                count += lstrcmpiA(entry.szExeFile, "recorder.exe") == 0;
            CloseHandle(snapshot);
            return count;
        };
        std::string record = recordAs("click.rec");
        REQUIRE(PumpUntil([&] { return recorders() == 0; }));
        SendMessageA(bar(), WM_COMMAND, MAKEWPARAM(FIRST_BUTTON_ID, BN_DOUBLECLICKED), (LPARAM)slot(0)->ButtonWindow);
        CHECK(recorders() == 0);
        SendMessageA(slot(1)->ButtonWindow, BM_CLICK, 0, 0);
        CHECK(WaitForRecord(record)["cmdline"] == RecorderPath() + "  ");

        // A program that is no program is told in the system's words, not the numbered text for errors without any.
        WriteFile(dir.file("notes.exe"), "only some text, renamed\r\n");
        TextCopy(slot(0)->ProgramPath, sizeof slot(0)->ProgramPath, dir.file("notes.exe").c_str());
        RunButton(0, nullptr, nullptr);
        CHECK(boxes.opened == 1);
        CHECK((boxes.seen.find('|') != std::string::npos && boxes.seen.find("(error") == std::string::npos));
    }
}
