#include "Qvmain.h"

#include "Dlgmod.h"
#include "HelpPage.h"
#include "IconGrid.h"
#include "Message.h"
#include "core/EditorCore.h"
#include "core/Text.h"
#include "forms/MainForm.h"

#include <commdlg.h>

#include <utility>

TButtonInfo ButtonList[MaxButtons];
short ButtonListCount;

namespace {

// The configuration file's private-profile reads and writes; a write that
// fails raises "Unable to write to" the file.
class TIniFile {
public:
    explicit TIniFile(const std::string& fileName) : fileName_(fileName) {}

    std::string ReadString(const char* section, const char* key, const char* fallback) const
    {
        char value[1024];
        GetPrivateProfileStringA(section, key, fallback, value, sizeof value, fileName_.c_str());
        value[sizeof value - 1] = '\0';
        return value;
    }
    void WriteString(const char* section, const char* key, const char* value) const
    {
        if (!WritePrivateProfileStringA(section, key, value, fileName_.c_str()))
            throw EditorError{"Unable to write to " + fileName_};
    }
    void EraseSection(const char* section) const { WriteString(section, nullptr, nullptr); }

private:
    std::string fileName_;
};

const char* const PositionItems[] = {"Floating", "Top left", "Top right", "Bottom left", "Bottom right"};

TfrmQVConfig& Form(HWND form)
{
    return *reinterpret_cast<TfrmQVConfig*>(GetWindowLongPtrA(form, DWLP_USER));
}

int CurrentColumn(const TfrmQVConfig& form)
{
    return (int)SendMessageA(Control(form, IDC_ICONGRID), GM_GETCURRENT, 0, 0);
}

std::string Section(int buttonNumber)
{
    char name[24];
    FormatButtonSection(name, sizeof name, (unsigned)buttonNumber);
    return name;
}

bool FileExists(const std::string& path)
{
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// ---------------------------------------------------------------- the file

bool OpenConfigFile(TfrmQVConfig& form)
{
    if (form.Params.size() > 1 && !form.Params[1].empty()) {
        form.ConfigFilePath = form.Params[1];
        if (FileExists(form.ConfigFilePath))
            return true;
        const std::string question =
            "File " + form.ConfigFilePath + " not found.\n\rDo you want to open a different file?";
        if (EditorMessage(nullptr, MessageConfirm, question) != IDYES)
            return false;
    }
    char name[MAX_PATH] = "";
    OPENFILENAMEA open;
    ZeroMemory(&open, sizeof open);
    open.lStructSize = sizeof open;
    open.hwndOwner = nullptr;
    open.lpstrFilter = "Initialisation files (*.ini)\0*.ini\0All files (*.*\0*.*\0";
    open.nFilterIndex = 1;
    open.lpstrFile = name;
    open.nMaxFile = sizeof name;
    open.lpstrTitle = "Open Quenvolet configuration file";
    open.Flags = OFN_HIDEREADONLY;  // the file may not exist yet
    if (!GetOpenFileNameA(&open))
        return false;
    form.ConfigFilePath = name;
    return true;
}

// The system's words for an error, without the line end.
std::string SystemText(DWORD error)
{
    char text[512] = "";
    FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error, 0, text, sizeof text,
                   nullptr);
    std::string words = text;
    while (!words.empty() && (words.back() == '\r' || words.back() == '\n' || words.back() == ' '))
        words.pop_back();
    return words;
}

// The file held open, shared, while it is read, so that no process locks it
// meanwhile. A file that exists but cannot be read would load as an empty
// list and be saved over: it is reported, and false ends the run unwritten.
bool HoldConfigFile(const TfrmQVConfig& form, HANDLE* held)
{
    const DWORD sharing = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
    *held = CreateFileA(form.ConfigFilePath.c_str(), GENERIC_READ, sharing, nullptr, OPEN_EXISTING, 0, nullptr);
    const DWORD error = GetLastError();
    if (*held != INVALID_HANDLE_VALUE || error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND)
        return true;
    EditorMessage(nullptr, MessageError, "Unable to read " + form.ConfigFilePath + "\n\r" + SystemText(error));
    return false;
}

bool LoadButtonInfo(const TIniFile& ini, int slot, int buttonNumber)
{
    const std::string section = Section(buttonNumber);
    TButtonInfo& info = ButtonList[slot];
    info.FileName = ini.ReadString(section.c_str(), "Filename", "");
    if (info.FileName.empty())
        return false;
    info.DefaultDirectory = ini.ReadString(section.c_str(), "DefaultDirectory", "");
    info.Parameters = ini.ReadString(section.c_str(), "Parameters", "");
    info.IconFile = ini.ReadString(section.c_str(), "IconFile", "");
    info.IconIndex = (int)ReadIconIndex(ini.ReadString(section.c_str(), "IconIndex", "0").c_str());
    info.WindowState = (unsigned char)WindowStateFromText(ini.ReadString(section.c_str(), "Window", "").c_str());
    RefreshButtonIcon(info);
    return true;
}

void SaveButtonInfo(const TIniFile& ini, int index)
{
    const std::string section = Section(index + 1);
    const TButtonInfo& info = ButtonList[index];
    ini.WriteString(section.c_str(), "Filename", info.FileName.c_str());
    if (!info.DefaultDirectory.empty())
        ini.WriteString(section.c_str(), "DefaultDirectory", info.DefaultDirectory.c_str());
    if (!info.Parameters.empty()) {
        // A document quoted whole would come back without its quotes, and so in two pieces.
        std::string written(info.Parameters.size() + 3, '\0');
        ProfileText(info.Parameters.c_str(), &written[0], written.size());
        ini.WriteString(section.c_str(), "Parameters", written.c_str());
    }
    if (!info.IconFile.empty())
        ini.WriteString(section.c_str(), "IconFile", info.IconFile.c_str());
    if (info.IconIndex != 0)
        ini.WriteString(section.c_str(), "IconIndex", std::to_string(info.IconIndex).c_str());
    if (const char* window = WindowStateText(info.WindowState))
        ini.WriteString(section.c_str(), "Window", window);
}

// Writes what changed and all buttons; a failed write leaves Modified set.
void SaveConfiguration(TfrmQVConfig& form)
{
    const TIniFile ini(form.ConfigFilePath);
    const std::string title = ControlText(form, IDC_WINDOWTITLE);
    if (title != form.SavedTitle) {
        ini.WriteString("Window", "Title", title.c_str());
        form.SavedTitle = title;  // only once written, so that a failed save writes it next time
    }
    if (form.PositionChoice != form.InitialPositionChoice) {
        const PositionKeys keys = PositionKeysFor(form.PositionChoice);
        ini.WriteString("Window", "Position", keys.position);
        ini.WriteString("Window", "Horizontal", keys.horizontal);
        ini.WriteString("Window", "Vertical", keys.vertical);
    }
    for (int n = 1; n <= MaxButtons; ++n)
        ini.EraseSection(Section(n).c_str());
    for (int i = 0; i < ButtonListCount; ++i)
        SaveButtonInfo(ini, i);
    form.Modified = false;
}

// Saves and tells the user when it failed; true when the file was written.
bool TrySave(TfrmQVConfig& form)
{
    try {
        SaveConfiguration(form);
        return true;
    } catch (const EditorError& error) {
        EditorMessage(form.Handle, MessageFailure, error.text);
        return false;
    }
}

// ---------------------------------------------------------------- the list

// A control disabled while it has the focus hands it to the next one, or
// the form would take no keys.
void EnableControl(const TfrmQVConfig& form, int id, bool enabled)
{
    HWND control = Control(form, id);
    const bool focused = GetFocus() == control;
    EnableWindow(control, enabled);
    if (focused && !enabled)
        SendMessageA(form.Handle, WM_NEXTDLGCTL, (WPARAM)GetNextDlgTabItem(form.Handle, control, FALSE), TRUE);
}

void UpdateMoveButtons(const TfrmQVConfig& form, int i)
{
    EnableControl(form, IDC_MOVELEFT, i > 0);
    EnableControl(form, IDC_MOVERIGHT, i < ButtonListCount - 1);
}

void UpdateListControls(const TfrmQVConfig& form, int n)
{
    HWND grid = Control(form, IDC_ICONGRID);
    FitGridColumns(grid, (short)n);
    ShowWindow(grid, n > 0 ? SW_SHOWNA : SW_HIDE);
    // the hint lies under the grid; hidden with it shown, it never paints over the cells
    ShowWindow(Control(form, IDC_NOICONS), n > 0 ? SW_HIDE : SW_SHOWNA);
    EnableControl(form, IDC_INSERT, n < MaxButtons);
    EnableControl(form, IDC_DELETE, n > 0);
    EnableControl(form, IDC_CHANGE, n > 0);
    UpdateMoveButtons(form, CurrentColumn(form));
}

void SelectListEntry(const TfrmQVConfig& form, int i)
{
    HWND grid = Control(form, IDC_ICONGRID);
    const int first = (int)SendMessageA(grid, GM_GETFIRSTCOL, 0, 0);
    const int visible = (int)SendMessageA(grid, GM_GETVISIBLECOLS, 0, 0);
    SendMessageA(grid, GM_SETFIRSTCOL, (WPARAM)FirstColumnAfterSelect(first, visible, i), 0);
    SendMessageA(grid, GM_SETCURRENT, (WPARAM)i, 0);
    UpdateMoveButtons(form, i);
}

void RepaintGrid(const TfrmQVConfig& form)
{
    InvalidateRect(Control(form, IDC_ICONGRID), nullptr, TRUE);
}

bool InsertListEntry(TfrmQVConfig& form, int k)
{
    if (ButtonListCount >= MaxButtons || k < 0 || k > ButtonListCount)
        return false;
    form.GridUpdating = true;
    ButtonList[ButtonListCount].Icon.release();
    for (int j = ButtonListCount; j > k; --j)
        ButtonList[j] = std::move(ButtonList[j - 1]);
    ++ButtonListCount;
    ButtonList[k] = TButtonInfo();
    UpdateListControls(form, ButtonListCount);
    form.GridUpdating = false;
    RepaintGrid(form);
    return true;
}

bool RemoveListEntry(TfrmQVConfig& form, int k)
{
    if (ButtonListCount == 0 || k < 0 || k >= ButtonListCount)
        return false;
    form.GridUpdating = true;
    --ButtonListCount;
    ButtonList[k].Icon.release();
    for (int j = k; j < ButtonListCount; ++j)
        ButtonList[j] = std::move(ButtonList[j + 1]);
    ButtonList[ButtonListCount] = TButtonInfo();
    UpdateListControls(form, ButtonListCount);
    form.GridUpdating = false;
    RepaintGrid(form);
    return true;
}

// ---------------------------------------------------------------- commands

bool ShowModify(TfrmQVConfig& form, const char* caption)
{
    RECT r;
    GetWindowRect(form.Handle, &r);
    // in direct mode the dialog is all the user sees of the run: it stands on the task bar itself
    return ExecuteModifyDialog(form.DirectMode ? nullptr : form.Handle, caption, CurrentColumn(form),
                               r.left + DoubleFrameWidth, r.top + CaptionFrameHeight);
}

void btnInsertClick(TfrmQVConfig& form)
{
    const int k = ButtonListCount == 0 ? 0 : CurrentColumn(form);
    if (!InsertListEntry(form, k)) {
        EditorMessage(form.Handle, MessageInformation, "Cannot insert more icons");
        return;
    }
    if (ShowModify(form, "New quenvolet icon"))
        form.Modified = true;
    else
        RemoveListEntry(form, CurrentColumn(form));
    RepaintGrid(form);
}

void btnDeleteClick(TfrmQVConfig& form)
{
    if (RemoveListEntry(form, CurrentColumn(form)))
        form.Modified = true;
    else
        EditorMessage(form.Handle, MessageInformation, "Cannot delete icon");
}

void btnChangeClick(TfrmQVConfig& form)
{
    if (ShowModify(form, "Quenvolet icon properties")) {
        form.Modified = true;
        RepaintGrid(form);
    }
}

void MoveEntry(TfrmQVConfig& form, int step)
{
    const int i = CurrentColumn(form);
    const int j = i + step;
    if (i < 0 || j < 0 || j >= ButtonListCount) {
        MessageBeep(0xFFFF);
        return;
    }
    std::swap(ButtonList[i], ButtonList[j]);
    SelectListEntry(form, j);
    form.Modified = true;
    RepaintGrid(form);
}

void CloseForm(TfrmQVConfig& form);

void btnOKClick(TfrmQVConfig& form)
{
    if (ControlText(form, IDC_WINDOWTITLE) != form.SavedTitle)
        form.Modified = true;
    if (form.Modified && !TrySave(form))
        return;
    CloseForm(form);
}

// True when the form may close: changes are saved or given up on purpose.
bool FormCloseQuery(TfrmQVConfig& form)
{
    if (!form.Modified)
        return true;
    switch (EditorMessage(form.Handle, MessageConfirm, "Save changes to " + form.ConfigFilePath + "?")) {
    case IDYES: return TrySave(form);
    case IDNO: return true;
    default: return false;
    }
}

void CloseForm(TfrmQVConfig& form)
{
    if (FormCloseQuery(form))
        DestroyWindow(form.Handle);
}

void edtWindowTitleExit(TfrmQVConfig& form)
{
    if (ControlText(form, IDC_WINDOWTITLE) != form.SavedTitle)
        form.Modified = true;
}

void cbxWindowPosClick(TfrmQVConfig& form)
{
    const int choice = (int)SendMessageA(Control(form, IDC_WINDOWPOS), CB_GETCURSEL, 0, 0);
    if (choice < 0 || choice > 4)
        return;
    form.PositionChoice = choice;
    if (choice != form.InitialPositionChoice)
        form.Modified = true;
}

// ---------------------------------------------------------------- messages

void IconGridDrawCell(const TfrmQVConfig& form, const GridDrawCell& draw)
{
    if (form.GridUpdating || draw.column < 0 || draw.column >= MaxButtons)
        return;
    const RECT& c = draw.cell;
    HBRUSH light = GetSysColorBrush(COLOR_BTNHIGHLIGHT), shadow = GetSysColorBrush(COLOR_BTNSHADOW);
    const RECT top = {c.left, c.top, c.right, c.top + 2}, left = {c.left, c.top, c.left + 2, c.bottom};
    const RECT bottom = {c.left, c.bottom - 2, c.right, c.bottom}, right = {c.right - 2, c.top, c.right, c.bottom};
    FillRect(draw.dc, &top, light);
    FillRect(draw.dc, &left, light);
    FillRect(draw.dc, &bottom, shadow);
    FillRect(draw.dc, &right, shadow);
    const TIcon& icon = ButtonList[draw.column].Icon.empty() ? DefaultIcon : ButtonList[draw.column].Icon;
    DrawIconEx(draw.dc, c.left + 2, c.top + 2, icon.handle(), 32, 32, 0, nullptr, DI_NORMAL);
}

INT_PTR OnNotify(TfrmQVConfig& form, const NMHDR& hdr)
{
    if (hdr.idFrom != IDC_ICONGRID)
        return FALSE;
    if (hdr.code == GN_DRAWCELL)
        IconGridDrawCell(form, reinterpret_cast<const GridDrawCell&>(hdr));
    else if (hdr.code == GN_SELECTCELL)
        UpdateMoveButtons(form, reinterpret_cast<const GridSelectCell&>(hdr).column);
    return TRUE;
}

void OnCommand(TfrmQVConfig& form, int id, int code)
{
    switch (id) {
    case IDC_INSERT: btnInsertClick(form); break;
    case IDC_DELETE: btnDeleteClick(form); break;
    case IDC_CHANGE: btnChangeClick(form); break;
    case IDC_MOVELEFT: MoveEntry(form, -1); break;
    case IDC_MOVERIGHT: MoveEntry(form, +1); break;
    case IDOK: btnOKClick(form); break;
    case IDCANCEL: CloseForm(form); break;
    case IDC_WINDOWTITLE: if (code == EN_KILLFOCUS) edtWindowTitleExit(form); break;
    case IDC_WINDOWPOS: if (code == CBN_SELCHANGE) cbxWindowPosClick(form); break;
    default: break;
    }
}

void OnDrawItem(const TfrmQVConfig& form, const DRAWITEMSTRUCT& item)
{
    switch (item.CtlID) {
    case IDC_MOVELEFT: DrawGlyphButton(item, form.Glyphs, GlyphArrowLeft); break;
    case IDC_MOVERIGHT: DrawGlyphButton(item, form.Glyphs, GlyphArrowRight); break;
    case IDOK: DrawGlyphButton(item, form.Glyphs, GlyphCheck); break;
    case IDCANCEL: DrawGlyphButton(item, form.Glyphs, GlyphCross); break;
    default: break;
    }
}

void OnInitDialog(TfrmQVConfig& form)
{
    form.Fonts = CreateFormFonts();
    form.Glyphs = CreateGlyphFaces();
    SetWindowTextA(form.Handle, "Configure Quenvolet");
    SetProgramIcons(form.Handle);
    SizeForm(form.Handle, MainFormLeft, MainFormTop, MainFormWidth, MainFormHeight);
    CreateFormControls(form.Handle, MainFormControls, MainFormControlCount, form.Fonts);
    HWND positions = Control(form, IDC_WINDOWPOS);
    for (const char* item : PositionItems)
        SendMessageA(positions, CB_ADDSTRING, 0, (LPARAM)item);
    SendMessageA(positions, CB_SETITEMHEIGHT, 0, 13);
    WatchPushButtons(form.Handle);
}

// The end of every run: icons freed, the launcher started again.
void FormDestroy(TfrmQVConfig& form)
{
    for (int i = 0; i < MaxButtons; ++i) {
        if (!ButtonList[i].Icon.release())
            EditorMessage(nullptr, MessageNotice, "Destroy icon " + std::to_string(i) + " failed");
        ButtonList[i] = TButtonInfo();
    }
    ButtonListCount = 0;
    DoneIconUtilities();
    DeleteFormFonts(form.Fonts);
    DeleteGlyphFaces(form.Glyphs);
    if (form.Params.size() >= 3) {
        const std::string command = RestartCommand(form.Params[2], form.Params[1]);
        if (WinExec(command.c_str(), SW_SHOW) < 32)
            EditorMessage(nullptr, MessageError, "Unable to start " + form.Params[2]);
    }
    form.Handle = nullptr;
}

// F1 opens the same help page as the bar's.
void ShowEditorHelp(const TfrmQVConfig& form)
{
    const HelpPageResult result = OpenHelpPage(form.Handle);
    if (result != HelpPageOpened)
        EditorMessage(form.Handle, MessageWarning, HelpPageProblem(result));
}

INT_PTR CALLBACK MainFormProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrA(window, DWLP_USER, lParam);
        Form(window).Handle = window;
        OnInitDialog(Form(window));
        return FALSE;
    }
    if (GetWindowLongPtrA(window, DWLP_USER) == 0)
        return FALSE;
    TfrmQVConfig& form = Form(window);
    switch (message) {
    case WM_COMMAND: OnCommand(form, LOWORD(wParam), HIWORD(wParam)); return TRUE;
    case WM_NOTIFY: return OnNotify(form, *reinterpret_cast<const NMHDR*>(lParam));
    case WM_DRAWITEM: OnDrawItem(form, *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)); return TRUE;
    case WM_HELP: ShowEditorHelp(form); return TRUE;
    case WM_CLOSE: CloseForm(form); return TRUE;
    case WM_QUERYENDSESSION:
        // a log-off asks the close question, and its Cancel refuses the log-off
        SetWindowLongPtrA(window, DWLP_MSGRESULT, FormCloseQuery(form));
        return TRUE;
    case WM_ENDSESSION:
        if (wParam)
            DestroyWindow(window);  // the end of the run, the bar started again
        return TRUE;
    case WM_DESTROY: FormDestroy(form); SetWindowLongPtrA(window, DWLP_USER, 0); return TRUE;
    default: return FALSE;
    }
}

