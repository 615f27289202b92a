// Starting programs for real: the recorder, started by the bar's buttons,
// tells its command line, working directory and show command.
#include "Fixture.h"

#include <tlhelp32.h>

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

bool RecorderRunning()
{
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    PROCESSENTRY32 entry = {sizeof entry};
    bool running = false;
    for (BOOL more = Process32First(snapshot, &entry); more; more = Process32Next(snapshot, &entry))
        running = running || lstrcmpiA(entry.szExeFile, "recorder.exe") == 0;
    CloseHandle(snapshot);
    return running;
}

std::string Button(const std::string& extra) { return Section("Button1") + Key("FileName", RecorderPath()) + extra; }

}  // namespace

TEST_SUITE("launch")
{
    TEST_CASE_FIXTURE(BarFixture, "the program gets its parameters and the extra arguments, exactly")
    {
        REQUIRE(start(Button(Key("Parameters", "-a \"two words\""))));
        CHECK(Launch(*this, 0, nullptr, "one.txt")["cmdline"] == RecorderPath() + " -a \"two words\" one.txt");
        ResetLauncher();
        REQUIRE(start(Button("")));
        CHECK(Launch(*this, 0)["cmdline"] == RecorderPath() + "  ");
    }

    TEST_CASE_FIXTURE(BarFixture, "the working directory is the caller's, else the button's, else the bar's")
    {
        TempDir buttonDir, callerDir, barDir;
        CurrentDirectory here(barDir.path());
        REQUIRE(start(Button(Key("DefaultDirectory", buttonDir.path())) + Section("Button2") + Key("FileName", RecorderPath())));
        CHECK(lstrcmpiA(Launch(*this, 0)["cwd"].c_str(), buttonDir.path().c_str()) == 0);
        CHECK(lstrcmpiA(Launch(*this, 0, callerDir.path().c_str())["cwd"].c_str(), callerDir.path().c_str()) == 0);
        CHECK(lstrcmpiA(Launch(*this, 1)["cwd"].c_str(), barDir.path().c_str()) == 0);
    }

    TEST_CASE_FIXTURE(BarFixture, "the Window word becomes the show command")
    {
        REQUIRE(start(Button(Key("Window", "Maximized")) + Section("Button2") + Key("FileName", RecorderPath())));
        Record r = Launch(*this, 0);
        CHECK(r["show"] == "3");
        CHECK((std::stoul(r["flags"].empty() ? "0" : r["flags"]) & STARTF_USESHOWWINDOW) != 0);
        CHECK(Launch(*this, 1)["show"] == "5");
    }

    TEST_CASE_FIXTURE(BarFixture, "a click starts the button, a double click does not")
    {
        REQUIRE(start(ThreeButtons(RecorderPath())));
        std::string record = RecordInto(*this, "double.rec");
        REQUIRE(PumpUntil([] { return !RecorderRunning(); }));
        SendMessageA(bar(), WM_COMMAND, MAKEWPARAM(FIRST_BUTTON_ID + 1, BN_DOUBLECLICKED), (LPARAM)slot(1)->ButtonWindow);
        // The bar starts a program before it returns, and the recorder writes its record before it ends.
        CHECK_FALSE(RecorderRunning());
        CHECK_FALSE(FileExists(record));
        record = RecordInto(*this, "click.rec");
        SendMessageA(slot(1)->ButtonWindow, BM_CLICK, 0, 0);  // the button reports BN_CLICKED to the bar
        CHECK(WaitForRecord(record)["cmdline"] == RecorderPath() + " second");
        CHECK(boxes.seen().empty());
    }

    TEST_CASE_FIXTURE(BarFixture, "a program that cannot start is reported, and the bar carries on")
    {
        REQUIRE(start(ThreeButtons(RecorderPath())));
        TextCopy(slot(0)->ProgramPath, sizeof slot(0)->ProgramPath, dir.file("gone.exe").c_str());
        RunButton(0, nullptr, nullptr);
        REQUIRE(boxes.seen().size() == 1);
        CHECK(boxes.seen()[0].caption == "Application execution error");
        CHECK(boxes.seen()[0].text.size() > 3);
        CHECK(Launch(*this, 1)["cmdline"] == RecorderPath() + " second");
    }
}
