// A configuration file no editor would write: the bar starts on it, and a
// save keeps the sections it does not own.
#include "Fixture.h"

using namespace qv;

TEST_SUITE("hostile")
{
    TEST_CASE_FIXTURE(BarFixture, "a hostile file: the bar starts on it, and a save keeps what it does not own")
    {
        std::string garbage(65536, '\0');
        for (size_t i = 0; i < garbage.size(); ++i)
            garbage[i] = (char)((i * 2654435761u) >> 13);
        // The bar reads a section in one call; one longer than that reads key by key.
        const std::string button = Section("Button1") + Key("Note", std::string(100000, 'n')) +
                                   Key("FileName", Notepad) + Key("Parameters", "\"p q\"");
        REQUIRE(start(garbage + "\r\n[Keep]\nA=1\r\n" + Section("Window") + Key("Title", std::string(100000, '9')) +
                      button + "[Other]\nC=3\n\r\n[Keep]\r\nB=2\n"));
        REQUIRE(ButtonCount == 1);
        CHECK(std::string(slot(0)->Parameters) == "p q");
        BarState.UnsavedChanges = true;  // so that every button section is written too
        SaveSettings();
        CHECK(Profile(ini, "Keep", "A") + Profile(ini, "Other", "C") == "13");
        CHECK(ReadFile(ini).find("[Keep]\r\nB=2") != std::string::npos);  // the profile functions read only the first
    }
}