// ---------------------------------------------------------------- start

void FormCreate(TfrmQVConfig& form)
{
    form.GridUpdating = true;
    form.Modified = false;
    if (!OpenConfigFile(form)) {
        form.NoFile = true;
        return;
    }
    HANDLE held;
    if (!HoldConfigFile(form, &held)) {
        form.NoFile = true;
        return;
    }
    InitIconUtilities();
    if (WindowsVersion < 395) {
        for (int id : {IDOK, IDCANCEL}) {
            HWND button = Control(form, id);
            RECT r;
            GetWindowRect(button, &r);
            MapWindowPoints(nullptr, form.Handle, reinterpret_cast<POINT*>(&r), 2);
            SetWindowPos(button, nullptr, r.left, r.top - 2, r.right - r.left, r.bottom - r.top + 4, SWP_NOZORDER);
        }
    }
    SetWindowTextA(Control(form, IDC_INIFILENAME), form.ConfigFilePath.c_str());
    const TIniFile ini(form.ConfigFilePath);
    form.SavedTitle = ini.ReadString("Window", "Title", "Quenvolet");
    SetWindowTextA(Control(form, IDC_WINDOWTITLE), form.SavedTitle.c_str());
    const std::string position = ini.ReadString("Window", "Position", "Floating");
    const std::string horizontal = ini.ReadString("Window", "Horizontal", "Right");
    const std::string vertical = ini.ReadString("Window", "Vertical", "Bottom");
    form.PositionChoice = PositionChoiceFromKeys(position.c_str(), horizontal.c_str(), vertical.c_str());
    form.InitialPositionChoice = form.PositionChoice;
    SendMessageA(Control(form, IDC_WINDOWPOS), CB_SETCURSEL, (WPARAM)form.PositionChoice, 0);

    for (TButtonInfo& slot : ButtonList)
        slot = TButtonInfo();
    int count = 0;
    for (int n = 1; n <= MaxButtons; ++n)
        if (LoadButtonInfo(ini, count, n))
            ++count;
    ButtonListCount = (short)count;
    if (held != INVALID_HANDLE_VALUE)
        CloseHandle(held);
    UpdateListControls(form, ButtonListCount);
    form.GridUpdating = false;
    form.DirectMode = false;

    if (form.Params.size() > 3) {
        int number = 0;
        if (!ParseDecimal(form.Params[3].c_str(), &number)) {
            EditorMessage(nullptr, MessageFailure, "'" + form.Params[3] + "' is not a valid integer value");
            return;
        }
        if (number >= 0 && number < ButtonListCount) {
            SelectListEntry(form, number);
            form.DirectMode = true;  // the form stays below any screen and is never shown
            btnChangeClick(form);
        }
    }
}

