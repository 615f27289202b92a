// What the launcher's Windows tests share: pixels, the recorder and a bar of this process.
#ifndef QUENVOLT_TESTS_FIXTURE_H
#define QUENVOLT_TESTS_FIXTURE_H

#include <doctest.h>

#include <map>
#include <string>
#include <vector>

#include "Files.h"
#include "ButtonWindows.h"
#include "FileSearch.h"
#include "Launch.h"
#include "Profile.h"
#include "QUENVOLT.h"
#include "Start.h"

namespace qv {

using namespace qt;

using Texts = std::vector<std::string>;

// Handles this thread's messages until done() holds, or for about the given time.
template <class F>
bool PumpUntil(F done, int milliseconds = 30000)
{
    for (DWORD start = GetTickCount(); !done(); Pump(10))
        if ((int)(GetTickCount() - start) > milliseconds)
            return done();
    return true;
}

// The launcher in this process: a bar created on a command line as WinMain gets it, and forgotten unsaved.
bool StartBar(const std::string& commandLine, int showCommand = SW_SHOWNORMAL);
void ResetLauncher();

inline RECT WindowRect(HWND window)
{
    RECT r = {0, 0, 0, 0};
    GetWindowRect(window, &r);
    return r;
}

// Sets the work area until the guard ends.
struct WorkAreaGuard {
    RECT saved;
    explicit WorkAreaGuard(RECT area)
    {
        SystemParametersInfoA(SPI_GETWORKAREA, 0, &saved, 0);
        SystemParametersInfoA(SPI_SETWORKAREA, 0, &area, 0);
    }
    ~WorkAreaGuard() { SystemParametersInfoA(SPI_SETWORKAREA, 0, &saved, 0); }
};

// The pixels of a window's client area as the screen shows them, painted anew first unless told not to.
struct Capture {
    explicit Capture(HWND window, bool repaint = true);
    // The pixels the window paints, on white, into a memory bitmap asked for through WM_PRINTCLIENT.
    static Capture Printed(HWND window);
    COLORREF at(int x, int y) const
    {
        return x >= 0 && y >= 0 && x < w && y < h ? pixels[(size_t)y * w + x] : CLR_INVALID;
    }
    int w = 0, h = 0;
    std::vector<COLORREF> pixels;

private:
    Capture() = default;
};

inline std::string RecorderPath() { return ProgramFolder() + "\\recorder.exe"; }

// The recorder's record (key=value lines), once its process ended; Wine may take long to start one.
std::map<std::string, std::string> WaitForRecord(const std::string& path, int milliseconds = 90000);

struct BarFixture {
    TempDir dir;
    std::string ini = dir.file("Quenvolt.INI");
    BoxAnswerer boxes;
    char home[MAX_PATH] = "";  // the current folder, put back at the end

    BarFixture() { GetCurrentDirectoryA(sizeof home, home), ResetLauncher(); }
    ~BarFixture() { ResetLauncher(), SetCurrentDirectoryA(home); }
    // Writes the INI file and starts the bar on it.
    bool start(const std::string& content, int show = SW_SHOWNOACTIVATE)
    {
        WriteFile(ini, content);
        return StartBar(ini, show);
    }
    HWND bar() const { return BarState.BarWindow; }
    LauncherButton* slot(int s) const { return ButtonTable[s]; }
};


const std::string Notepad = "C:\\windows\\notepad.exe";

inline bool SamePath(const std::string& a, const std::string& b) { return lstrcmpiA(a.c_str(), b.c_str()) == 0; }

// Buttons 1, 2... of one program, one for each parameters text.
inline std::string Buttons(const std::string& program, const std::vector<std::string>& parameters)
{
    std::string text;
    for (size_t i = 0; i < parameters.size(); ++i)
        text += Section("Button" + std::to_string(i + 1)) + Key("FileName", program) + Key("Parameters", parameters[i]);
    return text;
}

// Registers an extension such as ".qvdoc" for this user, opened by the program.
void RegisterOpener(const char* extension, const std::string& program);

// Points the recorder at a file of the fixture's folder.
inline std::string RecordInto(const BarFixture& f, const char* name)
{
    SetEnvironmentVariableA("QV_RECORD", f.dir.file(name).c_str());
    return f.dir.file(name);
}

// A mouse message over a window of the bar as the bar hears it; returns the items of the popup menu it
// opened, which is then sent the key (or dismissed). With unheard, the bar never hears the menu close.
Texts Click(HWND window, WPARAM key = 0, UINT mouse = WM_RBUTTONUP, bool unheard = false);

}  // namespace qv

#endif
