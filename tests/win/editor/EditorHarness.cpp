#include "EditorHarness.h"

#include "IconGrid.h"
#include "forms/ChangeIconForm.h"
#include "forms/MainForm.h"
#include "forms/ModifyForm.h"

namespace qe {

std::string EditorProgram()
{
    char path[MAX_PATH];
    const std::string relative = ProgramFolder() + "\\..\\editor\\bin\\QVconfig.exe";
    GetFullPathNameA(relative.c_str(), sizeof path, path, nullptr);
    return path;
}

// ---------------------------------------------------------------- boxes

static BoxAnswerer* Answerer;

// Looks at each dialog once it is set up, when a box has its texts.
static LRESULT CALLBACK AnswerBox(int code, WPARAM wParam, LPARAM lParam)
{
    const CWPRETSTRUCT& call = *reinterpret_cast<CWPRETSTRUCT*>(lParam);
    HWND box = call.hwnd;
    char cls[32] = "", caption[512] = "", text[2048] = "";
    if (code == HC_ACTION && call.message == WM_INITDIALOG)
        GetClassNameA(box, cls, sizeof cls);
    // the main form and the editor's dialogs are dialogs too; a box has none of their fields
    if (lstrcmpA(cls, "#32770") == 0 && !GetDlgItem(box, IDC_ICONGRID) && !GetDlgItem(box, IDC_EXEFILENAME) &&
        !GetDlgItem(box, IDC_ICONFILENAME)) {
        GetWindowTextA(box, caption, sizeof caption);
        GetDlgItemTextA(box, 0xFFFF, text, sizeof text);  // a message box's text
        Answerer->seen += std::string(caption) + "|" + text + "\n";
        int answer = Answerer->answers.empty() ? IDOK : Answerer->answers.front();
        if (!Answerer->answers.empty())
            Answerer->answers.pop_front();
        answer = GetDlgItem(box, answer) ? answer : IDOK;
        PostMessageA(box, WM_COMMAND, MAKEWPARAM(answer, BN_CLICKED), (LPARAM)GetDlgItem(box, answer));
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

BoxAnswerer::BoxAnswerer() : hook(SetWindowsHookExA(WH_CALLWNDPROCRET, AnswerBox, nullptr, GetCurrentThreadId()))
{
    Answerer = this;
}

// ---------------------------------------------------------------- form

EditorForm::EditorForm(const std::string& parameters)
{
    StartMainForm(form, ("QVconfig.exe " + parameters).c_str());
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

void EditorForm::key(WPARAM virtualKey)
{
    SendMessageA(control(IDC_ICONGRID), WM_KEYDOWN, virtualKey, 1);
    SendMessageA(control(IDC_ICONGRID), WM_KEYUP, virtualKey, 0xC0000001);
}

void EditorForm::choosePosition(int choice)
{
    SendMessageA(control(IDC_WINDOWPOS), CB_SETCURSEL, (WPARAM)choice, 0);
    SendMessageA(form.Handle, WM_COMMAND, MAKEWPARAM(IDC_WINDOWPOS, CBN_SELCHANGE), (LPARAM)control(IDC_WINDOWPOS));
}

std::string EditorForm::text(int id) const
{
    char text[2048] = "";
    GetWindowTextA(control(id), text, sizeof text);
    return text;
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

// ---------------------------------------------------------------- dialogs

static DialogDriver* ActiveDriver;

DialogDriver::DialogDriver(std::vector<Step> steps)
    : steps_(std::move(steps)), deadline_(GetTickCount() + 60000), timer_(SetTimer(nullptr, 0, 40, Tick))
{
    ActiveDriver = this;
}

DialogDriver::~DialogDriver()
{
    KillTimer(nullptr, timer_);
    ActiveDriver = nullptr;
}

// The change icon dialog lies above the properties dialog that opened it.
static BOOL CALLBACK FindNewestDialog(HWND window, LPARAM data)
{
    HWND& found = *reinterpret_cast<HWND*>(data);
    if (IsWindowVisible(window) &&
        (GetDlgItem(window, IDC_ICONFILENAME) || (!found && GetDlgItem(window, IDC_EXEFILENAME))))
        found = window;
    return TRUE;
}

void CALLBACK DialogDriver::Tick(HWND, UINT, UINT_PTR, DWORD)
{
    DialogDriver* driver = ActiveDriver;
    HWND dialog = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), FindNewestDialog, reinterpret_cast<LPARAM>(&dialog));
    if (!driver || !dialog)
        return;
    driver->timedOut_ = driver->timedOut_ || (int)(GetTickCount() - driver->deadline_) > 0;
    if (driver->timedOut_)
        PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    else if (IsWindowEnabled(dialog) && driver->next_ < driver->steps_.size())
        driver->steps_[driver->next_++](dialog);  // a step may open a dialog whose loop runs the next one
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

void ClickButton(HWND dialog, int id)
{
    HWND button = GetDlgItem(dialog, id);
    SetFocus(button);
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), (LPARAM)button);
}

}  // namespace qe
