// The button windows: each shows one of two faces painted beforehand, has a
// tooltip, and goes with its faces when deleted or when the bar closes.
#include "ButtonWindows.h"

#include <commctrl.h>

#include "Accessible.h"
#include "Bar.h"
#include "Buttons.h"

static int CellWidth()
{
    return BarState.CellWidth;
}

static int CellHeight()
{
    return BarState.CellHeight;
}

static void Fill(HDC dc, HBRUSH brush, int left, int top, int right, int bottom)
{
    RECT r = {left, top, right, bottom};
    FillRect(dc, &r, brush);
}

// The width of a face's raised edges, which the focus cue sits inside.
static int FaceEdge()
{
    return ScaleForDpi(2, BarState.Dpi);
}

void PaintButtonFaces(HWND bar, int slot)
{
    LauncherButton* b = ButtonTable[slot];
    const int w = CellWidth();
    const int h = CellHeight();
    const int edge = FaceEdge();
    const int shift = ScaleForDpi(1, BarState.Dpi);
    HBRUSH face = GetSysColorBrush(COLOR_BTNFACE);
    HBRUSH highlight = GetSysColorBrush(COLOR_BTNHIGHLIGHT);
    HBRUSH shadow = GetSysColorBrush(COLOR_BTNSHADOW);
    if (BarState.FaceDc[0] == nullptr) {
        HDC barDc = GetDC(bar);
        BarState.FaceDc[0] = CreateCompatibleDC(barDc);
        BarState.FaceDc[1] = CreateCompatibleDC(barDc);
        ReleaseDC(bar, barDc);
    }
    HDC up = BarState.FaceDc[0];
    HDC down = BarState.FaceDc[1];

    HGDIOBJ previousUp = SelectObject(up, b->UpFace);
    Fill(up, face, edge, edge, w - edge, h - edge);
    Fill(up, highlight, 0, 0, edge, h - 1);
    Fill(up, highlight, edge, 0, w - 1, edge);
    // The shadow steps in by a pixel a line, winning the corners where it meets the highlight.
    for (int i = 0; i < edge; ++i) {
        Fill(up, shadow, i, h - 1 - i, w, h);
        Fill(up, shadow, w - 1 - i, i, w, h - 1);
    }
    SetMapMode(up, MM_TEXT);
    const int size = BarState.IconSize;
    DrawIconEx(up, (w - size) / 2, (h - size) / 2, b->Icon, size, size, 0, nullptr, DI_NORMAL);

    // The pressed face is the raised one's inside moved by a pixel, the icon with it.
    HGDIOBJ previousDown = SelectObject(down, b->DownFace);
    Fill(down, face, shift, shift, w, h);
    Fill(down, shadow, 0, 0, shift, h);
    Fill(down, shadow, shift, 0, w, shift);
    BitBlt(down, edge + shift, edge + shift, w - 2 * edge, h - 2 * edge, up, edge, edge, SRCCOPY);

    SelectObject(up, previousUp);
    SelectObject(down, previousDown);
}

bool LoadCommonControls(DWORD classes)
{
    typedef BOOL(WINAPI * InitProc)(const INITCOMMONCONTROLSEX*);
    HMODULE controls = LoadLibraryA("comctl32.dll");
    InitProc init = controls != nullptr ? (InitProc)(void*)GetProcAddress(controls, "InitCommonControlsEx") : nullptr;
    INITCOMMONCONTROLSEX wanted = {sizeof wanted, classes};
    return init != nullptr && init(&wanted);
}

// One tooltip control for all buttons; each button is a tool of it. It has
// no owner: an owned topmost tooltip keeps Wine from making the bar topmost.
// It comes when the pointer first reaches the bar: loading comctl32 at the
// start would delay the bar and cost memory a bar left alone never uses.
void AttachToolTips()
{
    if (!LoadCommonControls(ICC_BAR_CLASSES))
        return;
    BarState.ToolTipWindow = CreateWindowExA(0, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT,
                                    CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, BarState.Instance,
                                    nullptr);
    for (int slot = 0; slot < ButtonCount; ++slot)
        NameButtonWindow(slot);
}

static void RemoveTool(HWND button)
{
    TOOLINFOA tool;
    ZeroMemory(&tool, sizeof tool);
    tool.cbSize = TTTOOLINFOA_V1_SIZE;
    tool.hwnd = GetParent(button);
    tool.uId = (UINT_PTR)button;
    SendMessageA(BarState.ToolTipWindow, TTM_DELTOOLA, 0, (LPARAM)&tool);
}

