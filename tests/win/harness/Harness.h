// What both Windows test programs share, built once as a library: temporary
// folders and files, INI text and the one INI reader, the test programs'
// folder, pumping, pixels, processes and the recorder, keys, and the one
// answerer of message boxes.
#ifndef QUENVOLET_TESTS_HARNESS_H
#define QUENVOLET_TESTS_HARNESS_H

#include <windows.h>

#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace qt {

using Texts = std::vector<std::string>;

// A fresh folder under the temporary folder (or a subfolder of one), removed with its files at the end.
class TempDir {
public:
    explicit TempDir(const char* subfolder = nullptr);
    ~TempDir();
    const std::string& path() const { return path_; }
    std::string file(const std::string& name) const { return path_ + "\\" + name; }

private:
    std::string root_, path_;
};

void WriteFile(const std::string& path, const std::string& content);
std::string ReadFile(const std::string& path);
inline bool FileExists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }
inline bool SamePath(const std::string& a, const std::string& b) { return lstrcmpiA(a.c_str(), b.c_str()) == 0; }
inline std::string Quoted(const std::string& s) { return "\"" + s + "\""; }

inline std::string Section(const std::string& name) { return "[" + name + "]\r\n"; }
inline std::string Key(const std::string& key, const std::string& value) { return key + "=" + value + "\r\n"; }
inline std::string Button(int n) { return Section("Button" + std::to_string(n)); }
// Buttons 1, 2... of one program, one for each parameters text.
inline std::string Buttons(const std::string& program, const Texts& parameters)
{
    std::string text;
    for (size_t i = 0; i < parameters.size(); ++i)
        text += Button((int)i + 1) + Key("FileName", program) + Key("Parameters", parameters[i]);
    return text;
}

// What a hostile configuration file is made of: 64 KiB of binary garbage, and
// 10,000 sections "S0".."S9999" of a kilobyte each ("K=k..."), 10 MiB in all.
std::string Garbage();
std::string ManySections();

// A value as the profile functions read it, else the fallback; with no key the
// section's lines, with no section the file's section names, each list joined by "|".
std::string Profile(const std::string& file, const char* section, const char* key, const char* fallback = "<absent>");

// Every section of the file with its lines as the profile functions read them, one section a line.
std::string Settings(const std::string& file);

// The folder of the test programs, the recorder among them, and the editor, built apart from the bar.
std::string ProgramFolder();
std::string EditorProgram();
inline std::string RecorderPath() { return ProgramFolder() + "\\recorder.exe"; }
const std::string Notepad = "C:\\windows\\notepad.exe";

// The test icons: icon n alone in a file, and the library of the first count. Each has a white frame;
// its top rows and a bar take colour n.
inline std::string IconOf(int n)
{
    return ProgramFolder() + "\\iconlibs\\icons\\i" + std::to_string(10000 + n).substr(1) + ".ico";
}
inline std::string Library(int count) { return ProgramFolder() + "\\icons" + std::to_string(count) + ".dll"; }
inline COLORREF LibraryColour(int n) { return RGB((n * 53) % 256, (n * 97) % 256, (n * 191) % 256); }
// An icon file whose 16-, 32-, 40-, 48- and 64-pixel frames are each of one colour of their own.
inline std::string SizesIcon() { return ProgramFolder() + "\\iconlibs\\icons\\sizes.ico"; }

// A scale: the side of a large icon there, the colour of SizesIcon's frame shown (the nearest, stretched past
// the largest), and 96-DPI pixels p there. The display has one of the first four; a window can be told it moved
// to the next larger one (this Wine keeps the caption at the display's scale, too big for a smaller one).
struct DisplayScale {
    int dpi, icon;
    COLORREF frame;
    int px(int p) const { return (p * dpi + (p < 0 ? -48 : 48)) / 96; }
};
const DisplayScale Scales[] = {{96, 32, RGB(255, 0, 0)}, {120, 40, RGB(0, 255, 0)}, {144, 48, RGB(0, 0, 255)},
                               {192, 64, RGB(255, 255, 0)}, {240, 80, RGB(255, 255, 0)}};
const DisplayScale& CurrentScale();
inline const DisplayScale& NextScale() { return (&CurrentScale())[1]; }
inline void SendDpiChange(HWND window, const DisplayScale& to, RECT suggested)
{
    SendMessageA(window, 0x02E0 /* WM_DPICHANGED */, MAKEWPARAM(to.dpi, to.dpi), (LPARAM)&suggested);
}

// A file beside the test program for the time of a case, present (a copy of another file, else a line
// of text) or absent; a file that was there before is put back at the end.
// Each one sets aside under a name of its own, so that one made inside
// another for the same file puts back only what it found.
struct BesideProgram {
    static inline int made = 0;
    std::string path, aside = path + ".aside" + std::to_string(++made);
    BesideProgram(const std::string& name, bool present, const std::string& copyOf = "")
        : path(ProgramFolder() + "\\" + name)
    {
        MoveFileExA(path.c_str(), aside.c_str(), MOVEFILE_REPLACE_EXISTING);
        if (present && !copyOf.empty())
            CopyFileA(copyOf.c_str(), path.c_str(), FALSE);
        else if (present)
            WriteFile(path, "Help for the tests of Quenvolet\r\n");
    }
    ~BesideProgram()
    {
        DeleteFileA(path.c_str());
        MoveFileExA(aside.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING);  // fails if nothing was set aside
    }
};

