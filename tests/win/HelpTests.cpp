// Help as today's Windows can show it: WinHelp only for a Quenvolt.hlp
// beside the program, else the page Quenvolt.html through the shell, else a
// box when the user asks and silence when an empty bar starts; and the
// release number in the About box and the version resource.
#include "Fixture.h"

#include "QuenvoletVersion.h"

using namespace qv;

namespace {

// The build puts the help page beside the test program too; it is set aside
// for the whole run, so that no other test's empty bar opens a browser.
BesideProgram pageOfTheBuild("Quenvolt.html", false);

// Web pages open with the recorder, or with a program that is not there.
void RegisterPageOpener(bool recorder)
{
    std::string command = "\"" + (recorder ? RecorderPath() : ProgramFolder() + "\\absent.exe") + "\" \"%1\"";
    RegSetValueA(HKEY_CLASSES_ROOT, ".html", REG_SZ, "QuenvoletTestPage", 0);
    RegSetValueA(HKEY_CLASSES_ROOT, "QuenvoletTestPage\\shell\\open\\command", REG_SZ, command.c_str(), 0);
}

const std::string EmptyBar = Section("Window") + Key("Title", "Empty");

}  // namespace

TEST_SUITE("help")
{
    TEST_CASE_FIXTURE(BarFixture, "help goes to WinHelp, else to the page beside the program, else to a box")
    {
        FakeHelp help;
        SUBCASE("a Quenvolt.hlp beside the program goes to WinHelp, even with a page beside it")
        {
            BesideProgram hlp("Quenvolt.hlp", true), page("Quenvolt.html", true);
            RegisterPageOpener(true);
            REQUIRE(start(EmptyBar));
            SendMessageA(bar(), WM_HELP, 0, 0);
            SendMessageA(bar(), WM_CLOSE, 0, 0);
            auto calls = help.calls();
            REQUIRE(calls.size() == 3);
            CHECK(calls[0] == std::make_pair(3u, std::string("Quenvolt.hlp")));
            CHECK(calls[1].first == HELP_CONTENTS);
            CHECK(calls[2].first == HELP_QUIT);
            CHECK(boxes.seen().empty());
        }
        SUBCASE("without it the page opens with the shell on an empty bar's start and on F1; WinHelp hears nothing")
        {
            BesideProgram hlp("Quenvolt.hlp", false), page("Quenvolt.html", true);
            RegisterPageOpener(true);
            std::string record = RecordInto(*this, "start.rec");
            REQUIRE(start(EmptyBar));
            auto opened = WaitForRecord(record);
            CAPTURE(opened["cmdline"]);
            CHECK(opened["cmdline"].find(ProgramFolder() + "\\Quenvolt.html") != std::string::npos);
            record = RecordInto(*this, "f1.rec");
            SendMessageA(bar(), WM_HELP, 0, 0);
            CHECK(WaitForRecord(record)["cmdline"].find("Quenvolt.html") != std::string::npos);
            SendMessageA(bar(), WM_CLOSE, 0, 0);
            CHECK(help.calls().empty());
            CHECK(boxes.seen().empty());
        }
        SUBCASE("a page that nothing opens: no box on an empty bar's start, a box on the menu's Help")
        {
            BesideProgram hlp("Quenvolt.hlp", false), page("Quenvolt.html", true);
            RegisterPageOpener(false);
            REQUIRE(start(EmptyBar));
            CHECK(boxes.seen().empty());
            SendMessageA(bar(), WM_SYSCOMMAND, IDM_HELP, 0);
            REQUIRE(boxes.seen().size() == 1);
            CHECK(boxes.seen()[0].text.find("could not be opened") != std::string::npos);
            RegisterPageOpener(true);
        }
        SUBCASE("neither file: an empty bar starts without a box; F1 and the menu's Help show one")
        {
            BesideProgram hlp("Quenvolt.hlp", false), page("Quenvolt.html", false);
            REQUIRE(start(EmptyBar));
            CHECK(boxes.seen().empty());  // a box would have been answered before the bar existed
            SendMessageA(bar(), WM_HELP, 0, 0);
            SendMessageA(bar(), WM_SYSCOMMAND, IDM_HELP, 0);
            auto seen = boxes.seen();
            REQUIRE(seen.size() == 2);
            CHECK(seen[0].caption == "Quenvolet");
            CHECK(seen[0].text.find("\"Quenvolt.html\" is missing") != std::string::npos);
            SendMessageA(bar(), WM_CLOSE, 0, 0);
            CHECK(help.calls().empty());
        }
    }

    TEST_CASE_FIXTURE(BarFixture, "the release number shows in the About box and the version resource")
    {
        REQUIRE(start(Section("Button1") + Key("FileName", Notepad)));
        SendMessageA(bar(), WM_SYSCOMMAND, IDM_ABOUT, 0);
        REQUIRE(boxes.seen().size() == 1);
        CHECK(boxes.seen()[0].text.find("|" QV_RELEASE_LINE "|") != std::string::npos);

        // the editor is built apart from the bar
        const std::string programs[] = {ProgramFolder() + "\\Quenvolt.exe",
                                        ProgramFolder() + "\\..\\editor\\bin\\QVconfig.exe"};
        for (const std::string& program : programs) {
            CAPTURE(program);
            DWORD ignored = 0;
            std::vector<char> info(GetFileVersionInfoSizeA(program.c_str(), &ignored));
            REQUIRE_FALSE(info.empty());
            REQUIRE(GetFileVersionInfoA(program.c_str(), 0, (DWORD)info.size(), info.data()));
            VS_FIXEDFILEINFO* fixed = nullptr;
            UINT length = 0;
            REQUIRE(VerQueryValueA(info.data(), "\\", (void**)&fixed, &length));
            const WORD numbers[4] = {QV_VERSION_NUMBERS};
            CHECK(fixed->dwFileVersionMS == MAKELONG(numbers[1], numbers[0]));
            CHECK(fixed->dwFileVersionLS == MAKELONG(numbers[3], numbers[2]));
            char* text = nullptr;
            REQUIRE(VerQueryValueA(info.data(), "\\StringFileInfo\\040904E4\\ProductVersion", (void**)&text, &length));
            CHECK(std::string(text) == QV_VERSION_TEXT);
        }
    }
}
