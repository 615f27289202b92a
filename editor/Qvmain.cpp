#include "Qvmain.h"

#include "BarOnFile.h"
#include "ButtonList.h"
#include "ConfigFile.h"
#include "Dlgmod.h"
#include "HelpPage.h"
#include "IconGrid.h"
#include "IconUtil.h"
#include "Message.h"
#include "core/EditorCore.h"
#include "core/Geometry.h"
#include "forms/MainForm.h"

#include <commdlg.h>

namespace {

const char* const PositionItems[] = {"Floating", "Top left", "Top right", "Bottom left", "Bottom right"};

int CurrentColumn(const TfrmQVConfig& form)
{
    return (int)SendMessageA(Control(form, IDC_ICONGRID), GM_GETCURRENT, 0, 0);
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
    return ExecuteOpenDialog(nullptr, "Open Quenvolet configuration file",
                             "Initialisation files (*.ini)\0*.ini\0All files (*.*\0*.*\0", 1,
                             OFN_HIDEREADONLY,  // the file may not exist yet
                             &form.ConfigFilePath);
}

// Writes what changed and all buttons; a failed write leaves Modified set.
void SaveConfiguration(TfrmQVConfig& form)
{
    WriteConfiguration(form.ConfigFilePath, ControlText(form, IDC_WINDOWTITLE), form.SavedTitle, form.PositionChoice,
                       form.InitialPositionChoice);
    form.Modified = false;
    AskBar(PathMessage(form.ConfigFilePath.c_str()), BarReload);  // a bar on the file shows the save at once
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

// An insert or a remove (change) at k, shown in the controls when it changed
// the list; the grid draws no cell meanwhile.
bool ChangeList(TfrmQVConfig& form, bool (*change)(int), int k)
{
    form.GridUpdating = true;
    const bool changed = change(k);
    if (changed)
        UpdateListControls(form, ButtonListCount);
    form.GridUpdating = false;
    if (changed)
        RepaintGrid(form);
    return changed;
}

bool InsertListEntry(TfrmQVConfig& form, int k)
{
    return ChangeList(form, InsertButton, k);
}

bool RemoveListEntry(TfrmQVConfig& form, int k)
{
    return ChangeList(form, RemoveButton, k);
}

// ---------------------------------------------------------------- commands

bool ShowModify(TfrmQVConfig& form, const char* caption)
{
    const int index = CurrentColumn(form);
    if (index < 0 || index >= MaxButtons)
        return false;
    RECT r;
    GetWindowRect(form.Handle, &r);
    // in direct mode the dialog is all the user sees of the run: it stands on the task bar itself
    return ExecuteModifyDialog(form.DirectMode ? nullptr : form.Handle, caption, ButtonList[index],
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
    if (!MoveButton(i, step)) {
        MessageBeep(0xFFFF);
        return;
    }
    SelectListEntry(form, i + step);
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
    const int dpi = form.Layout.dpi, edge = ScaleForDpi(2, dpi);
    HBRUSH light = GetSysColorBrush(COLOR_BTNHIGHLIGHT), shadow = GetSysColorBrush(COLOR_BTNSHADOW);
    const RECT top = {c.left, c.top, c.right, c.top + edge}, left = {c.left, c.top, c.left + edge, c.bottom};
    const RECT bottom = {c.left, c.bottom - edge, c.right, c.bottom}, right = {c.right - edge, c.top, c.right, c.bottom};
    FillRect(draw.dc, &top, light);
    FillRect(draw.dc, &left, light);
    FillRect(draw.dc, &bottom, shadow);
    FillRect(draw.dc, &right, shadow);
    const TIcon& icon = ButtonList[draw.column].Icon.empty() ? DefaultIcon : ButtonList[draw.column].Icon;
    const int size = ScaleForDpi(32, dpi);
    DrawIconEx(draw.dc, c.left + edge, c.top + edge, icon.handle(), size, size, 0, nullptr, DI_NORMAL);
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
    form.Layout = StartLayout(form.Handle, MainFormControls, MainFormControlCount, MainFormWidth, MainFormHeight);
    const int dpi = form.Layout.dpi;
    form.Glyphs = CreateGlyphFaces(dpi);
    SetWindowTextA(form.Handle, "Configure Quenvolet");
    SetProgramIcons(form.Handle);
    SizeForm(form.Handle, MainFormLeft, MainFormTop, form.Layout);
    CreateFormControls(form.Handle, form.Layout);
    SendMessageA(Control(form, IDC_ICONGRID), GM_SETDPI, (WPARAM)dpi, 0);
    HWND positions = Control(form, IDC_WINDOWPOS);
    for (const char* item : PositionItems)
        SendMessageA(positions, CB_ADDSTRING, 0, (LPARAM)item);
    SendMessageA(positions, CB_SETITEMHEIGHT, 0, ScaleForDpi(13, dpi));
    WatchPushButtons(form.Handle);
}

// The form was moved onto a monitor of another scale, or the scale changed.
void OnDpiChanged(TfrmQVConfig& form, int dpi, const RECT& suggested)
{
    RescaleGridForm(form.Handle, form.Layout, form.Glyphs, Control(form, IDC_ICONGRID), (short)ButtonListCount, dpi,
                    suggested);
    SendMessageA(Control(form, IDC_WINDOWPOS), CB_SETITEMHEIGHT, 0, ScaleForDpi(13, dpi));
    SetIconScale(dpi);
    for (int i = 0; i < ButtonListCount; ++i)
        ExtractAgain(ButtonList[i]);
}

// The end of every run: icons freed, the launcher started again.
void FormDestroy(TfrmQVConfig& form)
{
    FreeButtonList();
    DoneIconUtilities();
    DeleteFormFonts(form.Layout.fonts);
    DeleteGlyphFaces(form.Glyphs);
    // A bar still on the file has taken the saves; a second one would save its own over them.
    if (form.Params.size() >= 3 && !AskBar(PathMessage(form.Params[1].c_str()), BarAsk)) {
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

INT_PTR MainFormProc(TfrmQVConfig& form, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG: OnInitDialog(form); return FALSE;
    case WM_COMMAND: OnCommand(form, LOWORD(wParam), HIWORD(wParam)); return TRUE;
    case WM_NOTIFY: return OnNotify(form, *reinterpret_cast<const NMHDR*>(lParam));
    case WM_DRAWITEM: OnDrawItem(form, *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)); return TRUE;
    case WM_HELP: ShowEditorHelp(form); return TRUE;
    case WM_DPICHANGED: OnDpiChanged(form, HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam)); return TRUE;
    case WM_CLOSE: CloseForm(form); return TRUE;
    case WM_QUERYENDSESSION:
        // a log-off asks the close question, and its Cancel refuses the log-off
        SetWindowLongPtrA(form.Handle, DWLP_MSGRESULT, FormCloseQuery(form));
        return TRUE;
    case WM_ENDSESSION:
        if (wParam)
            DestroyWindow(form.Handle);  // the end of the run, the bar started again
        return TRUE;
    case WM_DESTROY: FormDestroy(form); return TRUE;
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
    // A bar on the file writes the buttons dropped on it first, or its next save would lose the editor's.
    AskBar(PathMessage(form.ConfigFilePath.c_str()), BarWriteButtons);
    HANDLE held;
    if (!HoldConfigFile(form.ConfigFilePath, &held)) {
        form.NoFile = true;
        return;
    }
    InitIconUtilities(form.Layout.dpi);
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
    form.SavedTitle = LoadTitle(form.ConfigFilePath);
    SetWindowTextA(Control(form, IDC_WINDOWTITLE), form.SavedTitle.c_str());
    form.PositionChoice = LoadPositionChoice(form.ConfigFilePath);
    form.InitialPositionChoice = form.PositionChoice;
    SendMessageA(Control(form, IDC_WINDOWPOS), CB_SETCURSEL, (WPARAM)form.PositionChoice, 0);

    LoadButtonList(form.ConfigFilePath);
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

bool StartMainForm(TfrmQVConfig& form, const char* commandLine)
{
    form.Params = SplitCommandLine(commandLine);
    ApplicationTitle = form.Params.size() > 3 ? "Quenvolet icon properties" : "Configure Quenvolet";
    HINSTANCE instance = GetModuleHandleA(nullptr);
    RegisterIconGrid(instance);
    EmptyDialog dialog = MakeEmptyDialog(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME, WS_EX_APPWINDOW);
    HWND window = CreateDialogIndirectParamA(instance, &dialog.header, nullptr, RecordProc<TfrmQVConfig, MainFormProc>,
                                            (LPARAM)&form);
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
