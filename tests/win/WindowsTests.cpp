// The bar on a real Windows machine: fall-back icons, hidden extensions, popups and names.
#include "Fixture.h"

#include <commctrl.h>

using namespace qv;

TEST_SUITE("windows")
{
    TEST_CASE_FIXTURE(BarFixture, "IconIndex -1 takes the fall-back icon: progman's, else a copy of the question mark")
    {
        char shell[MAX_PATH];
        REQUIRE(LocateFile("shell32.dll", shell, sizeof shell));
        for (int counter : {0, 100000}) {  // no icon 100001 in progman.exe
            ResetLauncher();
            BarState.FallbackIconCounter = counter;  // which a start afresh would forget
            WriteFile(ini, Button(1) + Key("FileName", RecorderPath()) + Key("IconFile", shell) + Key("IconIndex", "-1"));
            REQUIRE(StartBar(ini, SW_SHOWNOACTIVATE));
            REQUIRE(ButtonCount == 1);
            CHECK(std::string(slot(0)->IconFile) == "progman.exe");
            CHECK(slot(0)->IconIndex == counter + 1);
            CHECK(slot(0)->Icon != LoadIconA(nullptr, IDI_QUESTION));
        }
    }

    TEST_CASE_FIXTURE(BarFixture, "a program stays a program when the shell hides extensions, named as found")
    {
        auto hideExtensions = [](DWORD hide) {
            RegSetKeyValueA(HKEY_CURRENT_USER, "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Advanced",
                            "HideFileExt", REG_DWORD, &hide, sizeof hide);
        };
        std::string upper = RecorderPath();
        CharUpperA(&upper[0]);
        hideExtensions(1);
        const bool started = start(Button(1) + Key("FileName", upper));
        hideExtensions(0);
        REQUIRE((started && ButtonCount == 1));
        CHECK(std::string(NamePart(slot(0)->ProgramPath)) == "RECORDER.EXE");
        CHECK(std::string(slot(0)->Parameters) == " ");  // not a document of itself
    }

    TEST_CASE_FIXTURE(BarFixture, "a button's name follows its record after a delete; an unheard popup blocks nothing")
    {
        REQUIRE(start(Buttons(RecorderPath(), {"first", "second", "third"}) + Button(4) +
                      Key("FileName", document("letter.qvdoc")) + Key("Parameters", "-p")));
        REQUIRE(ButtonCount == 4);
        CHECK(Click(slot(0)->ButtonWindow, 0, WM_RBUTTONUP, true).size() == 3);
        CHECK(Click(slot(1)->ButtonWindow, 0, WM_RBUTTONUP, true).size() == 3);
        DeleteButton(0);
        CHECK(SendMessageA(BarState.ToolTipWindow, TTM_GETTOOLCOUNT, 0, 0) == 3);
        const std::string program = NamePart(slot(0)->ProgramPath);
        CHECK(Texts{TextOf(slot(0)->ButtonWindow), TextOf(slot(1)->ButtonWindow), TextOf(slot(2)->ButtonWindow)} ==
              Texts{program, program, program + " - letter.qvdoc"});
        send(WM_CLOSE);
        CHECK(ButtonCount == 0);  // the records are freed
    }
}
