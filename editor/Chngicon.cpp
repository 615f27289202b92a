#include "Chngicon.h"

#include "Dpi.h"
#include "IconGrid.h"
#include "Message.h"
#include "core/EditorCore.h"
#include "core/Geometry.h"
#include "forms/ChangeIconForm.h"

#include <commdlg.h>
#include <shellapi.h>

IconFileReads ChangeIconReads;

namespace {

// An icon file whose directory runs past its end is taken for one without
// icons, before the system's reader walks off into it. Only the header and
// the directory it announces are read.
bool SoundIconFile(const std::string& file)
{
    HANDLE handle = CreateFileA(file.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                0, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return true;  // not ours to judge: the system answers for it
    LARGE_INTEGER size = {};
    GetFileSizeEx(handle, &size);
    unsigned char header[6];
    DWORD read = 0;
    if (!ReadFile(handle, header, sizeof header, &read, nullptr))
        read = 0;
    std::vector<unsigned char> head(header, header + read);
    head.resize(IconDirectoryBytes(header, read, (unsigned long long)size.QuadPart));
    DWORD more = 0;
    if (head.size() > read && !ReadFile(handle, head.data() + read, (DWORD)(head.size() - read), &more, nullptr))
        more = 0;
    CloseHandle(handle);
    return IconDirectorySound(head.data(), read + more, (unsigned long long)size.QuadPart);
}

short IconCountOf(const std::string& file)
{
    if (!SoundIconFile(file))
        return 0;
    ++ChangeIconReads.counts;
    const short n = (short)(INT_PTR)ExtractIconA(GetModuleHandleA(nullptr), file.c_str(), (UINT)-1);
    return n < 0 ? 0 : n;
}

// The image of icon index at the dialog's scale.
HICON IconOf(const TdlgChangeIcon& d, int index)
{
    ++ChangeIconReads.images;
    return ExtractIconOfSize(d.CurrentIconFile.c_str(), index, IconSizeForDpi(d.Layout.dpi));
}

void FreeIcons(TdlgChangeIcon& d)
{
    while (d.IconCount > 0) {
        --d.IconCount;
        d.IconList[(size_t)d.IconCount].release();
    }
    d.IconList.clear();
}

// Lists the icons of name (or of the fall-back icon file) and selects one;
// false when name holds none and no fall-back was asked for, leaving the
// former list and selection.
bool LoadIcons(TdlgChangeIcon& d, const std::string& name, short select, bool useFallback)
{
    std::string file = name;
    short n = IconCountOf(file);
    if (n == 0) {
        if (!useFallback) {
            EditorMessage(d.Handle, MessageError, "File " + name + " does not contain any icons");
            return false;
        }
        std::string fallback;
        if (FindFallbackIconFile(&fallback)) {
            file = fallback;
            n = IconCountOf(file);
        }
    }
    if (n > MaxIcons) {
        const std::string most = std::to_string(MaxIcons);
        EditorMessage(d.Handle, MessageWarning, "File " + file + " contains more than " + most + " icons.\n\rOnly the first " +
                                                    most + " icons will be shown.");
        n = MaxIcons;
    }
    HWND grid = Control(d, IDC_ICONLIST);
    FreeIcons(d);
    FitGridColumns(grid, n);
    d.IconList.resize((size_t)n);
    d.CurrentIconFile = file;
    d.IconCount = n;

    // a stored index beyond the file's icons selects the nearest one there is
    const int selected = select < 0 || n == 0 ? 0 : select >= n ? n - 1 : select;
    const int visible = (int)SendMessageA(grid, GM_GETVISIBLECOLS, 0, 0);
    SendMessageA(grid, GM_SETFIRSTCOL, (WPARAM)CentredFirstColumn(selected, n, visible), 0);
    SendMessageA(grid, GM_SETCURRENT, (WPARAM)selected, 0);
    InvalidateRect(grid, nullptr, TRUE);
    return true;
}

void CheckIconFileName(TdlgChangeIcon& d)
{
    if (d.Checking)
        return;
    d.Checking = true;
    const std::string name = ControlText(d, IDC_ICONFILENAME);
    if (name != d.CurrentIconFile) {
        if (FileExists(name))
            LoadIcons(d, name, 0, false);
        else
            EditorMessage(d.Handle, MessageError, "File " + name + " not found");
    }
    SetGuardedText(Control(d, IDC_ICONFILENAME), d.CurrentIconFile, d.SettingFileName);
    d.OkResult = IDOK;
    d.Checking = false;
}

void btnLoadIconsClick(TdlgChangeIcon& d)
{
    std::string start = d.CurrentIconFile;
    if (start.empty())
        start = ControlText(d, IDC_ICONFILENAME);
    if (start.empty())
        start = d.LastBrowsed;
    const std::string directory = IconDirectoryOf(start);
    std::string name;
    if (!ExecuteOpenDialog(d.Handle, "Select icon file",
                           "Icon files (*.ico)\0*.ico\0Programs (*.exe)\0*.exe\0DLL's (*.dll)\0*.dll\0"
                           "Icon libraries (*.nil)\0*.nil\0All files (*.*)\0*.*\0",
                           start.empty() ? 1 : (DWORD)IconFilterIndex(start),
                           OFN_HIDEREADONLY | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST, &name,
                           directory.empty() ? nullptr : directory.c_str()))
        return;
    d.LastBrowsed = name;
    if (LoadIcons(d, name, 0, false))
        SetGuardedText(Control(d, IDC_ICONFILENAME), d.CurrentIconFile, d.SettingFileName);
}

void IconGridDrawCell(TdlgChangeIcon& d, const GridDrawCell& draw)
{
    const int i = draw.column;
    if (i < 0 || i >= d.IconCount)
        return;
    TIcon& icon = d.IconList[(size_t)i];
    if (icon.empty())
        icon.setHandle(IconOf(d, i));
    if (!icon.empty())
        DrawIconEx(draw.dc, draw.cell.left + ScaleForDpi(2, d.Layout.dpi), draw.cell.top + ScaleForDpi(2, d.Layout.dpi),
                   icon.handle(), 0, 0, 0, nullptr, DI_NORMAL);
}

void CloseDialog(TdlgChangeIcon& d, int result)
{
    d.Closing = true;  // the field loses the focus now: nothing is to be checked any more
    EndDialog(d.Handle, result);
}

// OK: a pending check runs instead of closing; otherwise the chosen icon's
// image moves to the button, so that it outlives the list.
void btnOKClick(TdlgChangeIcon& d)
{
    if (d.OkResult == 0) {
        CheckIconFileName(d);
        return;
    }
    const int i = (int)SendMessageA(Control(d, IDC_ICONLIST), GM_GETCURRENT, 0, 0);
    d.Button->IconFile = d.CurrentIconFile;
    d.Button->IconIndex = i;
    if (i >= 0 && i < d.IconCount) {
        TIcon& icon = d.IconList[(size_t)i];
        if (icon.empty())  // a cell never painted has no image yet
            icon.setHandle(IconOf(d, i));
        d.Button->Icon = std::move(icon);
    } else {
        d.Button->Icon.setHandle(nullptr);  // a file without icons: the button shows the default icon
    }
    CloseDialog(d, IDOK);
}

void OnCommand(TdlgChangeIcon& d, int id, int code)
{
    switch (id) {
    case IDC_ICONFILENAME:
        // every change counts, typed, pasted, cut or deleted, by keys or the field's menu
        if (code == EN_CHANGE && !d.SettingFileName)
            d.OkResult = 0;
        else if (code == EN_KILLFOCUS && !d.Closing)
            CheckIconFileName(d);
        break;
    case IDC_LOADICONS: btnLoadIconsClick(d); break;
    case IDOK: btnOKClick(d); break;
    case IDCANCEL: CloseDialog(d, IDCANCEL); break;
    default: break;
    }
}

void OnDrawItem(const TdlgChangeIcon& d, const DRAWITEMSTRUCT& item)
{
    switch (item.CtlID) {
    case IDOK: DrawGlyphButton(item, d.Glyphs, GlyphCheck); break;
    case IDCANCEL: DrawGlyphButton(item, d.Glyphs, GlyphCross); break;
    default: break;
    }
}

void FormCreate(TdlgChangeIcon& d)
{
    d.Layout = StartLayout(d.Handle, ChangeIconFormControls, ChangeIconFormControlCount, ChangeIconFormWidth,
                           ChangeIconFormHeight);
    d.Glyphs = CreateGlyphFaces(d.Layout.dpi);
    SetWindowTextA(d.Handle, "Change Icon");
    SizeForm(d.Handle, d.Left, d.Top, d.Layout);
    RegisterIconGrid(GetModuleHandleA(nullptr));
    CreateFormControls(d.Handle, d.Layout);
    SendMessageA(Control(d, IDC_ICONLIST), GM_SETDPI, (WPARAM)d.Layout.dpi, 0);
    if (WindowsVersion < 395) {
        const int ids[] = {IDOK, IDCANCEL, IDC_LOADICONS};
        GrowButtonsForOldWindows(d.Handle, ids, 3);
    }
    WatchPushButtons(d.Handle);
    d.IconCount = 0;
    LoadIcons(d, d.Button->IconFile, (short)d.Button->IconIndex, true);
    SetGuardedText(Control(d, IDC_ICONFILENAME), d.CurrentIconFile, d.SettingFileName);
    SetFocus(Control(d, IDC_ICONFILENAME));
}

// The dialog was moved onto a monitor of another scale: the images are extracted again as their cells show.
void OnDpiChanged(TdlgChangeIcon& d, int dpi, const RECT& suggested)
{
    RescaleGridForm(d.Handle, d.Layout, d.Glyphs, Control(d, IDC_ICONLIST), d.IconCount, dpi, suggested);
    for (TIcon& icon : d.IconList)
        icon.release();
}

// Every way of closing ends here: no icon of the list outlives the dialog.
void FormClose(TdlgChangeIcon& d)
{
    FreeIcons(d);
    DeleteFormFonts(d.Layout.fonts);
    DeleteGlyphFaces(d.Glyphs);
}

INT_PTR ChangeIconDialogProc(TdlgChangeIcon& d, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG: FormCreate(d); return FALSE;  // the File name field has the focus
    case WM_COMMAND: OnCommand(d, LOWORD(wParam), HIWORD(wParam)); return TRUE;
    case WM_NOTIFY: {
        const NMHDR& hdr = *reinterpret_cast<const NMHDR*>(lParam);
        if (hdr.idFrom == IDC_ICONLIST && hdr.code == GN_DRAWCELL)
            IconGridDrawCell(d, reinterpret_cast<const GridDrawCell&>(hdr));
        return TRUE;
    }
    case WM_DRAWITEM: OnDrawItem(d, *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)); return TRUE;
    case WM_DPICHANGED: OnDpiChanged(d, HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam)); return TRUE;
    case WM_DESTROY: FormClose(d); return TRUE;
    default: return FALSE;
    }
}

}  // namespace

bool ExecuteChangeIconDialog(HWND owner, TButtonInfo& button, int left, int top)
{
    TdlgChangeIcon d;
    d.Button = &button;
    d.Left = left;
    d.Top = top;
    EmptyDialog dialog = MakeEmptyDialog(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME);
    return DialogBoxIndirectParamA(GetModuleHandleA(nullptr), &dialog.header, owner,
                                   RecordProc<TdlgChangeIcon, ChangeIconDialogProc>, (LPARAM)&d) == IDOK;
}
