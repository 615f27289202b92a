// What the editor's Windows tests add to the harness: the editor's main form
// started in this process, and a driver for its modal dialogs.
#ifndef QVCONFIG_TESTS_EDITORHARNESS_H
#define QVCONFIG_TESTS_EDITORHARNESS_H

#include <doctest.h>

#include "../harness/Harness.h"
#include "IconGrid.h"
#include "IconUtil.h"
#include "ButtonList.h"
#include "Qvmain.h"
#include "forms/ChangeIconForm.h"
#include "forms/MainForm.h"
#include "forms/ModifyForm.h"

namespace qe {

using namespace qt;

// The editor's main form started with "QVconfig.exe" and the given
// parameters; closed (without the question) when the test ends.
struct EditorForm {
    explicit EditorForm(const std::string& parameters)
    {
        StartMainForm(form, ("QVconfig.exe " + parameters).c_str());
        // keys go to the foreground window, which the display settles only after a while
        PumpUntil([&] { return !form.Handle || GetForegroundWindow() == form.Handle; }, 3000);
        Pump();
    }
    ~EditorForm()
    {
        if (form.Handle)
            form.Modified = false, DestroyWindow(form.Handle);
        Pump();
    }
    bool open() const { return form.Handle != nullptr; }
    HWND control(int id) const { return GetDlgItem(form.Handle, id); }
    void click(int id) { SendMessageA(form.Handle, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), (LPARAM)control(id)); }
    bool enabled(int id) const { return IsWindowEnabled(control(id)) != 0; }
    std::vector<bool> enabled(const std::vector<int>& ids) const
    {
        std::vector<bool> states;
        for (int id : ids)
            states.push_back(enabled(id));
        return states;
    }
    int grid(UINT message) const { return (int)SendMessageA(control(IDC_ICONGRID), message, 0, 0); }
    TfrmQVConfig form;
};

// What most cases start from: the box answerer; a folder, and q.ini in it
// holding buttons program0.exe .. program<count - 1>.exe, each with its own
// icon of the 100-icon library, followed by more text.
struct EditorCase {
    explicit EditorCase(int buttons, const std::string& more = "", const char* subfolder = nullptr)
        : dir(subfolder), ini(dir.file("q.ini"))
    {
        for (int i = 0; i < buttons; ++i)
            content += Button(i + 1) + Key("Filename", "program" + std::to_string(i) + ".exe") +
                       Key("IconFile", Library(100)) + Key("IconIndex", std::to_string(i));
        WriteFile(ini, content += more);
    }
    BoxAnswerer boxes;
    TempDir dir;
    std::string ini, content;
};

// The box of a button whose file no program opens, and the icon file such a button gets.
inline std::string NoProgram(const std::string& file)
{
    return "Error|No associated executable file found for file\n\r" + file + "\n";
}
inline std::string FallbackIconFile()
{
    std::string file;
    REQUIRE(FindFallbackIconFile(&file));
    return file;
}

// Runs the steps while open runs, each from a timer in the newest dialog
// (properties or change icon) while no box is above it; true when all ran.
// Past a minute it cancels every dialog: a test fails instead of hanging.
using DialogStep = std::function<void(HWND dialog)>;
inline bool DriveDialogs(std::vector<DialogStep> steps, const std::function<void()>& open)
{
    static struct { std::vector<DialogStep>* steps; size_t next; DWORD deadline; bool timedOut; } driver;
    struct Timer {
        // The change icon dialog lies above the properties dialog that opened it.
        static BOOL CALLBACK Newest(HWND window, LPARAM data)
        {
            HWND& found = *reinterpret_cast<HWND*>(data);
            if (IsWindowVisible(window) &&
                (GetDlgItem(window, IDC_ICONFILENAME) || (!found && GetDlgItem(window, IDC_EXEFILENAME))))
                found = window;
            return TRUE;
        }
        static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD)
        {
            HWND dialog = nullptr;
            EnumThreadWindows(GetCurrentThreadId(), Newest, reinterpret_cast<LPARAM>(&dialog));
            if (!driver.steps || !dialog)
                return;
            driver.timedOut = driver.timedOut || (int)(GetTickCount() - driver.deadline) > 0;
            if (driver.timedOut)
                PostMessageA(IsWindowEnabled(dialog) ? dialog : GetForegroundWindow(), WM_COMMAND, IDCANCEL, 0);
            else if (IsWindowEnabled(dialog) && (GetForegroundWindow() != dialog || !GetFocus()))
                SetForegroundWindow(dialog);  // keys go to the foreground window, which a closed box may leave to none
            else if (IsWindowEnabled(dialog) && driver.next < driver.steps->size())
                (*driver.steps)[driver.next++](dialog);  // a step may open a dialog whose loop runs the next one
        }
    };
    driver = {&steps, 0, GetTickCount() + 60000, false};
    const UINT_PTR timer = SetTimer(nullptr, 0, 40, Timer::Tick);
    open();
    KillTimer(nullptr, timer);
    driver.steps = nullptr;
    return driver.next == steps.size() && !driver.timedOut;
}

}  // namespace qe

#endif
