#include "EditorHarness.h"

#include "IconGrid.h"
#include "forms/ChangeIconForm.h"
#include "forms/MainForm.h"
#include "forms/ModifyForm.h"

namespace qe {

// ---------------------------------------------------------------- form

EditorForm::EditorForm(const std::string& parameters)
{
    StartMainForm(form, ("QVconfig.exe " + parameters).c_str());
    // keys go to the foreground window, which the display settles only after a while
    for (DWORD start = GetTickCount(); form.Handle && GetForegroundWindow() != form.Handle && GetTickCount() - start < 3000;)
        Pump(20);
    Pump();
}

EditorForm::~EditorForm()
{
    if (form.Handle) {
        form.Modified = false;
        DestroyWindow(form.Handle);
    }
    Pump();
}

EditorCase::EditorCase(int buttons, const std::string& more, const char* subfolder)
    : dir(subfolder), ini(dir.file("q.ini"))
{
    for (int i = 0; i < buttons; ++i)
        content += Section("Button" + std::to_string(i + 1)) + Key("Filename", "program" + std::to_string(i) + ".exe") +
                   Key("IconFile", Library(100)) + Key("IconIndex", std::to_string(i));
    content += more;
    WriteFile(ini, content);
}

static struct {
    std::vector<DialogStep>* steps;
    size_t next;
    DWORD deadline;
    bool timedOut;
} Driver;

// The change icon dialog lies above the properties dialog that opened it.
static BOOL CALLBACK FindNewestDialog(HWND window, LPARAM data)
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
    EnumThreadWindows(GetCurrentThreadId(), FindNewestDialog, reinterpret_cast<LPARAM>(&dialog));
    if (!Driver.steps || !dialog)
        return;
    Driver.timedOut = Driver.timedOut || (int)(GetTickCount() - Driver.deadline) > 0;
    if (Driver.timedOut)
        PostMessageA(IsWindowEnabled(dialog) ? dialog : GetForegroundWindow(), WM_COMMAND, IDCANCEL, 0);
    else if (IsWindowEnabled(dialog) && (GetForegroundWindow() != dialog || !GetFocus()))
        SetForegroundWindow(dialog);  // keys go to the foreground window, which a closed box may leave to none
    else if (IsWindowEnabled(dialog) && Driver.next < Driver.steps->size())
        (*Driver.steps)[Driver.next++](dialog);  // a step may open a dialog whose loop runs the next one
}

bool DriveDialogs(std::vector<DialogStep> steps, const std::function<void()>& open)
{
    Driver = {&steps, 0, GetTickCount() + 60000, false};
    const UINT_PTR timer = SetTimer(nullptr, 0, 40, Tick);
    open();
    KillTimer(nullptr, timer);
    Driver.steps = nullptr;
    return Driver.next == steps.size() && !Driver.timedOut;
}

void TypeInto(HWND edit, const std::string& text)
{
    SetFocus(edit);
    SendMessageA(edit, EM_SETSEL, 0, -1);
    SendMessageA(edit, WM_CHAR, VK_BACK, 1);
    for (char c : text)
        SendMessageA(edit, WM_CHAR, (WPARAM)(unsigned char)c, 1);
}

void PostKey(HWND control, WPARAM key)
{
    PostMessageA(control, WM_KEYDOWN, key, 1);
    PostMessageA(control, WM_KEYUP, key, 0xC0000001);
}

void PressKeys(const std::vector<int>& keys)
{
    const BYTE held[] = {VK_SHIFT, VK_CONTROL, VK_MENU};
    for (int key : keys) {
        for (int m = 0; m < 3; ++m)
            if (key & (Shift << m))
                keybd_event(held[m], 0, 0, 0);
        keybd_event((BYTE)key, 0, 0, 0);
        keybd_event((BYTE)key, 0, KEYEVENTF_KEYUP, 0);
        for (int m = 2; m >= 0; --m)
            if (key & (Shift << m))
                keybd_event(held[m], 0, KEYEVENTF_KEYUP, 0);
    }
}

void TypeKeys(const std::string& text)
{
    std::vector<int> keys;
    for (char c : text)
        keys.push_back(VkKeyScanA(c) & 0x7FF);  // the key, and Shift, Ctrl and Alt as it needs them
    PressKeys(keys);
}

void ClickButton(HWND dialog, int id)
{
    HWND button = GetDlgItem(dialog, id);
    SetFocus(button);
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), (LPARAM)button);
}

}  // namespace qe