void NameButtonWindow(int slot)
{
    const LauncherButton* b = ButtonTable[slot];
    char name[2 * PathSize];
    BuildButtonName(b->ProgramPath, b->Parameters, b->Document, name, sizeof name);
    SetWindowTextA(b->ButtonWindow, name);
    RemoveTool(b->ButtonWindow);
    TOOLINFOA tool;
    ZeroMemory(&tool, sizeof tool);
    tool.cbSize = TTTOOLINFOA_V1_SIZE;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = GetParent(b->ButtonWindow);
    tool.uId = (UINT_PTR)b->ButtonWindow;
    tool.lpszText = name;
    SendMessageA(BarState.ToolTipWindow, TTM_ADDTOOLA, 0, (LPARAM)&tool);
}

// The first face is made compatible with the bar, the others in its format:
// asking the display for its format costs some drivers as much as painting a face.
static HBITMAP CreateFace(HWND bar)
{
    if (BarState.FaceFormat.bmBitsPixel != 0)
        return CreateBitmapIndirect(&BarState.FaceFormat);
    HDC dc = GetDC(bar);
    HBITMAP face = CreateCompatibleBitmap(dc, CellWidth(), CellHeight());
    ReleaseDC(bar, dc);
    BITMAP& format = BarState.FaceFormat;
    if (face != nullptr && GetObjectA(face, sizeof format, &format) == sizeof format)
        format.bmBits = nullptr;
    return face;
}

// The system's procedure of all button windows, which the bar's own passes everything on to.
static WNDPROC SystemButtonProc;

// A button hands its keys to the bar, which knows what they do among the buttons.
static LRESULT CALLBACK BarButtonProc(HWND button, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        if (SendMessageA(GetParent(button), WM_BUTTONKEY, wParam, (LPARAM)button) != 0)
            return 0;
        break;
    case WM_GETOBJECT:
        if (LRESULT answer = AnswerAccessible(button, wParam, lParam))
            return answer;
        break;
    case WM_SETFOCUS:
        // The system tells screen readers of the focus itself (EVENT_OBJECT_FOCUS from this window); a second would be read twice.
        BarState.FocusSlot = GetDlgCtrlID(button) - FIRST_BUTTON_ID;
        break;
    }
    return CallWindowProcA(SystemButtonProc, button, message, wParam, lParam);
}

void CreateButtonWindow(HWND bar, int slot)
{
    LauncherButton* b = ButtonTable[slot];
    b->UpFace = CreateFace(bar);
    b->DownFace = CreateFace(bar);
    PaintButtonFaces(bar, slot);
    b->ButtonWindow = CreateWindowExA(0, "BUTTON", nullptr, WS_CHILD | WS_VISIBLE | BS_OWNERDRAW,
                                      CellLeft(slot, CellWidth()), 0, CellWidth(), CellHeight(), bar,
                                      (HMENU)(INT_PTR)(FIRST_BUTTON_ID + slot), BarState.Instance, nullptr);
    WNDPROC system = (WNDPROC)SetWindowLongPtrA(b->ButtonWindow, GWLP_WNDPROC, (LONG_PTR)BarButtonProc);
    if (system != nullptr && system != BarButtonProc)
        SystemButtonProc = system;
    NameButtonWindow(slot);
}

static void ReleaseFaces(LauncherButton* button)
{
    if (button->UpFace != nullptr)
        DeleteObject(button->UpFace);
    if (button->DownFace != nullptr)
        DeleteObject(button->DownFace);
    button->UpFace = button->DownFace = nullptr;
}

void RescaleButtons(HWND bar, int dpi)
{
    SetBarScale(dpi);
    BarState.FaceFormat.bmBitsPixel = 0;  // the faces of the new size are made afresh
    for (int slot = 0; slot < ButtonCount; ++slot) {
        LauncherButton* b = ButtonTable[slot];
        ReloadButtonIcon(slot);
        ReleaseFaces(b);
        b->UpFace = CreateFace(bar);
        b->DownFace = CreateFace(bar);
        PaintButtonFaces(bar, slot);
        MoveWindow(b->ButtonWindow, CellLeft(slot, CellWidth()), 0, CellWidth(), CellHeight(), TRUE);
    }
}

// The focus is shown only once the keyboard was used on the bar, so that a bar used with the mouse looks as ever.
static bool FocusCueHidden()
{
    return !BarState.FocusCueShown;
}

// A dotted frame in the ring between the face's edges and its icon.
static void DrawFocusCue(HDC dc, int left, int top)
{
    const int edge = FaceEdge();
    const RECT ring = {left + edge, top + edge, left + CellWidth() - edge, top + CellHeight() - edge};
    DrawFocusRect(dc, &ring);
}

