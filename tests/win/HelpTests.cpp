// Help as today's Windows can show it, and the release number.
#include "Fixture.h"

#include "QuenvoletVersion.h"

using namespace qv;

// The build puts the help page beside the test program too; it is set aside
// for the whole run, so that no other test's empty bar opens a browser.
static BesideProgram pageOfTheBuild("Quenvolt.html", false);

// Web pages open with the recorder, or with a program that is not there.
static void RegisterPageOpener(bool recorder)
{
    std::string command = "\"" + (recorder ? RecorderPath() : ProgramFolder() + "\\absent.exe") + "\" \"%1\"";
    RegSetValueA(HKEY_CLASSES_ROOT, ".html", REG_SZ, "QuenvoletTestPage", 0);
    RegSetValueA(HKEY_CLASSES_ROOT, "QuenvoletTestPage\\shell\\open\\command", REG_SZ, command.c_str(), 0);
}

static const std::string EmptyBar = Section("Window") + Key("Title", "Empty");

TEST_SUITE("help")
{
    TEST_CASE_FIXTURE(BarFixture, "without Quenvolt.hlp the page beside the program opens, else the user is told why")
    {
        FakeHelp help;
        BesideProgram hlp("Quenvolt.hlp", false);
        {
            // an empty bar's start opens the page with the shell; WinHelp hears nothing, not even on closing
            BesideProgram page("Quenvolt.html", true);
            RegisterPageOpener(true);
            const std::string record = RecordInto(*this, "start.rec");
            REQUIRE(start(EmptyBar));
            CHECK(WaitForRecord(record)["cmdline"].find(ProgramFolder() + "\\Quenvolt.html") != std::string::npos);
            SendMessageA(bar(), WM_CLOSE, 0, 0);
            CHECK(help.calls().empty());
        }
        struct Row { bool page; const char* text; } rows[] = {
            {true, "could not be opened"}, {false, "\"Quenvolt.html\" is missing"},
        };
        RegisterPageOpener(false);
        for (const Row& r : rows) {
            CAPTURE(r.text);
            ResetLauncher();
            BesideProgram page("Quenvolt.html", r.page);
            REQUIRE(start(EmptyBar));
            CHECK(boxes.seen().empty());  // a box would have been answered before the bar existed
            SendMessageA(bar(), WM_HELP, 0, 0);
            SendMessageA(bar(), WM_SYSCOMMAND, IDM_HELP, 0);
            auto seen = boxes.seen();
            REQUIRE(seen.size() == 2);
            CHECK(seen[1].caption == "Quenvolet");
            CHECK(seen[0].text.find(r.text) != std::string::npos);
            CHECK(seen[1].text.find(r.text) != std::string::npos);
            boxes.clear();
        }
        RegisterPageOpener(true);
    }

    TEST_CASE_FIXTURE(BarFixture, "the release number shows in the About box and the version resources")
    {
        REQUIRE(start(Section("Button1") + Key("FileName", Notepad)));
        SendMessageA(bar(), WM_SYSCOMMAND, IDM_ABOUT, 0);
        REQUIRE(boxes.seen().size() == 1);
        CHECK(boxes.seen()[0].text.find("|" QV_RELEASE_LINE "|") != std::string::npos);
        const WORD numbers[4] = {QV_VERSION_NUMBERS};
        // the editor is built apart from the bar
        for (const std::string program : {"\\Quenvolt.exe", "\\..\\editor\\bin\\QVconfig.exe"}) {
            CAPTURE(program);
            DWORD ignored = 0;
            std::vector<char> info(GetFileVersionInfoSizeA((ProgramFolder() + program).c_str(), &ignored));
            REQUIRE(GetFileVersionInfoA((ProgramFolder() + program).c_str(), 0, (DWORD)info.size(), info.data()));
            VS_FIXEDFILEINFO* fixed = nullptr;
            UINT length = 0;
            REQUIRE(VerQueryValueA(info.data(), "\\", (void**)&fixed, &length));
            CHECK(fixed->dwFileVersionMS == MAKELONG(numbers[1], numbers[0]));
            CHECK(fixed->dwFileVersionLS == MAKELONG(numbers[3], numbers[2]));
        }
    }
}
