// The configuration file as the bar reads and rewrites it through the real
// profile functions: sections with gaps, "None", documents, icons and window
// words, the keys it writes, what it leaves alone, and where the file is.
#include "Fixture.h"

using namespace qv;

TEST_SUITE("config")
{
    TEST_CASE_FIXTURE(BarFixture, "buttons load in order past gaps and are written back without them")
    {
        RegisterRecorderDocuments();
        const std::string doc = dir.file("letter.qvdoc"), tooLong = dir.path() + "\\" + std::string(150, 'e') + ".qvdoc";
        WriteFile(doc, "text");
        WriteFile(tooLong, "text");
        std::string upper = Notepad;
        CharUpperA(&upper[0]);
        REQUIRE(start(Section("Window") + Key("Title", "Gaps") +
                      Section("Button2") + Key("FileName", Notepad) + Key("Parameters", "two") +
                      Section("Button3") + Key("FileName", "None") + Section("Button4") + Key("FileName", "none") +
                      Section("Button5") + Key("FileName", RecorderPath()) + Key("DefaultDirectory", dir.path()) +
                      Section("Button6") + Key("FileName", doc) + Section("Button7") + Key("FileName", tooLong) +
                      Section("Button8") + Key("FileName", Notepad) + Key("Window", "maximized") + Key("IconFile", upper) +
                      Section("Button9") + Key("FileName", RecorderPath()) + Key("Parameters", "") +
                      Section("Button11") + Key("FileName", "C:\\WINDOWS\\EXPLORER.EXE") + Key("IconFile", "") +
                      Section("Extra") + Key("Keep", "me")));
        REQUIRE(boxes.waitFor(2));
        CHECK((boxes.seen()[0].caption + "|" + boxes.seen()[0].text) == "Cannot add icon|No associated executable file found for file\nnone");
        CHECK(boxes.seen()[1].caption == "Cannot add icon");
        CHECK(boxes.seen()[1].text.find(tooLong) != std::string::npos);
        REQUIRE(ButtonCount == 6);
        CHECK(std::string(slot(0)->Parameters) == "two");
        CHECK(std::string(slot(2)->Parameters) == doc);  // no Parameters key: the document alone
        CHECK(slot(3)->ShowCommand == 3);
        CHECK(slot(2)->IconIndex == 2);  // programs without an icon take progman's, each the next one

        FlushButtons();
        CHECK_FALSE(BarState.UnsavedChanges);
        CHECK(Profile(ini, nullptr, nullptr) == "Window|Extra|Button1|Button2|Button3|Button4|Button5|Button6");
        struct Row { const char *section, *key, *value; } rows[] = {
            {"Button1", nullptr, "FileName|Parameters"}, {"Button1", "Parameters", "two"},
            {"Button2", nullptr, "FileName|DefaultDirectory|Parameters|IconFile|IconIndex"},
            {"Button2", "DefaultDirectory", dir.path().c_str()}, {"Button2", "IconFile", "progman.exe"}, {"Button2", "IconIndex", "1"},
            {"Button3", "Parameters", doc.c_str()}, {"Button4", nullptr, "FileName|Parameters|Window"},
            {"Button4", "Window", "Maximized"}, {"Button5", nullptr, "FileName|IconFile|IconIndex"}, {"Button6", "IconIndex", "36"},
            {"Extra", "Keep", "me"},
        };
        for (const Row& r : rows) {
            CAPTURE(r.section);
            CHECK(Profile(ini, r.section, r.key) == r.value);
        }
        CHECK(EndsWith(Profile(ini, "Button3", "FileName"), "\\recorder.exe"));
        CHECK(EndsWith(Profile(ini, "Button6", "IconFile"), "\\shell32.dll"));
    }

    TEST_CASE_FIXTURE(BarFixture, "closing a bar in which nothing changed leaves its file as it was")
    {
        RegisterRecorderDocuments();
        WriteFile(dir.file("memo.qvdoc"), "text");
        REQUIRE(start(Section("Button2") + Key("FileName", dir.file("memo.qvdoc")) + Key("Parameters", "-x") +
                      "; written by hand\r\n" + Key("Comment", "mine") +
                      Section("Button4") + Key("FileName", "notepad.exe") + Key("IconFile", "") +
                      Section("Window") + Key("AlwaysOnTop", "False") + Key("Left", "200") + Key("Top", "200")));
        REQUIRE(ButtonCount == 2);
        const std::string before = ReadFile(ini);
        SendMessageA(bar(), WM_CLOSE, 0, 0);
        CHECK(ReadFile(ini) == before);
    }

    TEST_CASE_FIXTURE(BarFixture, "a hostile file: the bar starts, cuts values to its buffers, keeps foreign sections")
    {
        const std::string huge(100000, 'x');
        std::string title = huge;
        title[62] = 'E';
        REQUIRE(start(Section("Window") + Key("Title", title) + Key("Left", huge) + Key("Position", huge) +
                      Section("Button1") + Key("FileName", Notepad) + Key("Parameters", huge) + Key("IconIndex", huge) +
                      Section("Button2") + Key("FileName", huge) + Section("Other") + Key("Long", huge) + "\x01\xff=\r\n"));
        REQUIRE(ButtonCount == 1);
        CHECK(std::string(slot(0)->Parameters).size() == 137);
        char caption[200];
        GetWindowTextA(bar(), caption, sizeof caption);
        CHECK(std::string(caption) == title.substr(0, 63));
        BarState.UnsavedChanges = true;
        SendMessageA(bar(), WM_CLOSE, 0, 0);
        CHECK(Profile(ini, "Other", "Long") == huge);
        CHECK(Profile(ini, "Window", "Title") == title);
    }

    TEST_CASE_FIXTURE(BarFixture, "the configuration path: after blanks, searched, and never cut")
    {
        std::string path = dir.path();
        while (path.size() < 190)
            CreateDirectoryA((path += "\\" + std::string(40, 'p')).c_str(), nullptr);
        const std::string spaced = dir.file("my bar.ini"), full = path + "\\" + std::string(245 - path.size(), 'n') + ".ini";
        REQUIRE(full.size() == 250);
        struct Row { std::string line, file; } rows[] = {{"   " + spaced, spaced}, {"bare.ini", dir.file("bare.ini")}, {full, full}};
        CurrentDirectory here(dir.path());
        for (const Row& r : rows) {
            CAPTURE(r.line);
            ResetLauncher();
            WriteFile(r.file, Section("Button1") + Key("FileName", Notepad));
            REQUIRE(StartBar(r.line));
            CHECK(lstrcmpiA(BarState.ConfigFilePath, r.file.c_str()) == 0);
            CHECK(ButtonCount == 1);
            SaveSettings();
            CHECK(Profile(r.file, "Window", "AlwaysOnTop") == "False");
        }
    }

    TEST_CASE_FIXTURE(BarFixture, "a program is looked for in its own folder first, a bare name in the button's folder")
    {
        TempDir other;
        CreateDirectoryA(dir.file("sub").c_str(), nullptr);
        REQUIRE(CopyFileA(RecorderPath().c_str(), dir.file("sub\\tool.exe").c_str(), FALSE));
        CurrentDirectory here(dir.path());
        REQUIRE(start(Section("Button1") + Key("FileName", "sub\\tool.exe") + Key("DefaultDirectory", other.path()) +
                      Section("Button2") + Key("FileName", "tool.exe") + Key("DefaultDirectory", dir.file("sub"))));
        CHECK(boxes.seen().empty());
        REQUIRE(ButtonCount == 2);
        CHECK(EndsWith(slot(0)->ProgramPath, "tool.exe"));
        CHECK(lstrcmpiA(slot(1)->ProgramPath, dir.file("sub\\tool.exe").c_str()) == 0);
    }
}