// Registers an extension such as ".qvdoc" for this user, opened by the program.
void RegisterOpener(const char* extension, const std::string& program);

// Handles this thread's messages for about the given time, keys for a modeless dialog through its manager.
void Pump(int milliseconds = 50, HWND dialog = nullptr);

// Handles this thread's messages until done() holds, or for about the given time.
template <class F>
bool PumpUntil(F done, int milliseconds = 30000)
{
    for (DWORD start = GetTickCount(); !done(); Pump(10))
        if ((int)(GetTickCount() - start) > milliseconds)
            return done();
    return true;
}

inline RECT WindowRect(HWND window)
{
    RECT r = {0, 0, 0, 0};
    GetWindowRect(window, &r);
    return r;
}
inline std::pair<long, long> TopLeft(HWND window) { return {WindowRect(window).left, WindowRect(window).top}; }
// Asked of the window: the name the system keeps is not another process's edit text.
std::string TextOf(HWND window);

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
    void take(HWND window, const std::function<void(HDC memory, HDC screen, const RECT& client)>& paint);
};

// Opens a file as another program may hold it: by default for reading and writing, shared with no one.
HANDLE Hold(const std::string& path, DWORD share = 0, DWORD access = GENERIC_READ | GENERIC_WRITE);
// Starts a program (the command line is its own first word) in the folder; its process, else nullptr.
HANDLE StartProcess(std::string commandLine, const char* folder = nullptr);
// Pumps until the process ends, then closes its handle; false if it outlived the time.
bool WaitForProcess(HANDLE process, int milliseconds = 30000);

// Windows of other processes: the one that owns a window; a visible top-level window of another process,
// of that class and caption; such a window waited for, once the window gone (if any) has gone.
DWORD ProcessOf(HWND window);
HWND FindOther(const char* cls, const char* caption = nullptr);
const int Slow = 120000;  // Wine starts a process in many seconds on a loaded machine
HWND WaitFor(const char* cls, const char* caption = nullptr, HWND gone = nullptr);
// Drops the names onto a window of any process as the shell does, at the point of its client area.
void DropOnto(HWND window, const Texts& names, POINT at = {5, -3});

// Points the recorder at a file; its record (key=value lines) once its process ended. Wine may take
// long to start one.
inline std::string RecordInto(const std::string& path)
{
    SetEnvironmentVariableA("QV_RECORD", path.c_str());
    return path;
}
std::map<std::string, std::string> WaitForRecord(const std::string& path, int milliseconds = 90000);

// Types text into an edit field character by character through its messages, replacing its text.
void TypeInto(HWND edit, const std::string& text);
// Presses a key in a control through the dialog's own message loop.
void PostKey(HWND control, WPARAM key);
// Presses keys as the keyboard does, through the system's input into the
// focused window: each a virtual key, with Shift, Ctrl and Alt held as its
// bits above the key say; or each character of a text by its key.
const int Shift = 0x100, Ctrl = 0x200, Alt = 0x400;
void PressKeys(const std::vector<int>& keys);
std::vector<int> KeysOf(const std::string& text, std::vector<int> before = {});
inline void TypeKeys(const std::string& text) { PressKeys(KeysOf(text)); }
inline std::vector<int> Then(std::vector<int> keys, const std::vector<int>& more)
{
    keys.insert(keys.end(), more.begin(), more.end());
    return keys;
}
// Clicks with the left mouse button at the middle of a window, as the user does, through the system's input.
void ClickWithMouse(HWND window);
// Runs what is given once a dialog of this process with the caption is open, also within a modal loop.
void WhenDialog(const char* caption, std::function<void(HWND)> act);
// A plain window of the test's own that has the focus before a case summons another.
struct ForegroundWindow {
    HWND window;
    ForegroundWindow();
    ~ForegroundWindow() { DestroyWindow(window); }
    bool active() const { return GetForegroundWindow() == window; }
};
// The name and role a screen reader gets for a window, through oleacc; role -1 when it has none.
std::pair<std::string, long> Accessible(HWND window);

// Presses a dialog's button as its owner hears it, also in another process.
inline void Press(HWND dialog, int id)
{
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), (LPARAM)GetDlgItem(dialog, id));
}
// Clicks a button as the mouse does: it takes the focus, then is pressed.
inline void ClickButton(HWND dialog, int id) { SetFocus(GetDlgItem(dialog, id)), Press(dialog, id); }

const char* const DialogClass = "#32770";

// Answers each box of this thread (a dialog of texts and buttons only) as it opens, with the queued
// answers in turn, then OK, after running what is set to run as the next box opens; keeps its caption
// and texts joined by "|", and a line feed, for each; and apart its icon ("error", "question",
// "warning", "information" or "no icon") and its buttons' texts, joined the same way.
struct BoxAnswerer {
    BoxAnswerer();
    ~BoxAnswerer();
    // Forgets the boxes seen, and queues the answers for the next.
    void clear(std::deque<int> next = {}) { seen.clear(), faces.clear(), answers = next; }
    std::deque<int> answers;
    std::string seen, faces;
    int opened = 0;  // boxes seen, counted apart: their texts may hold line feeds
    std::function<void()> onNextBox;
    HHOOK hook;
};

}  // namespace qt

#endif
