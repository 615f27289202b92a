// What the editor's Windows tests share: temporary files, INI text, icon
// files, a watcher that answers the editor's message boxes, and the editor's
// main form started in this process.
#ifndef QVCONFIG_TESTS_EDITORHARNESS_H
#define QVCONFIG_TESTS_EDITORHARNESS_H

#include <windows.h>

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "Qvmain.h"

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
// A profile value through GetPrivateProfileStringA; "<absent>" when missing.
std::string Profile(const std::string& file, const char* section, const char* key);
std::vector<std::string> SectionNames(const std::string& file);

// A 32 x 32 icon file of one colour.
void WriteIconFile(const std::string& path, COLORREF colour);
std::string ProgramFolder();
// The built QVconfig.exe, and the icon grid of its main form in process id.
std::string EditorProgram();
HWND FindEditorGrid(DWORD processId);

struct SeenBox {
    std::string caption;
    std::string text;
};

// Answers every message box of this process from a thread of its own: the
// queued answers in turn, then OK. The main form itself is left alone.
class BoxAnswerer {
public:
    BoxAnswerer();
    ~BoxAnswerer();
    void answer(std::initializer_list<int> answers);
    std::vector<SeenBox> seen() const;
    void clear();

private:
    static DWORD WINAPI Run(void* self);
    void poll();
    HANDLE thread_;
    volatile LONG stop_;
    mutable CRITICAL_SECTION lock_;
    std::deque<int> answers_;
    std::vector<SeenBox> seen_;
    std::vector<HWND> answered_;
};

void Pump(int milliseconds = 50);

// The editor's main form on a configuration file, started with
// "QVconfig.exe" and the given parameters; closed (without the question)
// when the test ends.
class EditorForm {
public:
    explicit EditorForm(const std::string& parameters);
    ~EditorForm();
    bool open() const { return form.Handle != nullptr; }
    HWND control(int id) const { return GetDlgItem(form.Handle, id); }
    void click(int id);
    void key(int id, WPARAM virtualKey);
    std::string text(int id) const;
    RECT rect(int id) const;
    bool enabled(int id) const { return IsWindowEnabled(control(id)) != 0; }
    bool visible(int id) const { return IsWindowVisible(control(id)) != 0; }
    int grid(UINT message) const;

    TfrmQVConfig form;
    bool started;
};

// Sections Button1 .. Button<count>, each a program with an icon file of
// its own colour under folder.
std::string IconButtons(const TempDir& folder, int count);

// Drives the editor's modal dialogs from inside their own message loop: a
// timer runs the steps in turn, each when the newest dialog (properties or
// change icon) is shown and enabled, that is with no message box above it.
// Steps close dialogs by posted commands; a run past its time-out cancels
// whatever dialog is left, so that a test fails instead of hanging.
class DialogDriver {
public:
    using Step = std::function<void(HWND dialog)>;
    explicit DialogDriver(std::vector<Step> steps, int timeoutMs = 60000);
    ~DialogDriver();
    bool finished() const { return next_ >= steps_.size(); }
    bool timedOut() const { return timedOut_; }

private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD);
    std::vector<Step> steps_;
    size_t next_ = 0;
    DWORD deadline_;
    bool timedOut_ = false;
    UINT_PTR timer_;
};

// The newest of the editor's dialogs that is open, or null.
HWND TopDialog(bool enabledOnly);
// Types text into an edit field character by character, replacing its text.
void TypeInto(HWND edit, const std::string& text);
// Presses a key in a control through the dialog's own message loop.
void PostKey(HWND control, WPARAM key);
// Clicks a button as the mouse does: it takes the focus, then is pressed.
void ClickButton(HWND dialog, int id);

// Saves the screen rectangle of window as a .bmp file.
bool SaveWindowBmp(HWND window, const std::string& path);

}  // namespace qe

#endif
