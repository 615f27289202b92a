// Help as today's Windows can show it, and the release number.
#include "Fixture.h"

#include "QuenvoletVersion.h"

using namespace qv;

// The build puts the help page beside the test program too; it is set aside
// for the whole run, so that no other test's empty bar opens a browser.
static BesideProgram pageOfTheBuild("Quenvolt.html", false);

static const std::string EmptyBar = Section("Window") + Key("Title", "Empty");

// The commands sent to a window of the class WinHelp talks to, which sends a block with the command in its second word.
static std::vector<unsigned> helpCalls;

static LRESULT CALLBACK HelpProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    const auto* data = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
    if (message != WM_COPYDATA || data->cbData < 16)
        return DefWindowProcA(window, message, wParam, lParam);
    helpCalls.push_back(static_cast<const WORD*>(data->lpData)[1]);
    return TRUE;
}

TEST_SUITE("help")
{
    TEST_CASE_FIXTURE(BarFixture, "an empty bar opens Quenvolt.hlp, else the page beside the program, else says why")
    {
        WNDCLASSA help = {0, HelpProc, 0, 0, nullptr, nullptr, nullptr, nullptr, nullptr, "MS_WINHELP"};
        RegisterClassA(&help);
        HWND winHelp = CreateWindowExA(0, "MS_WINHELP", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
        {
            // WinHelp is asked only for a file that is there, and quit with the bar, and only then
            BesideProgram hlp("Quenvolt.hlp", true);
            for (const std::string& buttons : {EmptyBar, Buttons(Notepad, {""})}) {
                REQUIRE(start(buttons));
                send(WM_CLOSE);
            }
            CHECK(helpCalls == std::vector<unsigned>{HELP_CONTENTS, HELP_QUIT});
        }
        {
            // an empty bar's start opens the page with the shell; WinHelp hears nothing, not even on closing
            BesideProgram page("Quenvolt.html", true);
            RegisterOpener(".html", RecorderPath());
            const std::string record = recordAs("start.rec");
            REQUIRE(start(EmptyBar));
            CHECK(WaitForRecord(record)["cmdline"].find(ProgramFolder() + "\\Quenvolt.html") != std::string::npos);
            send(WM_CLOSE);
            CHECK(helpCalls.size() == 2);
        }
        struct Row { bool page; const char* text; } rows[] = {
            {true, "could not be opened"}, {false, "\"Quenvolt.html\" is missing"},
        };
        RegisterOpener(".html", ProgramFolder() + "\\absent.exe");  // web pages open with a program not there
        for (const Row& r : rows) {
            CAPTURE(r.text);
            ResetLauncher();
            BesideProgram page("Quenvolt.html", r.page);
            REQUIRE(start(EmptyBar));
            CHECK(boxes.seen.empty());  // the start shows no box
            const int before = boxes.opened;
            send(WM_HELP);
            const std::string box = boxes.seen;
            CHECK((box.rfind("Quenvolet|", 0) == 0 && box.find(r.text) != std::string::npos));
            menu(IDM_HELP);
            CHECK(boxes.seen == box + box);
            CHECK(boxes.opened == before + 2);
        }
        RegisterOpener(".html", RecorderPath());
        DestroyWindow(winHelp);
    }

    TEST_CASE_FIXTURE(BarFixture, "the release number shows in the About box and the version resources")
    {
        REQUIRE(start(Button(1) + Key("FileName", Notepad)));
        menu(IDM_ABOUT);
        REQUIRE(boxes.opened == 1);
        CHECK(boxes.seen.find("|" QV_RELEASE_LINE "|") != std::string::npos);
        const WORD numbers[4] = {QV_VERSION_NUMBERS};
        for (const std::string& path : {ProgramFolder() + "\\Quenvolt.exe", EditorProgram()}) {
            std::vector<char> info(GetFileVersionInfoSizeA(path.c_str(), nullptr));
            VS_FIXEDFILEINFO* fixed = nullptr;
            UINT length = 0;
            REQUIRE_MESSAGE((GetFileVersionInfoA(path.c_str(), 0, (DWORD)info.size(), info.data()) &&
                             VerQueryValueA(info.data(), "\\", (void**)&fixed, &length)), path);
            CHECK(fixed->dwFileVersionMS == MAKELONG(numbers[1], numbers[0]));
            CHECK(fixed->dwFileVersionLS == MAKELONG(numbers[3], numbers[2]));
        }
    }
}
