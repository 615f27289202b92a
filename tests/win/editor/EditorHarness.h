// What the editor's Windows tests share besides the files and the box
// answerer: the editor's main form started in this process, and a driver for
// its modal dialogs.
#ifndef QVCONFIG_TESTS_EDITORHARNESS_H
#define QVCONFIG_TESTS_EDITORHARNESS_H

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "../Files.h"
#include "ButtonList.h"
#include "Qvmain.h"
#include "forms/MainForm.h"

namespace qe {

using namespace qt;

inline std::string Quoted(const std::string& s) { return "\"" + s + "\""; }

// The editor's main form started with "QVconfig.exe" and the given
// parameters; closed (without the question) when the test ends.
struct EditorForm {
    explicit EditorForm(const std::string& parameters);
    ~EditorForm();
    bool open() const { return form.Handle != nullptr; }
    HWND control(int id) const { return GetDlgItem(form.Handle, id); }
    void click(int id) { SendMessageA(form.Handle, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), (LPARAM)control(id)); }
    bool enabled(int id) const { return IsWindowEnabled(control(id)) != 0; }
    int grid(UINT message) const { return (int)SendMessageA(control(IDC_ICONGRID), message, 0, 0); }
    TfrmQVConfig form;
};

// What most cases start from: the box answerer; a folder, and q.ini in it
// holding buttons program0.exe .. program<count - 1>.exe, each with its own
// icon of the 100-icon library, followed by more text.
struct EditorCase {
    explicit EditorCase(int buttons, const std::string& more = "", const char* subfolder = nullptr);
    BoxAnswerer boxes;
    TempDir dir;
    std::string ini, content;
};

// Runs the steps while open runs, each from a timer in the newest dialog
// (properties or change icon) while no box is above it; true when all ran.
// Past a minute it cancels every dialog: a test fails instead of hanging.
using DialogStep = std::function<void(HWND dialog)>;
bool DriveDialogs(std::vector<DialogStep> steps, const std::function<void()>& open);

// Types text into an edit field character by character, replacing its text.
void TypeInto(HWND edit, const std::string& text);
// Presses a key in a control through the dialog's own message loop.
void PostKey(HWND control, WPARAM key);
// Presses keys as the keyboard does, through the system's input into the
// focused window: each a virtual key, with Shift, Ctrl and Alt held as its
// bits above the key say; or each character of a text by its key.
const int Shift = 0x100, Ctrl = 0x200, Alt = 0x400;
void PressKeys(const std::vector<int>& keys);
void TypeKeys(const std::string& text);
// Clicks a button as the mouse does: it takes the focus, then is pressed.
void ClickButton(HWND dialog, int id);

}  // namespace qe

#endif
