// Configuration files that no editor would write: the bar starts on each, and
// a save keeps every section it does not own with all its lines.
#include "Fixture.h"

#include <cstring>

using namespace qv;

namespace {

// The sections the bar does not own with their lines, as the profile functions
// read them; no list they give is longer than the file.
std::string Foreign(const std::string& file)
{
    std::vector<char> names(ReadFile(file).size() + 16), lines(names.size());
    names.resize(GetPrivateProfileSectionNamesA(names.data(), (DWORD)names.size(), file.c_str()));
    std::string kept;
    for (const char* name = names.data(); name < names.data() + names.size(); name += std::strlen(name) + 1) {
        bool owned = lstrcmpiA(name, "Window") == 0;
        for (int n = 1; n <= MaxButtons; ++n)
            owned |= lstrcmpiA(name, ("Button" + std::to_string(n)).c_str()) == 0;
        if (owned)
            continue;
        const DWORD n = GetPrivateProfileSectionA(name, lines.data(), (DWORD)lines.size(), file.c_str());
        kept += "[" + std::string(name) + "]" + std::string(lines.data(), n);
    }
    return kept;
}

}  // namespace

TEST_SUITE("hostile")
{
    TEST_CASE("hostile configuration files: the bar starts, and a save keeps what it does not own")
    {
        const std::string plain =
            Section("Window") + Key("Title", "Plain") + Buttons(Notepad, {""}) + Section("Keep") + Key("A", "1");
        std::string garbage(65536, '\0'), big = plain + Section("Big"), many = plain;
        for (size_t i = 0; i < garbage.size(); ++i)
            garbage[i] = (char)((i * 2654435761u) >> 13);
        for (int i = 0; big.size() < 10u << 20; ++i)
            big += Key("Key" + std::to_string(i), std::string(100, 'b'));
        for (int i = 0; i < 10000; ++i)
            many += Section("Section" + std::to_string(i)) + Key("Key", "value" + std::to_string(i));
        const std::string v(100000, '9');  // digits, so that numbers read it too
        struct Row { const char* name; std::string content; bool locked; } rows[] = {
            {"binary garbage", garbage + "\r\n" + plain + garbage.substr(0, 4096), false},
            {"a 10 MiB file", big, false},
            {"values of 100,000 characters", Section("Window") + Key("Title", v) + Key("Position", v) + Key("Left", v) +
                 Buttons(Notepad, {v}) + Key("DefaultDirectory", v) + Key("IconFile", v) + Key("IconIndex", v) +
                 Key("Window", v) + Section("Button2") + Key("FileName", v) + Section("Long") + Key(v, v), false},
            {"10,000 sections", many, false},
            {"CR LF and LF mixed", "[Window]\nTitle=Mixed\r\n[Button1]\r\nFileName=" + std::string(Notepad) +
                 "\nParameters=p\r\n[Keep]\nA=1\r\nB=2\n\r\n[Other]\r\nC=3\nD=4", false},
            {"duplicated keys and sections", Section("Keep") + Key("A", "1") + Key("A", "2") + plain + Section("Keep") +
                 Key("B", "3") + Buttons(Notepad, {"p"}) + Section("Window") + Key("Title", "two"), false},
            {"a file held open without sharing", plain, true},
        };
        for (const Row& row : rows) {
            CAPTURE(row.name);
            BarFixture f;
            WriteFile(f.ini, row.content);
            const std::string before = Foreign(f.ini);
            HANDLE lock = INVALID_HANDLE_VALUE;
            if (row.locked)
                lock = CreateFileA(f.ini.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
            CHECK(row.locked == (lock != INVALID_HANDLE_VALUE));
            REQUIRE(StartBar(f.ini, SW_SHOWNOACTIVATE));
            CHECK(IsWindowVisible(f.bar()));
            BarState.UnsavedChanges = true;  // so that every button section is written too
            SaveSettings();
            ResetLauncher();
            if (lock != INVALID_HANDLE_VALUE)
                CloseHandle(lock);
            CHECK((Foreign(f.ini) == before));  // not the texts themselves: some are 10 MiB
        }
    }

    // The bar reads a section in one call; one longer than that reads key by key.
    TEST_CASE_FIXTURE(BarFixture, "keys after a long hand-written line of a button section still count")
    {
        REQUIRE(start(Section("Button1") + Key("Note", std::string(5000, 'n')) + Key("FileName", Notepad) +
                      Key("Parameters", "\"p q\"")));
        REQUIRE(ButtonCount == 1);
        CHECK(std::string(slot(0)->Parameters) == "p q");
    }
}
