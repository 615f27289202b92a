// A bar of this process started on an INI file written by the test, with a
// watcher answering its message boxes, and the pieces of INI texts.
#ifndef QUENVOLT_TESTS_FIXTURE_H
#define QUENVOLT_TESTS_FIXTURE_H

#include <doctest.h>

#include "Harness.h"

namespace qv {

// Registers the extension ".qvdoc" for this user, opened by the recorder.
void RegisterRecorderDocuments();

struct BarFixture {
    TempDir dir;
    std::string ini = dir.file("Quenvolt.INI");
    BoxWatcher boxes;

    BarFixture() { ResetLauncher(); }
    ~BarFixture() { ResetLauncher(); }
    // Writes the INI file and starts the bar on it.
    bool start(const std::string& content, int show = SW_SHOWNOACTIVATE)
    {
        WriteFile(ini, content);
        return StartBar(ini, show);
    }
    HWND bar() const { return BarState.BarWindow; }
    LauncherButton* slot(int s) const { return ButtonTable[s]; }
};

inline std::string Key(const std::string& key, const std::string& value) { return key + "=" + value + "\r\n"; }
inline std::string Section(const std::string& name) { return "[" + name + "]\r\n"; }

const char* const Notepad = "C:\\windows\\notepad.exe";

// True when path ends in name, without regard to case.
inline bool EndsWith(const std::string& path, const std::string& name)
{
    return path.size() >= name.size() && lstrcmpiA(path.c_str() + (path.size() - name.size()), name.c_str()) == 0;
}

// Buttons 1, 2... of one program, one for each parameters text.
inline std::string Buttons(const std::string& program, const std::vector<std::string>& parameters)
{
    std::string text;
    for (size_t i = 0; i < parameters.size(); ++i)
        text += Section("Button" + std::to_string(i + 1)) + Key("FileName", program) + Key("Parameters", parameters[i]);
    return text;
}

inline std::string ThreeButtons(const std::string& recorder) { return Buttons(recorder, {"first", "second", "third"}); }

// Points the recorder at a file of the fixture's folder.
inline std::string RecordInto(const BarFixture& f, const char* name)
{
    SetEnvironmentVariableA("QV_RECORD", f.dir.file(name).c_str());
    return f.dir.file(name);
}

// Makes a folder the current directory for the time of a test.
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
