// What the editor's Windows tests share: temporary files, INI text, a
// watcher that answers the editor's message boxes, the editor's main form
// started in this process, and a driver for its modal dialogs.
#ifndef QVCONFIG_TESTS_EDITORHARNESS_H
#define QVCONFIG_TESTS_EDITORHARNESS_H

#include <windows.h>

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "Qvmain.h"
#include "forms/MainForm.h"

namespace qe {

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
std::string Section(const std::string& name);
std::string Key(const std::string& key, const std::string& value);
std::string Quoted(const std::string& s);
// The one INI reader: a value as the profile functions read it ("<absent>"
// when missing); with no key the section's lines, with no section the file's
// section names, each list joined by "|".
std::string Profile(const std::string& file, const char* section, const char* key);

std::string ProgramFolder();
std::string EditorProgram();
// The test icon library with count numbered icons.
std::string Library(int count);
// The colour of the bar that the library draws into icon number n.
COLORREF LibraryColour(int n);

// Answers every message box of this thread as it opens: the queued answers
// in turn, then OK. Keeps "caption|text" of each box seen.
struct BoxAnswerer {
    BoxAnswerer();
    ~BoxAnswerer();
    std::deque<int> answers;
    std::vector<std::string> seen;
    HHOOK hook;
};

void Pump(int milliseconds = 50);

// The editor's main form started with "QVconfig.exe" and the given
// parameters; closed (without the question) when the test ends.
class EditorForm {
public:
    explicit EditorForm(const std::string& parameters);
    ~EditorForm();
    bool open() const { return form.Handle != nullptr; }
    HWND control(int id) const { return GetDlgItem(form.Handle, id); }
    void click(int id);
    void key(int id, WPARAM virtualKey);
    void choosePosition(int choice);
    std::string text(int id) const;
    bool enabled(int id) const { return IsWindowEnabled(control(id)) != 0; }
    int grid(UINT message) const { return (int)SendMessageA(control(IDC_ICONGRID), message, 0, 0); }

    TfrmQVConfig form;
};

// What most cases start from: a box answerer, a folder, and q.ini in it
// holding buttons program0.exe .. program<count - 1>.exe, each with its own
// icon of the 100-icon library, followed by more text.
struct EditorCase {
    explicit EditorCase(int buttons, const std::string& more = "", const char* subfolder = nullptr);
    BoxAnswerer boxes;
    TempDir dir;
    std::string ini, content;
};

// Drives the editor's modal dialogs from inside their own message loop: a
// timer runs the steps in turn, each when the newest dialog (properties or
// change icon) is shown and enabled, that is with no message box above it.
// A run past its time-out cancels whatever dialog is left, so that a test
// fails instead of hanging.
class DialogDriver {
public:
    using Step = std::function<void(HWND dialog)>;
    explicit DialogDriver(std::vector<Step> steps, int timeoutMs = 60000);
    ~DialogDriver();
    bool finished() const { return next_ >= steps_.size() && !timedOut_; }

private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD);
    std::vector<Step> steps_;
    size_t next_ = 0;
    DWORD deadline_;
    bool timedOut_ = false;
    UINT_PTR timer_;
};

// Types text into an edit field character by character, replacing its text.
void TypeInto(HWND edit, const std::string& text);
// Presses a key in a control through the dialog's own message loop.
void PostKey(HWND control, WPARAM key);
// Clicks a button as the mouse does: it takes the focus, then is pressed.
void ClickButton(HWND dialog, int id);

}  // namespace qe

#ifdef DOCTEST_VERSION
// The boxes seen print in full when a check on them fails.
template <>
struct doctest::StringMaker<std::vector<std::string>> {
    static doctest::String convert(const std::vector<std::string>& list)
    {
        std::string all;
        for (const std::string& item : list)
            all += "{" + item + "}";
        return all.c_str();
    }
};
#endif

#endif
