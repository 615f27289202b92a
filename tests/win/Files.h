// What both Windows test programs share: temporary folders and files, INI
// text and the one INI reader, the folder of the test programs, a pump for
// this thread's messages, and the one answerer of message boxes.
#ifndef QUENVOLET_TESTS_FILES_H
#define QUENVOLET_TESTS_FILES_H

#include <windows.h>

#include <deque>
#include <functional>
#include <string>

namespace qt {

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

inline std::string Section(const std::string& name) { return "[" + name + "]\r\n"; }
inline std::string Key(const std::string& key, const std::string& value) { return key + "=" + value + "\r\n"; }

// What a hostile configuration file is made of: 64 KiB of binary garbage, and
// 10,000 sections "S0".."S9999" of a kilobyte each ("K=k..."), 10 MiB in all.
std::string Garbage();
std::string ManySections();

// A value as the profile functions read it, else the fallback; with no key the
// section's lines, with no section the file's section names, each list joined by "|".
std::string Profile(const std::string& file, const char* section, const char* key, const char* fallback = "<absent>");

// The folder of the test programs, the recorder among them, and the editor, built apart from the bar.
std::string ProgramFolder();
std::string EditorProgram();

// The test icons: icon n alone in a file, and the library of the first count. Each has a white frame;
// its top rows and a bar take colour n.
inline std::string IconOf(int n)
{
    return ProgramFolder() + "\\iconlibs\\icons\\i" + std::to_string(10000 + n).substr(1) + ".ico";
}
inline std::string Library(int count) { return ProgramFolder() + "\\icons" + std::to_string(count) + ".dll"; }
inline COLORREF LibraryColour(int n) { return RGB((n * 53) % 256, (n * 97) % 256, (n * 191) % 256); }

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

// Handles this thread's messages for about the given time, keys for a modeless dialog through its manager.
void Pump(int milliseconds = 50, HWND dialog = nullptr);

// Answers each box of this thread (a dialog of texts and buttons only) as it opens, with the queued
// answers in turn, then OK, after running what is set to run as the next box opens; keeps its caption
// and texts joined by "|", and a line feed, for each; and apart its icon ("error", "question",
// "warning", "information" or "no icon") and its buttons' texts, joined the same way.
struct BoxAnswerer {
    BoxAnswerer();
    ~BoxAnswerer();
    std::deque<int> answers;
    std::string seen, faces;
    int opened = 0;  // boxes seen, counted apart: their texts may hold line feeds
    std::function<void()> onNextBox;
    HHOOK hook;
};

}  // namespace qt

#endif
