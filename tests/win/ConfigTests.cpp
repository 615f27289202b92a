// The configuration file as the bar reads and rewrites it through the real profile functions.
#include "Fixture.h"

using namespace qv;

TEST_SUITE("config")
{
    TEST_CASE_FIXTURE(BarFixture, "buttons load past gaps, stay as they were unchanged, and are saved without gaps")
    {
        const std::string doc = document("shopping list.qvdoc"), sub = dir.file("sub"), title(70, 't');
        CreateDirectoryA(sub.c_str(), nullptr);
        REQUIRE(CopyFileA(RecorderPath().c_str(), dir.file("sub\\tool.exe").c_str(), FALSE));
        // A program is looked for in its own folder first, a bare name in the button's folder.
        WriteFile(ini, Section("Window") + Key("Title", title) + Key("AlwaysOnTop", "False") + Key("Left", "200") +
                       Key("Top", "200") + Key("AutoHide", "False") + Button(2) + Key("FileName", Notepad) +
                       Key("Parameters", "two") + "; written by hand\r\n" + Key("Comment", "mine") +
                       Button(3) + Key("FileName", "None") + Button(4) + Key("FileName", "none") +
                       Button(5) + Key("FileName", "sub\\tool.exe") + Key("DefaultDirectory", sub) +
                       Button(6) + Key("FileName", "tool.exe") + Key("DefaultDirectory", sub) +
                       Button(7) + Key("FileName", doc) +
                       Button(8) + Key("FileName", Notepad) + Key("Window", "maximized") +
                       Key("IconFile", "C:\\WINDOWS\\NOTEPAD.EXE") +
                       Button(11) + Key("FileName", "C:\\WINDOWS\\EXPLORER.EXE") + Key("IconFile", "") +
                       Section("Extra") + Key("Keep", "me"));
        SetCurrentDirectoryA(dir.path().c_str());
        REQUIRE(StartBar("   Quenvolt.INI", SW_SHOWNOACTIVATE));
        CHECK(boxes.seen == "Cannot add icon|No associated executable file found for file\nnone\n");
        REQUIRE(ButtonCount == 6);
        CHECK(TextOf(bar()) == title.substr(0, 63));
        CHECK(std::string(slot(3)->Parameters) == "\"" + doc + "\"");  // no Parameters key: the document alone, one argument

        const std::string before = ReadFile(ini);
        SaveSettings();
        CHECK(ReadFile(ini) == before);
        FlushButtons();
        CHECK(Profile(ini, nullptr, nullptr) == "Window|Extra|Button1|Button2|Button3|Button4|Button5|Button6");
        struct Row { const char *section, *key; std::string value; } rows[] = {
            {"Button1", nullptr, "FileName=" + Notepad + "|Parameters=two"},
            {"Button2", nullptr, "FileName=" + dir.file("sub\\tool.exe") + "|DefaultDirectory=" + sub +
                                     "|Parameters=|IconFile=progman.exe|IconIndex=1"},
            {"Button5", nullptr, "FileName=" + Notepad + "|Parameters=|Window=Maximized"},
            {"Button6", "IconIndex", "36"}, {"Extra", "Keep", "me"},
        };
        for (const Row& r : rows) {
            CAPTURE(r.section);
            CHECK(Profile(ini, r.section, r.key) == r.value);
        }
    }
}