void CentreOnScreen(HWND form)
{
    RECT r;
    GetWindowRect(form, &r);
    const int width = r.right - r.left, height = r.bottom - r.top;
    SetWindowPos(form, nullptr, (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
                 (GetSystemMetrics(SM_CYSCREEN) - height) / 2, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void ShowNormally(TfrmQVConfig& form)
{
    CentreOnScreen(form.Handle);
    ShowWindow(form.Handle, SW_SHOW);
    SetForegroundWindow(form.Handle);
    // the grid, or the title field for an empty list
    if (HWND first = GetNextDlgTabItem(form.Handle, nullptr, FALSE))
        SetFocus(first);
}

void FormShow(TfrmQVConfig& form)
{
    if (!form.DirectMode) {
        ShowNormally(form);
        return;
    }
    RECT r;
    GetWindowRect(form.Handle, &r);
    SetWindowPos(form.Handle, nullptr, r.left, 2000, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    if (form.Modified && !TrySave(form)) {
        // a form nobody can see could not be closed: the user decides on it
        ShowNormally(form);
        return;
    }
    DestroyWindow(form.Handle);
}

}  // namespace

void SetProgramIcons(HWND window)
{
    HINSTANCE instance = GetModuleHandleA(nullptr);
    const struct { WPARAM kind; int width, height; } sizes[] = {
        {ICON_BIG, GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON)},
        {ICON_SMALL, GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON)},
    };
    for (const auto& size : sizes)
        if (HANDLE icon = LoadImageA(instance, MAKEINTRESOURCEA(IDI_QVCONFIG), IMAGE_ICON, size.width, size.height,
                                     LR_SHARED))
            SendMessageA(window, WM_SETICON, size.kind, (LPARAM)icon);
}

bool StartMainForm(TfrmQVConfig& form, const char* commandLine)
{
    form.Params = SplitCommandLine(commandLine);
    ApplicationTitle = form.Params.size() > 3 ? "Quenvolet icon properties" : "Configure Quenvolet";
    HINSTANCE instance = GetModuleHandleA(nullptr);
    RegisterIconGrid(instance);
    EmptyDialog dialog = MakeEmptyDialog(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME, WS_EX_APPWINDOW);
    HWND window = CreateDialogIndirectParamA(instance, &dialog.header, nullptr, MainFormProc, (LPARAM)&form);
    if (!window)
        return false;
    FormCreate(form);
    if (form.NoFile) {
        DestroyWindow(window);
        return false;
    }
    if (!IsWindow(window))
        return false;  // the session ended while the direct mode's dialog was open
    FormShow(form);
    return IsWindow(window) && form.Handle == window;
}

int RunEditor(const char* commandLine)
{
    TfrmQVConfig form;
    if (!StartMainForm(form, commandLine))
        return 0;
    MSG msg;
    while (form.Handle && GetMessageA(&msg, nullptr, 0, 0) > 0) {
        if (form.Handle && IsDialogMessageA(form.Handle, &msg))
            continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return 0;
}
