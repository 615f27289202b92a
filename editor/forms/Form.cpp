#include "Form.h"

#include <commdlg.h>

#include "Dpi.h"
#include "core/Geometry.h"

FormFonts CreateFormFonts(int dpi)
{
    const int height = ScaleForDpi(-11, dpi);
    FormFonts fonts;
    fonts.normal = CreateFontA(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                               CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, "MS Sans Serif");
    fonts.bold = CreateFontA(height, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                             CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, "MS Sans Serif");
    return fonts;
}

FormLayout StartLayout(HWND form, const ControlRow* rows, size_t count, int width, int height)
{
    const int dpi = DpiOfWindow(form);
    return FormLayout{rows, count, width, height, dpi, CreateFormFonts(dpi)};
}

void DeleteFormFonts(FormFonts& fonts)
{
    DeleteObject(fonts.normal);
    DeleteObject(fonts.bold);
    fonts.normal = fonts.bold = nullptr;
}

// A label's size follows its text, its mnemonic ampersand left out.
static SIZE LabelSize(const char* text, HFONT font)
{
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, font);
    RECT r = {0, 0, 0, 0};
    DrawTextA(dc, text, -1, &r, DT_CALCRECT | DT_SINGLELINE);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    SIZE size = {r.right, r.bottom};
    return size;
}

void CreateFormControls(HWND form, const FormLayout& layout)
{
    HINSTANCE instance = (HINSTANCE)GetWindowLongPtrA(form, GWLP_HINSTANCE);
    for (size_t i = 0; i < layout.count; ++i) {
        const ControlRow& row = layout.rows[i];
        CreateWindowExA(row.exStyle, row.className, row.text, WS_CHILD | WS_VISIBLE | row.style, 0, 0, 0, 0, form,
                        (HMENU)(INT_PTR)row.id, instance, nullptr);
    }
    PlaceFormControls(form, layout);
}

void PlaceFormControls(HWND form, const FormLayout& layout)
{
    HWND control = GetWindow(form, GW_CHILD);
    for (size_t i = 0; i < layout.count && control; ++i, control = GetWindow(control, GW_HWNDNEXT)) {
        const ControlRow& row = layout.rows[i];
        HFONT font = row.font == FontBold ? layout.fonts.bold : layout.fonts.normal;
        int width = ScaleForDpi(row.width, layout.dpi), height = ScaleForDpi(row.height, layout.dpi);
        if (row.width == 0) {
            const SIZE size = LabelSize(row.text, font);  // the font is of the scale already
            width = size.cx;
            height = size.cy;
        }
        SetWindowPos(control, nullptr, ScaleForDpi(row.left, layout.dpi), ScaleForDpi(row.top, layout.dpi), width,
                     height, SWP_NOZORDER | SWP_NOACTIVATE);
        SendMessageA(control, WM_SETFONT, (WPARAM)font, TRUE);
    }
}

void RescaleForm(HWND form, FormLayout& layout, int dpi, const RECT& suggested)
{
    FormFonts former = layout.fonts;  // deleted once no control uses them
    layout.dpi = dpi;
    layout.fonts = CreateFormFonts(dpi);
    PlaceFormControls(form, layout);
    DeleteFormFonts(former);
    SizeForm(form, suggested.left, suggested.top, layout);
}

