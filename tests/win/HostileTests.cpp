// A configuration file no editor would write: the bar starts on it and keeps what it does not own.
#include "Fixture.h"

using namespace qv;

TEST_SUITE("hostile")
{
    TEST_CASE_FIXTURE(BarFixture, "a hostile file: the bar starts on it, and a save keeps what it does not own")
    {
        // The bar reads a section in one call; one longer than that reads key by key.
        const std::string button = Button(1) + Key("Note", std::string(100000, 'n')) +
                                   Key("FileName", Notepad) + Key("Parameters", "\"p q\"");
        REQUIRE(start(Garbage() + "\r\n[Keep]\nA=1\r\n" + Section("Window") + Key("Title", std::string(100000, '9')) +
                      button + "[Other]\nC=3\n\r\n[Keep]\r\nB=2\n" + ManySections()));
        REQUIRE(ButtonCount == 1);
        CHECK(std::string(slot(0)->Parameters) == "p q");
        BarState.UnsavedChanges = true;  // so that every button section is written too
        SaveSettings();
        CHECK(Profile(ini, "Keep", "A") + Profile(ini, "Other", "C") == "13");
        CHECK(ReadFile(ini).find("[Keep]\r\nB=2") != std::string::npos);  // the profile functions read only the first
        CHECK(Profile(ini, "S9999", "K") == std::string(1024, 'k'));

        // held open without sharing by another program: the bar starts, and its save changes nothing
        ResetLauncher();
        const std::string saved = ReadFile(ini);
        HANDLE lock = Hold(ini);
        REQUIRE(StartBar(ini, SW_SHOWNOACTIVATE));
        CHECK(IsWindowVisible(bar()));
        BarState.UnsavedChanges = true;
        SaveSettings();
        ResetLauncher();
        CloseHandle(lock);
        CHECK(ReadFile(ini) == saved);
    }
}