void DrawButton(const DRAWITEMSTRUCT* drawItem)
{
    if (!IsButtonId((int)drawItem->CtlID) || !(drawItem->itemAction & (ODA_DRAWENTIRE | ODA_SELECT | ODA_FOCUS)))
        return;
    const LauncherButton* b = ButtonTable[drawItem->CtlID - FIRST_BUTTON_ID];
    if (b == nullptr || BarState.FaceDc[0] == nullptr)
        return;
    HBITMAP face = (drawItem->itemState & ODS_SELECTED) ? b->DownFace : b->UpFace;
    HGDIOBJ previous = SelectObject(BarState.FaceDc[0], face);
    BitBlt(drawItem->hDC, drawItem->rcItem.left, drawItem->rcItem.top, CellWidth(), CellHeight(), BarState.FaceDc[0], 0, 0,
           SRCCOPY);
    SelectObject(BarState.FaceDc[0], previous);
    if ((drawItem->itemState & ODS_FOCUS) && !(drawItem->itemState & ODS_NOFOCUSRECT) && !FocusCueHidden())
        DrawFocusCue(drawItem->hDC, drawItem->rcItem.left, drawItem->rcItem.top);
}

void PaintContent(HDC dc, const RECT& area)
{
    // The faces are painted as the button windows show them, so that a copy of the bar looks like the bar.
    for (int slot = 0; slot < ButtonCount && BarState.FaceDc[0] != nullptr; ++slot) {
        const LauncherButton* b = ButtonTable[slot];
        const int left = CellLeft(slot, CellWidth());
        if (b == nullptr || left >= area.right || left + CellWidth() <= area.left)
            continue;
        const bool pushed = (SendMessageA(b->ButtonWindow, BM_GETSTATE, 0, 0) & BST_PUSHED) != 0;
        HGDIOBJ previousFace = SelectObject(BarState.FaceDc[0], pushed ? b->DownFace : b->UpFace);
        BitBlt(dc, left, 0, CellWidth(), CellHeight(), BarState.FaceDc[0], 0, 0, SRCCOPY);
        SelectObject(BarState.FaceDc[0], previousFace);
        if (GetFocus() == b->ButtonWindow && !FocusCueHidden())
            DrawFocusCue(dc, left, 0);
    }
    HGDIOBJ previous = SelectObject(dc, BarState.SeparatorPen);
    for (int i = 1; i < ButtonCount; ++i) {
        int x = SeparatorX(i, CellWidth());
        MoveToEx(dc, x, 0, nullptr);
        LineTo(dc, x, CellHeight());
    }
    SelectObject(dc, previous);
}

void DeleteButton(int slot)
{
    if (slot < 0 || slot >= ButtonCount || ButtonTable[slot] == nullptr)
        return;
    LauncherButton* gone = ButtonTable[slot];
    HWND window = gone->ButtonWindow;
    --ButtonCount;
    RemoveTool(ButtonTable[ButtonCount]->ButtonWindow);
    DestroyWindow(ButtonTable[ButtonCount]->ButtonWindow);
    ReleaseButton(gone);

    // Records move down one slot; the windows keep their places and ids.
    for (int i = slot; i < ButtonCount; ++i) {
        LauncherButton* moved = ButtonTable[i + 1];
        HWND next = moved->ButtonWindow;
        moved->ButtonWindow = window;
        ButtonTable[i] = moved;
        window = next;
        NameButtonWindow(i);
        InvalidateRect(moved->ButtonWindow, nullptr, FALSE);
    }
    ButtonTable[ButtonCount] = nullptr;
    FitBar();
    BarState.UnsavedChanges = true;
}

void ReloadButtons(HWND bar)
{
    for (int slot = 0; slot < ButtonCount; ++slot) {
        RemoveTool(ButtonTable[slot]->ButtonWindow);
        DestroyWindow(ButtonTable[slot]->ButtonWindow);
        ReleaseButton(ButtonTable[slot]);
        ButtonTable[slot] = nullptr;
    }
    ButtonCount = 0;
    LoadButtons();
    for (int slot = 0; slot < ButtonCount; ++slot)
        CreateButtonWindow(bar, slot);
    BarState.UnsavedChanges = false;
}

void ReleaseButton(LauncherButton* button)
{
    DestroyIcon(button->Icon);
    ReleaseFaces(button);
    FreeButton(button);
}

void ReleaseBarResources()
{
    for (int slot = 0; slot < ButtonCount; ++slot) {
        if (ButtonTable[slot] != nullptr) {
            ReleaseButton(ButtonTable[slot]);
            ButtonTable[slot] = nullptr;
        }
    }
    ButtonCount = 0;
    DeleteObject(BarState.SeparatorPen);
    BarState.SeparatorPen = nullptr;
    for (HDC& dc : BarState.FaceDc) {
        DeleteDC(dc);
        dc = nullptr;
    }
}
