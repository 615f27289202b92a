#include "Form.h"

FormFonts CreateFormFonts()
{
    FormFonts fonts;
    fonts.normal = CreateFontA(-11, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                               CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, "MS Sans Serif");
    fonts.bold = CreateFontA(-11, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                             CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, "MS Sans Serif");
    return fonts;
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

void CreateFormControls(HWND form, const ControlRow* rows, size_t count, const FormFonts& fonts)
{
    HINSTANCE instance = (HINSTANCE)GetWindowLongPtrA(form, GWLP_HINSTANCE);
    for (size_t i = 0; i < count; ++i) {
        const ControlRow& row = rows[i];
        HFONT font = row.font == FontBold ? fonts.bold : fonts.normal;
        int width = row.width, height = row.height;
        if (width == 0) {
            const SIZE size = LabelSize(row.text, font);
            width = size.cx;
            height = size.cy;
        }
        HWND control = CreateWindowExA(row.exStyle, row.className, row.text, WS_CHILD | WS_VISIBLE | row.style,
                                       row.left, row.top, width, height, form,
                                       (HMENU)(INT_PTR)row.id, instance, nullptr);
        SendMessageA(control, WM_SETFONT, (WPARAM)font, FALSE);
    }
}

void SizeForm(HWND form, int left, int top, int width, int height)
{
    RECT r = {0, 0, width, height};
    AdjustWindowRectEx(&r, (DWORD)GetWindowLongPtrA(form, GWL_STYLE), FALSE,
                       (DWORD)GetWindowLongPtrA(form, GWL_EXSTYLE));
    SetWindowPos(form, nullptr, left, top, r.right - r.left, r.bottom - r.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

EmptyDialog MakeEmptyDialog(DWORD style)
{
    EmptyDialog d;
    ZeroMemory(&d, sizeof d);
    d.header.style = style;
    return d;
}

static WNDPROC EditProc;

static LRESULT CALLBACK TypingProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_CHAR)
        SendMessageA(GetParent(edit), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(edit), EN_TYPED), (LPARAM)edit);
    return CallWindowProcA(EditProc, edit, message, wParam, lParam);
}

void WatchTyping(HWND edit)
{
    // every edit field shares its class's procedure, so one saved pointer serves them all
    WNDPROC former = (WNDPROC)SetWindowLongPtrA(edit, GWLP_WNDPROC, (LONG_PTR)TypingProc);
    if (former != TypingProc)
        EditProc = former;
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