void SizeForm(HWND form, int left, int top, const FormLayout& layout)
{
    RECT r = {0, 0, ScaleForDpi(layout.width, layout.dpi), ScaleForDpi(layout.height, layout.dpi)};
    AdjustWindowRectForDpi(&r, (DWORD)GetWindowLongPtrA(form, GWL_STYLE), (DWORD)GetWindowLongPtrA(form, GWL_EXSTYLE),
                           layout.dpi);
    SetWindowPos(form, nullptr, left, top, r.right - r.left, r.bottom - r.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

EmptyDialog MakeEmptyDialog(DWORD style, DWORD exStyle)
{
    EmptyDialog d;
    ZeroMemory(&d, sizeof d);
    d.header.style = style;
    d.header.dwExtendedStyle = exStyle;
    return d;
}

// Gives window the procedure proc; every window of a class shares the class's
// procedure, so one saved pointer (former) serves them all.
static void SwapProcedure(HWND window, WNDPROC proc, WNDPROC& former)
{
    const WNDPROC previous = (WNDPROC)SetWindowLongPtrA(window, GWLP_WNDPROC, (LONG_PTR)proc);
    if (previous != proc)
        former = previous;
}

static WNDPROC ButtonProc;

static bool IsPushButton(HWND window)
{
    return (SendMessageA(window, WM_GETDLGCODE, 0, 0) & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON)) != 0;
}

static bool IsOwnerDrawn(HWND button)
{
    return (GetWindowLongPtrA(button, GWL_STYLE) & BS_TYPEMASK) == BS_OWNERDRAW;
}

bool IsDefaultButton(HWND button)
{
    return GetWindowLongPtrA(button, GWLP_USERDATA) != 0;
}

// The focused push button takes the default frame, any other focus gives it back to the form's default id.
static void SettleDefaultButton(HWND form, HWND focus)
{
    HWND target = focus && GetParent(focus) == form && IsPushButton(focus)
                      ? focus
                      : GetDlgItem(form, LOWORD(SendMessageA(form, DM_GETDEFID, 0, 0)));
    for (HWND child = GetWindow(form, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        const LRESULT code = SendMessageA(child, WM_GETDLGCODE, 0, 0);
        const bool isDefault = (code & DLGC_DEFPUSHBUTTON) != 0;
        if ((code & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON)) && isDefault != (child == target))
            SendMessageA(child, BM_SETSTYLE, child == target ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
    }
}

static LRESULT CALLBACK PushButtonProc(HWND button, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_GETDLGCODE:
        // an owner-drawn button answers as the push button it is drawn as
        if (IsOwnerDrawn(button))
            return DLGC_BUTTON | (IsDefaultButton(button) ? DLGC_DEFPUSHBUTTON : DLGC_UNDEFPUSHBUTTON);
        break;
    case BM_SETSTYLE:
        // the button class would make an owner-drawn button a plain one: it only notes its default state
        if (IsOwnerDrawn(button)) {
            SetWindowLongPtrA(button, GWLP_USERDATA, (wParam & BS_TYPEMASK) == BS_DEFPUSHBUTTON);
            if (lParam)
                InvalidateRect(button, nullptr, FALSE);
            return 0;
        }
        break;
    case WM_SETFOCUS: SettleDefaultButton(GetParent(button), button); break;
    case WM_KILLFOCUS: SettleDefaultButton(GetParent(button), (HWND)wParam); break;
    default: break;
    }
    return CallWindowProcA(ButtonProc, button, message, wParam, lParam);
}

void WatchPushButtons(HWND form)
{
    for (HWND child = GetWindow(form, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        char name[16] = "";
        GetClassNameA(child, name, sizeof name);
        const LONG_PTR kind = GetWindowLongPtrA(child, GWL_STYLE) & BS_TYPEMASK;
        const bool push = kind == BS_PUSHBUTTON || kind == BS_DEFPUSHBUTTON || kind == BS_OWNERDRAW;
        if (lstrcmpiA(name, "Button") != 0 || !push)
            continue;
        SwapProcedure(child, PushButtonProc, ButtonProc);
    }
    SendMessageA(form, DM_SETDEFID, IDOK, 0);
    SettleDefaultButton(form, GetFocus());
}

static WNDPROC StaticProc;

static LRESULT CALLBACK MutedLabelProc(HWND label, UINT message, WPARAM wParam, LPARAM lParam)
{
    // the dialog manager looks for mnemonics only among the controls that answer as labels or buttons
    if (message == WM_GETDLGCODE)
        return 0;
    return CallWindowProcA(StaticProc, label, message, wParam, lParam);
}

void MuteMnemonic(HWND label)
{
    SwapProcedure(label, MutedLabelProc, StaticProc);
}

void GrowButtonsForOldWindows(HWND form, const int* ids, size_t count)
{
    for (size_t i = 0; i < count; ++i) {
        HWND button = GetDlgItem(form, ids[i]);
        RECT r;
        GetWindowRect(button, &r);
        MapWindowPoints(nullptr, form, reinterpret_cast<POINT*>(&r), 2);
        SetWindowPos(button, nullptr, r.left, r.top - 2, r.right - r.left, r.bottom - r.top + 4, SWP_NOZORDER);
    }
}

std::string WindowText(HWND window)
{
    std::string text((size_t)GetWindowTextLengthA(window) + 1, '\0');
    text.resize((size_t)GetWindowTextA(window, &text[0], (int)text.size()));
    return text;
}

void SetGuardedText(HWND field, const std::string& text, bool& guard)
{
    guard = true;
    SetWindowTextA(field, text.c_str());
    guard = false;
}

bool ExecuteOpenDialog(HWND owner, const char* title, const char* filter, DWORD filterIndex, DWORD flags,
                       std::string* name, const char* initialDirectory)
{
    char chosen[MAX_PATH] = "";
    OPENFILENAMEA open;
    ZeroMemory(&open, sizeof open);
    open.lStructSize = sizeof open;
    open.hwndOwner = owner;
    open.lpstrFilter = filter;
    open.nFilterIndex = filterIndex;
    open.lpstrInitialDir = initialDirectory;
    open.lpstrFile = chosen;
    open.nMaxFile = sizeof chosen;
    open.lpstrTitle = title;
    open.Flags = flags;
    if (!GetOpenFileNameA(&open))
        return false;
    *name = chosen;
    return true;
}
