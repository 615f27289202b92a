// Starting programs for real: the recorder is started by buttons and tells
// how it was started (command line, working directory, show command).
#include "Fixture.h"

using namespace qv;

namespace {

using Record = std::map<std::string, std::string>;

// Runs a slot as the bar does and returns what the started program saw.
Record Launch(BarFixture& f, int slot, const char* directory = nullptr, const char* extra = nullptr)
{
    static int counter;
    std::string record = RecordInto(f, ("run" + std::to_string(++counter) + ".rec").c_str());
    RunButton(slot, directory, extra);
    return WaitForRecord(record);
}

// True when no program wrote the record within a while.
bool NothingStarted(const std::string& record)
{
    Pump(1500);
    return !FileExists(record);
}

std::string Button(const std::string& fileName, const std::string& extra = "")
{
    return Section("Button1") + Key("FileName", fileName) + extra;
}

}  // namespace

TEST_SUITE("launch")
{
    TEST_CASE_FIXTURE(BarFixture, "the command line is the program and its parameters, exactly")
    {
        const std::string recorder = RecorderPath();
        SUBCASE("empty parameters add no blank")
        {
            REQUIRE(start(Button(recorder, Key("Parameters", ""))));
            CHECK(Launch(*this, 0)["cmdline"] == recorder);
        }
        SUBCASE("a section without parameters keeps its one blank")
        {
            REQUIRE(start(Button(recorder)));
            CHECK(std::string(slot(0)->Parameters) == " ");
            CHECK(Launch(*this, 0)["cmdline"] == recorder + "  ");
        }
        SUBCASE("parameters follow after one blank")
        {
            REQUIRE(start(Button(recorder, Key("Parameters", "-a \"two words\""))));
            CHECK(Launch(*this, 0)["cmdline"] == recorder + " -a \"two words\"");
        }
        SUBCASE("extra arguments get a blank unless they bring one")
        {
            REQUIRE(start(Button(recorder, Key("Parameters", "-p"))));
            CHECK(Launch(*this, 0, nullptr, "one.txt two.txt")["cmdline"] == recorder + " -p one.txt two.txt");
            CHECK(Launch(*this, 0, nullptr, " one.txt")["cmdline"] == recorder + " -p one.txt");
        }
    }

    TEST_CASE_FIXTURE(BarFixture, "the working directory is the caller's, else the button's")
    {
        TempDir buttonDir, callerDir, barDir;
        CurrentDirectory here(barDir.path());
        SUBCASE("with a start-up directory")
        {
            REQUIRE(start(Button(RecorderPath(), Key("DefaultDirectory", buttonDir.path()))));
            CHECK(lstrcmpiA(Launch(*this, 0)["cwd"].c_str(), buttonDir.path().c_str()) == 0);
            CHECK(lstrcmpiA(Launch(*this, 0, callerDir.path().c_str())["cwd"].c_str(), callerDir.path().c_str()) == 0);
        }
        SUBCASE("without one the program inherits the bar's")
        {
            REQUIRE(start(Button(RecorderPath())));
            CHECK(lstrcmpiA(Launch(*this, 0)["cwd"].c_str(), barDir.path().c_str()) == 0);
        }
    }

    TEST_CASE_FIXTURE(BarFixture, "the window state becomes the show command")
    {
        const char* words[] = {"Maximized", "Minimized", "Normal", nullptr};
        const char* shows[] = {"3", "6", "5", "5"};
        for (int i = 0; i < 4; ++i) {
            CAPTURE(i);
            ResetLauncher();
            REQUIRE(start(Button(RecorderPath(), words[i] ? Key("Window", words[i]) : std::string())));
            Record r = Launch(*this, 0);
            CHECK(r["show"] == shows[i]);
            CHECK((std::stoul(r["flags"].empty() ? "0" : r["flags"]) & STARTF_USESHOWWINDOW) != 0);
        }
    }

    TEST_CASE_FIXTURE(BarFixture, "a click starts the button, a double click does not")
    {
        REQUIRE(start(ThreeButtons(RecorderPath())));
        HWND second = slot(1)->ButtonWindow;

        std::string record = RecordInto(*this, "click.rec");
        SendMessageA(second, BM_CLICK, 0, 0);  // the button reports BN_CLICKED to the bar
        Record r = WaitForRecord(record);
        CHECK(r["cmdline"] == RecorderPath() + " second");

        record = RecordInto(*this, "double.rec");
        SendMessageA(bar(), WM_COMMAND, MAKEWPARAM(FIRST_BUTTON_ID + 1, BN_DOUBLECLICKED), (LPARAM)second);
        CHECK(NothingStarted(record));

        record = RecordInto(*this, "popup.rec");
        PopupSlot = 2;
        SendMessageA(bar(), WM_COMMAND, IDM_RUN, 0);
        CHECK(WaitForRecord(record)["cmdline"] == RecorderPath() + " third");
        CHECK(boxes.seen().empty());
    }

    TEST_CASE_FIXTURE(BarFixture, "a document button opens the document with its program")
    {
        RegisterRecorderDocuments();
        std::string doc = dir.file("letter.qvdoc");
        WriteFile(doc, "text");
        REQUIRE(start(Button(doc)));
        REQUIRE(ButtonCount == 1);
        std::string cmdline = Launch(*this, 0)["cmdline"];
        CAPTURE(cmdline);
        CHECK(EndsWith(cmdline, doc));
        CHECK(lstrcmpiA(cmdline.substr(0, RecorderPath().size()).c_str(), RecorderPath().c_str()) == 0);
    }

    TEST_CASE_FIXTURE(BarFixture, "a program that has gone is reported and the bar carries on")
    {
        REQUIRE(start(ThreeButtons(RecorderPath())));
        TextCopy(slot(0)->ProgramPath, sizeof slot(0)->ProgramPath, dir.file("gone.exe").c_str());
        RunButton(0, nullptr, nullptr);
        auto seen = boxes.seen();
        REQUIRE(seen.size() == 1);
        CHECK(seen[0].caption == "Application execution error");
        CAPTURE(seen[0].text);
        CHECK(seen[0].text.size() > 3);  // the system's words for the failure
        CHECK(IsWindow(bar()));

        // The other buttons still work.
        CHECK(Launch(*this, 1)["cmdline"] == RecorderPath() + " second");

        // Slots that hold nothing start nothing and say nothing.
        boxes.clear();
        RunButton(5, nullptr, nullptr);
        RunButton(-1, nullptr, nullptr);
        CHECK(boxes.seen().empty());
    }

    TEST_CASE_FIXTURE(BarFixture, "StartProgram reports whether the program started")
    {
        std::string record = RecordInto(*this, "direct.rec");
        std::string line = RecorderPath() + " direct";
        CHECK(StartProgram(&line[0], nullptr, SW_SHOWNORMAL));
        CHECK(WaitForRecord(record)["show"] == "1");
        std::string missing = dir.file("missing.exe");
        CHECK_FALSE(StartProgram(&missing[0], nullptr, SW_SHOWNORMAL));
        CHECK(boxes.waitFor(1));
    }
}
