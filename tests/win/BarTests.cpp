// The running bar through real windows and messages: the button menu, delete, save, close and the editor.
#include "Fixture.h"

using namespace qv;

static void Delete(int slot) { BarState.PopupSlot = slot, SendMessageA(BarState.BarWindow, WM_COMMAND, IDM_DELETE, 0); }

TEST_SUITE("bar")
{
    TEST_CASE_FIXTURE(BarFixture, "the button menu runs; a delete asks first, and a save, shut-down or Close saves it")
    {
        REQUIRE(start(Buttons(RecorderPath(), {"first", "second", "third"})));
        CHECK(Click(slot(1)->ButtonWindow) == Texts{"&Run recorder.exe", "&Delete", "&Properties"});
        CHECK(Click(slot(1)->ButtonWindow, 0, WM_LBUTTONUP).empty());
        std::string record = recordAs("run.rec");
        CHECK(Click(slot(2)->ButtonWindow, 'r').size() == 3);
        CHECK(WaitForRecord(record)["cmdline"] == RecorderPath() + " third");

        boxes.answers = {IDCANCEL};
        Delete(1);
        CHECK(boxes.seen == "Quenvolet|Delete button?\n");
        CHECK(ButtonCount == 3);
        Delete(1);
        REQUIRE(ButtonCount == 2);
        menu(IDM_SAVESETTINGS);
        CHECK(Profile(ini, "Button3", "FileName") == "<absent>");

        Delete(1);
        send(WM_ENDSESSION, FALSE);
        CHECK(Profile(ini, "Button2", "Parameters") == "third");
        send(WM_ENDSESSION, TRUE);
        CHECK(Profile(ini, "Button2", "FileName") == "<absent>");
        Delete(0);
        HWND window = bar();
        menu(SC_CLOSE);
        CHECK_FALSE(IsWindow(window));
        CHECK(Profile(ini, "Button1", "FileName") == "<absent>");
    }

    TEST_CASE_FIXTURE(BarFixture, "the editor beside the bar gets file, bar and button; without one, the bar says so")
    {
        // Started without a file, the bar takes the INI file named after the program, beside it.
        WriteFile(ini, Buttons(RecorderPath(), {"first", "second"}));
        BesideProgram beside("wintests.INI", true, ini);
        const std::string home = ProgramFolder() + "\\", own = home + "wintests.INI";
        REQUIRE(StartBar(""));
        menu(IDM_CONFIGURE);  // no editor anywhere yet
        CHECK(boxes.seen == "Configure Quenvolet problem|Could not locate \"QVconfig.exe\"\n");
        // The one beside the bar wins over one in the current folder.
        BesideProgram editor("QVconfig.exe", true, RecorderPath());
        REQUIRE(CopyFileA(RecorderPath().c_str(), dir.file("QVconfig.exe").c_str(), FALSE));
        SetCurrentDirectoryA(dir.path().c_str());
        std::string record = recordAs("editor.rec");
        Delete(0);
        HWND window = bar();
        send(WM_COMMAND, IDM_PROPERTIES);  // of the first button
        const std::string expected = home + "QVconfig.exe \"" + own + "\" \"" + home + "wintests.exe\" 0";
        CHECK(SamePath(WaitForRecord(record)["cmdline"], expected));
        CHECK(Profile(own, "Button1", "Parameters") == "second");
        CHECK_FALSE(IsWindow(window));  // the bar makes way for the editor
    }
}
