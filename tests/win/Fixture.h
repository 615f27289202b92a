// A bar of this process started on an INI file written by the test, with a
// watcher answering the message boxes it shows, and a document type that
// the system opens with the recorder.
#ifndef QUENVOLT_TESTS_FIXTURE_H
#define QUENVOLT_TESTS_FIXTURE_H

#include <doctest.h>

#include "Harness.h"

namespace qv {

// Registers the extension ".qvdoc" for this user, opened by the recorder.
void RegisterRecorderDocuments();

struct BarFixture {
    TempDir dir;
    std::string ini;
    BoxWatcher boxes;

    BarFixture() : ini(dir.file("Quenvolt.INI")) { ResetLauncher(); }
    ~BarFixture() { ResetLauncher(); }

    // Writes the INI file and starts the bar on it.
    bool start(const std::string& content, int show = SW_SHOWNOACTIVATE)
    {
        WriteFile(ini, content);
        return StartBar(ini, show);
    }
    HWND bar() const { return BarState.BarWindow; }
    LauncherButton* slot(int s) const { return ButtonTable[s]; }
    std::vector<IniSection> file() const { return ReadIni(ini); }
};

// A line "FileName=<path>" and friends, for building INI texts.
inline std::string Key(const std::string& key, const std::string& value)
{
    return key + "=" + value + "\r\n";
}
inline std::string Section(const std::string& name)
{
    return "[" + name + "]\r\n";
}

const char* const Notepad = "C:\\windows\\notepad.exe";

// True when path ends in name, without regard to case.
inline bool EndsWith(const std::string& path, const std::string& name)
{
    return path.size() >= name.size() && lstrcmpiA(path.c_str() + (path.size() - name.size()), name.c_str()) == 0;
}

// Three buttons of the recorder with the parameters first, second and third.
inline std::string ThreeButtons(const std::string& recorder)
{
    return Section("Button1") + Key("FileName", recorder) + Key("Parameters", "first") +
           Section("Button2") + Key("FileName", recorder) + Key("Parameters", "second") +
           Section("Button3") + Key("FileName", recorder) + Key("Parameters", "third");
}

// Points the recorder at a file of the fixture's folder.
inline std::string RecordInto(const BarFixture& f, const char* name)
{
    std::string path = f.dir.file(name);
    SetEnvironmentVariableA("QV_RECORD", path.c_str());
    return path;
}

// Makes the current directory a folder for the time of a test.
class CurrentDirectory {
public:
    explicit CurrentDirectory(const std::string& path)
    {
        GetCurrentDirectoryA(sizeof saved_, saved_);
        SetCurrentDirectoryA(path.c_str());
    }
    ~CurrentDirectory() { SetCurrentDirectoryA(saved_); }

private:
    char saved_[MAX_PATH];
};

}  // namespace qv

#endif
