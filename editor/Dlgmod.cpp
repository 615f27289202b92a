#include "Dlgmod.h"

#include "Chngicon.h"
#include "core/Geometry.h"
#include "forms/ModifyForm.h"

#include <commdlg.h>

namespace {

const char* const WindowStyleItems[] = {"Normal", "Minimized", "Maximized"};

void ShowPicture(TdlgModify& d, bool fallsBack)
{
    d.PictureFallsBack = fallsBack;
    InvalidateRect(Control(d, IDC_ICONPICTURE), nullptr, TRUE);
}

// Runs the program lookup when the File field no longer names the copy's
// file, and settles the pending check in any case.
void CheckFileName(TdlgModify& d)
{
    const std::string name = ControlText(d, IDC_EXEFILENAME);
    if (name != d.ButtonInfo.FileName) {
        d.ButtonInfo.FileName = name;
        d.ButtonInfo.IconFile.clear();
        d.ButtonInfo.IconIndex = 0;
        d.FileNameValid = LoadButtonIcon(d.ButtonInfo);
        ShowPicture(d, true);
    }
    d.OkResult = IDOK;
}

void edtDefaultDirExit(TdlgModify& d)
{
    d.ButtonInfo.DefaultDirectory = ControlText(d, IDC_DEFAULTDIR);
}

void btnBrowseClick(TdlgModify& d)
{
    std::string name;
    if (!ExecuteOpenDialog(d.Handle, "Browse",
                           "Programs (*.exe *.com)\0*.exe;*.com\0Batch files (*.bat *.cmd)\0*.bat;*.cmd\0"
                           "Documents (*.doc)\0*.doc\0Text files (*.txt)\0*.txt\0"
                           "Spreadsheets (*.xls *.wb? *.wk?)\0*.xls;*.wb?;*.wk?\0All files (*.*)\0*.*\0",
                           1, OFN_HIDEREADONLY | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST, &name))
        return;
    SetGuardedText(Control(d, IDC_EXEFILENAME), name, d.SettingFileName);
    CheckFileName(d);
}

void btnChangeIconClick(TdlgModify& d)
{
    RECT r;
    GetWindowRect(d.Handle, &r);
    if (ExecuteChangeIconDialog(d.Handle, d.ButtonInfo, r.left + DoubleFrameWidth, r.top + CaptionFrameHeight)) {
        ShowPicture(d, false);  // the chosen icon as it is, even none
        SetGuardedText(Control(d, IDC_EXEFILENAME), d.ButtonInfo.FileName, d.SettingFileName);
    }
}

void CloseDialog(TdlgModify& d, int result)
{
    d.Closing = true;  // the fields lose the focus now: nothing is to be checked any more
    EndDialog(d.Handle, result);
}

// OK: a pending check runs instead of closing; otherwise a valid copy is
// written into its list entry as the dialog closes, and an empty or invalid
// name keeps the dialog open with a beep and the entry as it was.
void btnOKClick(TdlgModify& d)
{
    if (d.OkResult == 0) {
        CheckFileName(d);
        return;
    }
    const std::string name = ControlText(d, IDC_EXEFILENAME);
    if (name.empty() || !d.FileNameValid) {
        MessageBeep(0xFFFF);
        return;
    }
    d.ButtonInfo.FileName = name;
    d.ButtonInfo.Parameters = ControlText(d, IDC_PARAMETERS);
    d.ButtonInfo.DefaultDirectory = ControlText(d, IDC_DEFAULTDIR);
    const int style = (int)SendMessageA(Control(d, IDC_WINDOWSTYLE), CB_GETCURSEL, 0, 0);
    if (style >= 0 && style <= 2)
        d.ButtonInfo.WindowState = (unsigned char)style;
    // the entry keeps its icon object, which receives a copy of the image
    *d.Entry = d.ButtonInfo;
    CloseDialog(d, IDOK);
}

void OnCommand(TdlgModify& d, int id, int code)
{
    switch (id) {
    case IDC_EXEFILENAME:
        // every change counts, typed, pasted, cut or deleted, by keys or the field's menu
        if (code == EN_CHANGE && !d.SettingFileName)
            d.OkResult = 0;
        else if (code == EN_KILLFOCUS && !d.Closing)
            CheckFileName(d);
        break;
    case IDC_DEFAULTDIR: if (code == EN_KILLFOCUS && !d.Closing) edtDefaultDirExit(d); break;
    case IDC_BROWSE: btnBrowseClick(d); break;
    case IDC_CHANGEICON: btnChangeIconClick(d); break;
    case IDOK: btnOKClick(d); break;
    case IDCANCEL: CloseDialog(d, IDCANCEL); break;
    default: break;
    }
}

void OnDrawItem(const TdlgModify& d, const DRAWITEMSTRUCT& item)
{
    switch (item.CtlID) {
    case IDOK: DrawGlyphButton(item, d.Glyphs, GlyphCheck); break;
    case IDCANCEL: DrawGlyphButton(item, d.Glyphs, GlyphCross); break;
    case IDC_ICONPICTURE: {
        FillRect(item.hDC, &item.rcItem, GetSysColorBrush(COLOR_BTNFACE));
        const TIcon& icon = d.ButtonInfo.Icon.empty() && d.PictureFallsBack ? DefaultIcon : d.ButtonInfo.Icon;
        if (!icon.empty())
            DrawIconEx(item.hDC, item.rcItem.left, item.rcItem.top, icon.handle(), item.rcItem.right - item.rcItem.left,
                       item.rcItem.bottom - item.rcItem.top, 0, nullptr, DI_NORMAL);
        break;
    }
    default: break;
    }
}

void FormCreate(TdlgModify& d)
{
    d.Layout = StartLayout(d.Handle, ModifyFormControls, ModifyFormControlCount, ModifyFormWidth, ModifyFormHeight);
    d.Glyphs = CreateGlyphFaces(d.Layout.dpi);
    CreateFormControls(d.Handle, d.Layout);
    if (WindowsVersion < 395) {
        const int ids[] = {IDOK, IDCANCEL};
        GrowButtonsForOldWindows(d.Handle, ids, 2);
    }
    WatchPushButtons(d.Handle);
    MuteMnemonic(Control(d, IDC_WINDOWLABEL));
    if (d.TaskBarEntry)
        SetProgramIcons(d.Handle);
    HWND styles = Control(d, IDC_WINDOWSTYLE);
    for (const char* item : WindowStyleItems)
        SendMessageA(styles, CB_ADDSTRING, 0, (LPARAM)item);
    SendMessageA(styles, CB_SETITEMHEIGHT, 0, ScaleForDpi(13, d.Layout.dpi));
}

// The dialog was moved onto a monitor of another scale, or the scale changed.
void OnDpiChanged(TdlgModify& d, int dpi, const RECT& suggested)
{
    RescaleForm(d.Handle, d.Layout, dpi, suggested);
    RemakeGlyphFaces(d.Glyphs, dpi);
    SendMessageA(Control(d, IDC_WINDOWSTYLE), CB_SETITEMHEIGHT, 0, ScaleForDpi(13, dpi));
}

void FormShow(TdlgModify& d)
{
    SetWindowTextA(d.Handle, d.Caption.c_str());
    SizeForm(d.Handle, d.Left, d.Top, d.Layout);
    d.ButtonInfo = *d.Entry;
    SetGuardedText(Control(d, IDC_EXEFILENAME), d.ButtonInfo.FileName, d.SettingFileName);
    SetWindowTextA(Control(d, IDC_PARAMETERS), d.ButtonInfo.Parameters.c_str());
    SetWindowTextA(Control(d, IDC_DEFAULTDIR), d.ButtonInfo.DefaultDirectory.c_str());
    SendMessageA(Control(d, IDC_WINDOWSTYLE), CB_SETCURSEL, d.ButtonInfo.WindowState, 0);
    d.FileNameValid = true;
    d.OkResult = IDOK;
    ShowPicture(d, true);
    SetFocus(Control(d, IDC_EXEFILENAME));
}

void FormDestroy(TdlgModify& d)
{
    DeleteFormFonts(d.Layout.fonts);
    DeleteGlyphFaces(d.Glyphs);
}

INT_PTR ModifyDialogProc(TdlgModify& d, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        FormCreate(d);
        FormShow(d);
        return FALSE;  // the File field has the focus
    case WM_COMMAND: OnCommand(d, LOWORD(wParam), HIWORD(wParam)); return TRUE;
    case WM_DRAWITEM: OnDrawItem(d, *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)); return TRUE;
    case WM_DPICHANGED: OnDpiChanged(d, HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam)); return TRUE;
    case WM_DESTROY: FormDestroy(d); return TRUE;
    default: return FALSE;
    }
}

}  // namespace

bool ExecuteModifyDialog(HWND owner, const char* caption, TButtonInfo& entry, int left, int top)
{
    TdlgModify d;
    d.Caption = caption;
    d.Entry = &entry;
    d.Left = left;
    d.Top = top;
    d.TaskBarEntry = owner == nullptr;
    EmptyDialog dialog = MakeEmptyDialog(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME,
                                         d.TaskBarEntry ? WS_EX_APPWINDOW : 0);
    return DialogBoxIndirectParamA(GetModuleHandleA(nullptr), &dialog.header, owner,
                                   RecordProc<TdlgModify, ModifyDialogProc>, (LPARAM)&d) == IDOK;
}
