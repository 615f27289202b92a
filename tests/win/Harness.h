// What the Windows tests share: temporary folders and files, a reader of INI
// files, a watcher that answers message boxes, a stand-in WinHelp window,
// starting and resetting the launcher in this process, and screen capture.
#ifndef QUENVOLT_TESTS_HARNESS_H
#define QUENVOLT_TESTS_HARNESS_H

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "QUENVOLT.h"

namespace qv {

// A fresh folder under the temporary folder, removed with its files at the end.
class TempDir {
public:
    TempDir();
    ~TempDir();
    const std::string& path() const { return path_; }
    std::string file(const std::string& name) const { return path_ + "\\" + name; }

private:
    std::string path_;
};

void WriteFile(const std::string& path, const std::string& content);
std::string ReadFile(const std::string& path);
bool FileExists(const std::string& path);

// The content of an INI file as the profile functions see it: sections in
// order (names as written), each with its keys and trimmed values in order.
struct IniSection {
    std::string name;
    std::vector<std::pair<std::string, std::string>> keys;
    const std::string* find(const std::string& key) const;
};
std::vector<IniSection> ReadIni(const std::string& path);
const IniSection* FindSection(const std::vector<IniSection>& ini, const std::string& name);
std::vector<std::string> SectionNames(const std::vector<IniSection>& ini);

// A profile value read with the real GetPrivateProfileStringA.
std::string Profile(const std::string& file, const char* section, const char* key, const char* fallback = "<absent>");

// A message box (or any dialog) seen and answered by the watcher.
struct SeenBox {
    std::string caption;
    std::string text;
};

// Answers every dialog box that appears on the desktop from a thread of its
// own, and keeps what it saw. The answer is a command id (IDOK, IDCANCEL...).
class BoxWatcher {
public:
    explicit BoxWatcher(int answer = IDOK);
    ~BoxWatcher();
    void setAnswer(int answer);
    std::vector<SeenBox> seen() const;
    void clear();
    // Waits (pumping this thread's messages) until count boxes were seen.
    bool waitFor(size_t count, int milliseconds = 5000) const;

private:
    static DWORD WINAPI Run(void* self);
    void poll();
    HANDLE thread_;
    volatile LONG stop_;
    volatile LONG answer_;
    mutable CRITICAL_SECTION lock_;
    std::vector<SeenBox> seen_;
    std::vector<HWND> answered_;
};

// A window of the class that WinHelp talks to; records the commands sent.
class FakeHelp {
public:
    FakeHelp();
    ~FakeHelp();
    std::vector<std::pair<unsigned, std::string>> calls() const;  // command, help file
    void clear();

private:
    static LRESULT CALLBACK Proc(HWND, UINT, WPARAM, LPARAM);
    HWND window_;
};

// Handles this thread's pending messages for about the given time.
void Pump(int milliseconds = 50);
// Pumps until done() holds or the time is up; returns done().
template <class F>
bool PumpUntil(F done, int milliseconds = 5000)
{
    DWORD start = GetTickCount();
    while (!done()) {
        if ((int)(GetTickCount() - start) > milliseconds)
            return done();
        Pump(10);
    }
    return true;
}

// The launcher in this process: its window class registered once, then a
// bar created with the given command line (as WinMain gets it).
bool StartBar(const std::string& commandLine, int showCommand = SW_SHOWNORMAL);
// Forgets the bar: destroys its window without saving and empties the table.
void ResetLauncher();

RECT WindowRect(HWND window);
BarRect WorkArea();
// Sets the work area (restored by the guard's end).
class WorkAreaGuard {
public:
    explicit WorkAreaGuard(const RECT& area);
    ~WorkAreaGuard();

private:
    RECT saved_;
};

// Pixels of a screen rectangle, captured through the screen's device context.
class Capture {
public:
    Capture(int left, int top, int width, int height);
    COLORREF at(int x, int y) const;  // relative to the rectangle
    int width() const { return width_; }
    int height() const { return height_; }
    bool saveBmp(const std::string& path) const;

private:
    int width_, height_;
    std::vector<unsigned> pixels_;  // 0x00RRGGBB, top row first
};

// The folder that holds the test programs (and the recorder).
std::string ProgramFolder();
std::string RecorderPath();

// A 32 x 32 icon file of one colour with a one-pixel frame of another.
void WriteIconFile(const std::string& path, COLORREF fill, COLORREF frame);

// Reads the record the recorder left (key=value lines): waits until it is
// complete and the recorder's process has ended. A Wine process can take many
// seconds to start on a busy machine, hence the generous time-out.
std::map<std::string, std::string> WaitForRecord(const std::string& path, int milliseconds = 90000);

// A file beside the test program for the time of a case, present (with a
// line of text) or absent; a file that was there before is put back at the end.
class BesideProgram {
public:
    BesideProgram(const std::string& name, bool present);
    ~BesideProgram();

private:
    std::string path_;
    bool setAside_;
};

}  // namespace qv

#endif
