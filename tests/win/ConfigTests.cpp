// The configuration file as the launcher reads and rewrites it: button
// sections with gaps, documents, parameters, icons, show commands, and the
// sections it does not own, through the real profile functions.
#include "Fixture.h"

#include <cstring>

using namespace qv;

TEST_SUITE("config")
{
    TEST_CASE_FIXTURE(BarFixture, "sections with gaps load in order and flush without gaps")
    {
        REQUIRE(start(Section("Window") + Key("Title", "Gaps") +
                      Section("Button2") + Key("FileName", Notepad) + Key("Parameters", "two") +
                      Section("Button5") + Key("FileName", RecorderPath()) + Key("Parameters", "five") +
                      Section("Button9") + Key("FileName", Notepad) + Key("Parameters", "nine") +
                      Section("Extra") + Key("Keep", "me")));
        REQUIRE(ButtonCount == 3);
        CHECK(std::string(slot(0)->Parameters) == "two");
        CHECK(std::string(slot(1)->Parameters) == "five");
        CHECK(std::string(slot(2)->Parameters) == "nine");
        CHECK(ButtonTable[3] == nullptr);

        FlushButtons();
        CHECK_FALSE(BarState.UnsavedChanges);
        auto ini = file();
        std::vector<std::string> buttons;
        for (auto& s : ini)
            if (s.name.rfind("Button", 0) == 0)
                buttons.push_back(s.name);
        CHECK(buttons == std::vector<std::string>{"Button1", "Button2", "Button3"});
        CHECK(*FindSection(ini, "Button2")->find("Parameters") == "five");
        CHECK(*FindSection(ini, "Button3")->find("Parameters") == "nine");
        REQUIRE(FindSection(ini, "Extra") != nullptr);
        CHECK(*FindSection(ini, "Extra")->find("Keep") == "me");
        CHECK(*FindSection(ini, "Window")->find("Title") == "Gaps");
    }

    TEST_CASE_FIXTURE(BarFixture, "a document becomes its program with the document in front of the parameters")
    {
        RegisterRecorderDocuments();
        std::string doc = dir.file("letter.qvdoc");
        WriteFile(doc, "text");

        SUBCASE("with parameters")
        {
            REQUIRE(start(Section("Button1") + Key("FileName", doc) + Key("Parameters", "-p 1")));
            REQUIRE(ButtonCount == 1);
            CHECK(SameFileName(slot(0)->ProgramPath, "recorder.exe"));
            CHECK(std::string(slot(0)->Parameters) == doc + " -p 1");
            FlushButtons();
            auto written = file();
            auto b = FindSection(written, "Button1");
            REQUIRE(b != nullptr);
            CHECK(EndsWith(*b->find("FileName"), "recorder.exe"));
            CHECK(*b->find("Parameters") == doc + " -p 1");
        }
        SUBCASE("without a Parameters key")
        {
            REQUIRE(start(Section("Button1") + Key("FileName", doc)));
            REQUIRE(ButtonCount == 1);
            CHECK(std::string(slot(0)->Parameters) == doc);
        }
        SUBCASE("with an empty Parameters value")
        {
            REQUIRE(start(Section("Button1") + Key("FileName", doc) + Key("Parameters", "")));
            REQUIRE(ButtonCount == 1);
            CHECK(std::string(slot(0)->Parameters) == doc + " ");
        }
        CHECK(boxes.seen().empty());
    }

    TEST_CASE_FIXTURE(BarFixture, "a long document keeps at most 137 characters with its parameters")
    {
        RegisterRecorderDocuments();
        std::string base = dir.path() + "\\";
        const size_t wanted = 130;
        std::string name(wanted - base.size() - 6, 'd');
        std::string doc = base + name + ".qvdoc";
        REQUIRE(doc.size() == wanted);
        WriteFile(doc, "x");
        REQUIRE(start(Section("Button1") + Key("FileName", doc) + Key("Parameters", "ABCDEFGHIJKLMNOPQRST")));
        REQUIRE(ButtonCount == 1);
        CHECK(std::string(slot(0)->Parameters) == doc + " ABCDEF");
        CHECK(std::strlen(slot(0)->Parameters) == 137);
    }

    TEST_CASE_FIXTURE(BarFixture, "a document whose name a button cannot hold is refused with a message")
    {
        RegisterRecorderDocuments();
        std::string base = dir.path() + "\\";
        std::string doc = base + std::string(150 - base.size() - 6, 'e') + ".qvdoc";
        WriteFile(doc, "x");
        REQUIRE(start(Section("Button1") + Key("FileName", doc) + Section("Button2") + Key("FileName", Notepad)));
        CHECK(ButtonCount == 1);
        CHECK(EndsWith(slot(0)->ProgramPath, "notepad.exe"));
        REQUIRE(boxes.waitFor(1));
        CHECK(boxes.seen()[0].caption == "Cannot add icon");
        CHECK(boxes.seen()[0].text.find(doc) != std::string::npos);
    }

    TEST_CASE_FIXTURE(BarFixture, "a program without parameters is written back with a one-blank value")
    {
        REQUIRE(start(Section("Button1") + Key("FileName", Notepad)));
        REQUIRE(ButtonCount == 1);
        CHECK(std::string(slot(0)->Parameters) == " ");
        FlushButtons();
        // the key is there and reads back as empty text
        CHECK(Profile(ini, "Button1", "Parameters") == "");
        CHECK(Profile(ini, "Button1", "FileName") == Notepad);
        // the program's own icon is not written, nor a zero index or a normal window
        CHECK(Profile(ini, "Button1", "IconFile") == "<absent>");
        CHECK(Profile(ini, "Button1", "IconIndex") == "<absent>");
        CHECK(Profile(ini, "Button1", "Window") == "<absent>");
    }

    TEST_CASE_FIXTURE(BarFixture, "None, empty and unknown file names")
    {
        REQUIRE(start(Section("Button1") + Key("FileName", "None") +
                      Section("Button2") + Key("FileName", Notepad) + Key("Parameters", "first") +
                      Section("Button3") + Key("FileName", "") +
                      Section("Button4") + Key("FileName", "C:\\no\\such\\program.exe") +
                      Section("Button5") + Key("FileName", "none")));
        CHECK(ButtonCount == 1);
        CHECK(std::string(slot(0)->Parameters) == "first");
        REQUIRE(boxes.waitFor(3));
        auto seen = boxes.seen();
        REQUIRE(seen.size() == 3);
        for (auto& box : seen) {
            CHECK(box.caption == "Cannot add icon");
            CHECK(box.text.rfind("No associated executable file found for file\n", 0) == 0);
        }
        CHECK(seen[1].text == "No associated executable file found for file\nC:\\no\\such\\program.exe");
        CHECK(seen[2].text == "No associated executable file found for file\nnone");
        // a passed-over section stays in the file until the buttons are written
        CHECK(Profile(ini, "Button4", "FileName") == "C:\\no\\such\\program.exe");
    }

    TEST_CASE_FIXTURE(BarFixture, "icons: own icon, explorer's, fall-backs and indexes")
    {
        SUBCASE("explorer.exe with an empty IconFile takes icon 36 of shell32.dll")
        {
            REQUIRE(start(Section("Button1") + Key("FileName", "C:\\WINDOWS\\EXPLORER.EXE") + Key("IconFile", "")));
            REQUIRE(ButtonCount == 1);
            CHECK(EndsWith(slot(0)->IconFile, "\\shell32.dll"));
            CHECK(slot(0)->IconIndex == 36);
            FlushButtons();
            CHECK(EndsWith(Profile(ini, "Button1", "IconFile"), "\\shell32.dll"));
            CHECK(Profile(ini, "Button1", "IconIndex") == "36");
        }
        SUBCASE("programs without icons fall back to progman.exe 1, 2, ...")
        {
            REQUIRE(start(Section("Button1") + Key("FileName", RecorderPath()) +
                          Section("Button2") + Key("FileName", RecorderPath())));
            REQUIRE(ButtonCount == 2);
            CHECK(std::string(slot(0)->IconFile) == "progman.exe");
            CHECK(slot(0)->IconIndex == 1);
            CHECK(std::string(slot(1)->IconFile) == "progman.exe");
            CHECK(slot(1)->IconIndex == 2);
            CHECK(slot(0)->Icon != nullptr);
            CHECK(slot(1)->Icon != nullptr);
            FlushButtons();
            CHECK(Profile(ini, "Button2", "IconFile") == "progman.exe");
            CHECK(Profile(ini, "Button2", "IconIndex") == "2");
        }
        SUBCASE("an icon file that equals the program in other letters is not written; -3 is")
        {
            std::string upper = Notepad;
            CharUpperA(&upper[0]);
            REQUIRE(start(Section("Button1") + Key("FileName", Notepad) + Key("IconFile", upper) +
                          Section("Button2") + Key("FileName", Notepad) + Key("IconIndex", "0x10")));
            REQUIRE(ButtonCount == 2);
            CHECK(slot(1)->IconIndex == 0);
            slot(0)->IconIndex = -3;
            FlushButtons();
            CHECK(Profile(ini, "Button1", "IconFile") == "<absent>");
            CHECK(Profile(ini, "Button1", "IconIndex") == "-3");
            CHECK(Profile(ini, "Button2", "IconIndex") == "<absent>");
        }
    }

    TEST_CASE_FIXTURE(BarFixture, "window states read and written")
    {
        REQUIRE(start(Section("Button1") + Key("FileName", Notepad) + Key("Window", "maximized") +
                      Section("Button2") + Key("FileName", Notepad) + Key("Window", "MINIMIZED") +
                      Section("Button3") + Key("FileName", Notepad) + Key("Window", "Normal") +
                      Section("Button4") + Key("FileName", Notepad) + Key("Window", "sideways")));
        REQUIRE(ButtonCount == 4);
        CHECK(slot(0)->ShowCommand == 3);
        CHECK(slot(1)->ShowCommand == 6);
        CHECK(slot(2)->ShowCommand == 5);
        CHECK(slot(3)->ShowCommand == 5);
        slot(2)->ShowCommand = 7;  // as a shortcut may give it
        slot(3)->ShowCommand = 2;
        FlushButtons();
        CHECK(Profile(ini, "Button1", "Window") == "Maximized");
        CHECK(Profile(ini, "Button2", "Window") == "Minimized");
        CHECK(Profile(ini, "Button3", "Window") == "Minimized");
        CHECK(Profile(ini, "Button4", "Window") == "Minimized");
        ResetLauncher();
        REQUIRE(StartBar(ini));
        CHECK(ButtonTable[2]->ShowCommand == 6);
    }

    TEST_CASE_FIXTURE(BarFixture, "directory and parameters are kept as written")
    {
        REQUIRE(start(Section("Button1") + Key("FileName", Notepad) + Key("DefaultDirectory", "C:\\windows") +
                      Key("Parameters", "\"a b\" c")));
        FlushButtons();
        CHECK(Profile(ini, "Button1", "DefaultDirectory") == "C:\\windows");
        CHECK(Profile(ini, "Button1", "Parameters") == "\"a b\" c");
    }
}

