// What the Windows tests share: temporary folders and files, profile values,
// a watcher that answers message boxes, a stand-in WinHelp window, the
// launcher started in this process, screen pixels and the recorder.
#ifndef QUENVOLT_TESTS_HARNESS_H
#define QUENVOLT_TESTS_HARNESS_H

#include <map>
#include <string>
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

// A value of an INI file as the real profile functions read it, else the
// fallback; with no key the section's keys, with no section the file's
// sections, each list joined by "|".
std::string Profile(const std::string& file, const char* section, const char* key, const char* fallback = "<absent>");

struct SeenBox {
    std::string caption, text;  // text: the box's static texts joined by "|"
};

// Answers every dialog box that appears with a command id (IDOK, IDCANCEL...)
// from a thread of its own, and keeps what it saw.
class BoxWatcher {
public:
    explicit BoxWatcher(int answer = IDOK);
    ~BoxWatcher();
    void setAnswer(int answer) { InterlockedExchange(&answer_, answer); }
    std::vector<SeenBox> seen() const;
    void clear();
    bool waitFor(size_t count, int milliseconds = 30000) const;  // handles this thread's messages meanwhile

private:
    static DWORD WINAPI Run(void* self);
    HANDLE thread_;
    volatile LONG stop_, answer_;
    mutable CRITICAL_SECTION lock_;
    std::vector<SeenBox> seen_;
};

// A window of the class WinHelp talks to; keeps the commands and files sent.
struct FakeHelp {
    FakeHelp();
    ~FakeHelp() { DestroyWindow(window); }
    std::vector<std::pair<unsigned, std::string>> calls() const;
    HWND window;
};

// Handles this thread's messages for about the given time, or until done() holds.
void Pump(int milliseconds = 50);
template <class F>
bool PumpUntil(F done, int milliseconds = 30000)
{
    for (DWORD start = GetTickCount(); !done(); Pump(10))
        if ((int)(GetTickCount() - start) > milliseconds)
            return done();
    return true;
}

// The launcher in this process: a bar created with a command line as WinMain
// gets it, and forgotten again without saving.
bool StartBar(const std::string& commandLine, int showCommand = SW_SHOWNORMAL);
void ResetLauncher();

RECT WindowRect(HWND window);

// Sets the work area until the guard ends.
struct WorkAreaGuard {
    RECT saved;
    explicit WorkAreaGuard(RECT area) { SystemParametersInfoA(SPI_GETWORKAREA, 0, &saved, 0), SystemParametersInfoA(SPI_SETWORKAREA, 0, &area, 0); }
    ~WorkAreaGuard() { SystemParametersInfoA(SPI_SETWORKAREA, 0, &saved, 0); }
};

// Pixels of a screen rectangle; CLR_INVALID outside it.
struct Capture {
    Capture(int left, int top, int width, int height);
    COLORREF at(int x, int y) const { return x < 0 || y < 0 || x >= w || y >= h ? CLR_INVALID : pixels[(size_t)y * w + x]; }
    int width() const { return w; }
    int height() const { return h; }
    int w, h;
    std::vector<COLORREF> pixels;
};

// The folder of the test programs, the recorder among them.
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
