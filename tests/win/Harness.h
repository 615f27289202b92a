// What the Windows tests share: temporary folders and files, profile values,
// a watcher that answers message boxes, a stand-in WinHelp window, the
// launcher started in this process, screen pixels and the recorder.
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

// A value of an INI file as the real profile functions read it, the fallback
// when there is none; with no key the section's keys, with no section the
// file's sections, each list joined by "|".
std::string Profile(const std::string& file, const char* section, const char* key, const char* fallback = "<absent>");

struct SeenBox {
    std::string caption, text;  // text: the box's static texts joined by "|"
};

// Answers every dialog box that appears, from a thread of its own, with a
// command id (IDOK, IDCANCEL...), and keeps what it saw.
class BoxWatcher {
public:
    explicit BoxWatcher(int answer = IDOK);
    ~BoxWatcher();
    void setAnswer(int answer) { InterlockedExchange(&answer_, answer); }
    std::vector<SeenBox> seen() const;
    void clear();
    // Waits, handling this thread's messages, until count boxes were seen.
    bool waitFor(size_t count, int milliseconds = 10000) const;

private:
    static DWORD WINAPI Run(void* self);
    HANDLE thread_;
    volatile LONG stop_, answer_;
    mutable CRITICAL_SECTION lock_;
    std::vector<SeenBox> seen_;
};

// A window of the class WinHelp talks to; keeps the commands and files sent.
class FakeHelp {
public:
    FakeHelp();
    ~FakeHelp() { DestroyWindow(window_); }
    std::vector<std::pair<unsigned, std::string>> calls() const;

private:
    HWND window_;
};

// Handles this thread's messages for about the given time.
void Pump(int milliseconds = 50);
// Handles messages until done() holds or the time is up; returns done().
template <class F>
bool PumpUntil(F done, int milliseconds = 10000)
{
    for (DWORD start = GetTickCount(); !done(); Pump(10))
        if ((int)(GetTickCount() - start) > milliseconds)
            return done();
    return true;
}

// The launcher in this process: a bar created with a command line (as
// WinMain gets it), and forgotten again without saving.
bool StartBar(const std::string& commandLine, int showCommand = SW_SHOWNORMAL);
void ResetLauncher();

RECT WindowRect(HWND window);
BarRect WorkArea();

// Sets the work area until the guard ends.
class WorkAreaGuard {
public:
    explicit WorkAreaGuard(RECT area);
    ~WorkAreaGuard() { SystemParametersInfoA(SPI_SETWORKAREA, 0, &saved_, 0); }

private:
    RECT saved_;
};

// Pixels of a screen rectangle.
class Capture {
public:
    Capture(int left, int top, int width, int height);
    COLORREF at(int x, int y) const;  // relative to the rectangle, CLR_INVALID outside
    int width() const { return width_; }
    int height() const { return height_; }

private:
    int width_, height_;
    std::vector<COLORREF> pixels_;
};

// The folder of the test programs, the recorder among them.
std::string ProgramFolder();
std::string RecorderPath();

// A 32 x 32 icon file of one colour with a one-pixel frame of another.
void WriteIconFile(const std::string& path, COLORREF fill, COLORREF frame);

// Reads the record the recorder left (key=value lines); waits for it.
std::map<std::string, std::string> WaitForRecord(const std::string& path, int milliseconds = 10000);

}  // namespace qv

#endif