TEST_SUITE("config")
{
    TEST_CASE_FIXTURE(BarFixture, "hostile files: the bar starts and keeps what it does not own")
    {
        std::string huge(100000, 'x');
        SUBCASE("missing file")
        {
            REQUIRE(StartBar(dir.file("absent.ini")));
            CHECK(ButtonCount == 0);
            CHECK(std::string(BarState.ConfigFilePath) == dir.file("absent.ini"));
            SaveSettings();
            CHECK(Profile(dir.file("absent.ini"), "Window", "AlwaysOnTop") == "False");
        }
        SUBCASE("empty file")
        {
            REQUIRE(start(""));
            CHECK(ButtonCount == 0);
        }
        SUBCASE("binary garbage")
        {
            std::string garbage;
            unsigned seed = 12345;
            for (int i = 0; i < 20000; ++i) {
                seed = seed * 1103515245u + 12345u;
                garbage += (char)(seed >> 16);
            }
            REQUIRE(start(garbage));
            CHECK(ButtonCount <= MaxButtons);
            SaveSettings();
            CHECK(Profile(ini, "Window", "AlwaysOnTop") == "False");
        }
        SUBCASE("values of 100,000 characters are cut to their buffers")
        {
            REQUIRE(start(Section("Window") + Key("Title", huge) + Key("Left", huge) + Key("Position", huge) +
                          Section("Button1") + Key("FileName", Notepad) + Key("Parameters", huge) +
                          Key("DefaultDirectory", huge) + Key("IconFile", huge) + Key("IconIndex", huge) +
                          Key("Window", huge) +
                          Section("Button2") + Key("FileName", huge) +
                          Section("Other") + Key("Long", huge)));
            REQUIRE(ButtonCount == 1);
            CHECK(std::strlen(slot(0)->Parameters) == 137);
            CHECK(std::strlen(slot(0)->DefaultDirectory) == 259);
            CHECK(std::strlen(slot(0)->IconFile) <= 259);
            char caption[200];
            GetWindowTextA(bar(), caption, sizeof caption);
            CHECK(std::string(caption) == std::string(63, 'x'));
            BarState.UnsavedChanges = true;
            SaveSettings();
            CHECK((Profile(ini, "Other", "Long") == huge));
            CHECK((Profile(ini, "Window", "Title") == huge));
        }
        SUBCASE("duplicate, out-of-range and foreign sections")
        {
            REQUIRE(start(Section("Button0") + Key("FileName", Notepad) + Key("Keep", "zero") +
                          Section("Button1") + Key("FileName", Notepad) + Key("Parameters", "one") +
                          Section("Button1") + Key("FileName", RecorderPath()) + Key("Parameters", "dup") +
                          Section("Button25") + Key("FileName", Notepad) + Key("Keep", "twenty-five") +
                          Section("Button01") + Key("FileName", Notepad) +
                          Section("Tools") + Key("a", "1") + Key("b", "2") + Key("c", "")));
            CHECK(ButtonCount == 1);
            BarState.UnsavedChanges = true;
            SaveSettings();
            auto after = file();
            REQUIRE(FindSection(after, "Button0") != nullptr);
            CHECK(*FindSection(after, "Button0")->find("Keep") == "zero");
            CHECK(*FindSection(after, "Button25")->find("Keep") == "twenty-five");
            REQUIRE(FindSection(after, "Button01") != nullptr);
            auto tools = FindSection(after, "Tools");
            REQUIRE(tools != nullptr);
            CHECK(tools->keys.size() == 3);
            CHECK(*tools->find("b") == "2");
            CHECK(*tools->find("c") == "");
            CHECK(Profile(ini, "Button2", "FileName") == "<absent>");
        }
        SUBCASE("numbers that do not fit in the old eight characters are written whole")
        {
            REQUIRE(start(Section("Button1") + Key("FileName", Notepad) + Key("IconIndex", "-2147483648")));
            REQUIRE(ButtonCount == 1);
            // no such icon: the fall-back took its place
            CHECK(std::string(slot(0)->IconFile) == "progman.exe");
            slot(0)->IconIndex = -2147483647 - 1;
            FlushButtons();
            CHECK(Profile(ini, "Button1", "IconIndex") == "-2147483648");
        }
    }

    TEST_CASE_FIXTURE(BarFixture, "configuration path: verbatim, searched, and never cut")
    {
        SUBCASE("a path with blanks in it")
        {
            std::string spaced = dir.file("my bar config.ini");
            WriteFile(spaced, Section("Button1") + Key("FileName", Notepad));
            REQUIRE(StartBar("   " + spaced));
            CHECK(std::string(BarState.ConfigFilePath) == spaced);
            CHECK(ButtonCount == 1);
        }
        SUBCASE("quotes stay part of the name")
        {
            std::string quoted = "\"" + dir.file("q.ini") + "\"";
            WriteFile(dir.file("q.ini"), Section("Button1") + Key("FileName", Notepad));
            REQUIRE(StartBar(quoted));
            CHECK(std::string(BarState.ConfigFilePath) == quoted);
            CHECK(ButtonCount == 0);
        }
        SUBCASE("a bare name is found by the search and becomes its full path")
        {
            WriteFile(dir.file("bare-name.ini"), Section("Button1") + Key("FileName", Notepad));
            char previous[MAX_PATH];
            GetCurrentDirectoryA(sizeof previous, previous);
            SetCurrentDirectoryA(dir.path().c_str());
            bool started = StartBar("bare-name.ini");
            SetCurrentDirectoryA(previous);
            REQUIRE(started);
            CHECK(lstrcmpiA(BarState.ConfigFilePath, dir.file("bare-name.ini").c_str()) == 0);
            CHECK(ButtonCount == 1);
        }
        SUBCASE("a path of 250 characters is used whole for reading and writing")
        {
            std::string path = dir.path();
            while (path.size() < 230) {
                path += "\\" + std::string(40, 'p');
                CreateDirectoryA(path.c_str(), nullptr);
            }
            path = path.substr(0, path.rfind('\\'));
            std::string name = std::string(250 - path.size() - 5, 'n') + ".ini";
            std::string full = path + "\\" + name;
            REQUIRE(full.size() == 250);
            WriteFile(full, Section("Button1") + Key("FileName", Notepad));
            REQUIRE(StartBar(full));
            CHECK(std::string(BarState.ConfigFilePath) == full);
            CHECK(ButtonCount == 1);
            BarState.UnsavedChanges = true;
            SaveSettings();
            CHECK(Profile(full, "Window", "AlwaysOnTop") == "False");
            CHECK(Profile(full, "Button1", "FileName") == Notepad);
            // nothing was written to a cut name beside it
            CHECK_FALSE(FileExists(full.substr(0, 127)));
        }
    }
}
