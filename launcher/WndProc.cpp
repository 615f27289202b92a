// The bar's window procedure: button windows with their two pre-painted
// faces, the separator lines, the system menu and the per-button popup
// menu, deleting a button, help and the About box.
#include "QUENVOLT.h"

#include <commctrl.h>

#include "HelpPage.h"

HPEN SeparatorPen;
HMENU PopupMenu;
HWND ToolTipWindow;
int PopupSlot;
bool HelpOpen;
// Two memory contexts that live as long as the bar's faces: making them anew
// for every face and every paint costs some display drivers more than the painting.
static HDC FaceDc[2];

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

void PaintButtonFaces(HWND bar, int slot)
{
    LauncherButton* b = ButtonTable[slot];
    const int w = CellWidth();
    const int h = CellHeight();
    HBRUSH face = GetSysColorBrush(COLOR_BTNFACE);
    HBRUSH highlight = GetSysColorBrush(COLOR_BTNHIGHLIGHT);
    HBRUSH shadow = GetSysColorBrush(COLOR_BTNSHADOW);
    if (FaceDc[0] == nullptr) {
        HDC barDc = GetDC(bar);
        FaceDc[0] = CreateCompatibleDC(barDc);
        FaceDc[1] = CreateCompatibleDC(barDc);
        ReleaseDC(bar, barDc);
    }
    HDC up = FaceDc[0];
    HDC down = FaceDc[1];

    HGDIOBJ previousUp = SelectObject(up, b->UpFace);
    Fill(up, face, 2, 2, w - 2, h - 2);
    Fill(up, highlight, 0, 0, 2, h - 1);
    Fill(up, highlight, 2, 0, w - 1, 2);
    Fill(up, shadow, 0, h - 1, w, h);
    Fill(up, shadow, 1, h - 2, w, h);
    Fill(up, shadow, w - 1, 0, w, h - 1);
    Fill(up, shadow, w - 2, 1, w, h - 1);
    SetMapMode(up, MM_TEXT);
    DrawIcon(up, 3, 3, b->Icon);

    // The pressed face is the raised one's inside moved by a pixel, the icon with it.
    HGDIOBJ previousDown = SelectObject(down, b->DownFace);
    Fill(down, face, 1, 1, w, h);
    Fill(down, shadow, 0, 0, 1, h);
    Fill(down, shadow, 1, 0, w, 1);
    BitBlt(down, 3, 3, w - 4, h - 4, up, 2, 2, SRCCOPY);

    SelectObject(up, previousUp);
    SelectObject(down, previousDown);
}

// One tooltip control for all buttons; each button is a tool of it. It has
// no owner: an owned topmost tooltip keeps Wine from making the bar topmost.
// It comes when the pointer first reaches the bar: loading comctl32 at the
// start would delay the bar and cost memory a bar left alone never uses.
void AttachToolTips()
{
    typedef BOOL(WINAPI * InitProc)(const INITCOMMONCONTROLSEX*);
    HMODULE controls = LoadLibraryA("comctl32.dll");
    InitProc init = controls != nullptr ? (InitProc)(void*)GetProcAddress(controls, "InitCommonControlsEx") : nullptr;
    INITCOMMONCONTROLSEX classes = {sizeof classes, ICC_BAR_CLASSES};
    if (init == nullptr || !init(&classes))
        return;
    ToolTipWindow = CreateWindowExA(0, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT,
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
    SendMessageA(ToolTipWindow, TTM_DELTOOLA, 0, (LPARAM)&tool);
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
    SendMessageA(ToolTipWindow, TTM_ADDTOOLA, 0, (LPARAM)&tool);
}

// The first face is made compatible with the bar, the others in its format:
// asking the display for its format costs some drivers as much as painting a face.
static HBITMAP CreateFace(HWND bar)
{
    static BITMAP format;
    if (format.bmBitsPixel != 0)
        return CreateBitmapIndirect(&format);
    HDC dc = GetDC(bar);
    HBITMAP face = CreateCompatibleBitmap(dc, CellWidth(), CellHeight());
    ReleaseDC(bar, dc);
    if (face != nullptr && GetObjectA(face, sizeof format, &format) == sizeof format)
        format.bmBits = nullptr;
    return face;
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
    NameButtonWindow(slot);
}

void PrepareBar(HWND bar)
{
    for (int slot = 0; slot < ButtonCount; ++slot)
        CreateButtonWindow(bar, slot);
    SeparatorPen = CreatePen(PS_SOLID, 1, RGB(0, 0, 0));

    HMENU menu = GetSystemMenu(bar, FALSE);
    EnableMenuItem(menu, SC_RESTORE, MF_BYCOMMAND | MF_GRAYED);
    EnableMenuItem(menu, SC_MINIMIZE, MF_BYCOMMAND | MF_GRAYED);
    EnableMenuItem(menu, SC_MAXIMIZE, MF_BYCOMMAND | MF_GRAYED);
    AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(menu, MF_STRING | (BarState.AlwaysOnTop ? MF_CHECKED : MF_UNCHECKED), IDM_ALWAYSONTOP, "Always on &top");
    AppendMenuA(menu, MF_STRING, IDM_CONFIGURE, "Con&figure ...");
    AppendMenuA(menu, MF_STRING, IDM_SAVESETTINGS, "Sa&ve settings now");
    AppendMenuA(menu, MF_STRING, IDM_HELP, "&Help");
    AppendMenuA(menu, MF_STRING, IDM_ABOUT, "&About Quenvolet");
}

void DrawButton(const DRAWITEMSTRUCT* drawItem)
{
    if (!IsButtonId((int)drawItem->CtlID) || !(drawItem->itemAction & (ODA_DRAWENTIRE | ODA_SELECT)))
        return;
    const LauncherButton* b = ButtonTable[drawItem->CtlID - FIRST_BUTTON_ID];
    if (b == nullptr || FaceDc[0] == nullptr)
        return;
    HBITMAP face = (drawItem->itemState & ODS_SELECTED) ? b->DownFace : b->UpFace;
    HGDIOBJ previous = SelectObject(FaceDc[0], face);
    BitBlt(drawItem->hDC, drawItem->rcItem.left, drawItem->rcItem.top, CellWidth(), CellHeight(), FaceDc[0], 0, 0,
           SRCCOPY);
    SelectObject(FaceDc[0], previous);
}

void ShowButtonMenu(int slot)
{
    if (slot < 0 || slot >= ButtonCount || PopupMenu != nullptr)
        return;
    PopupMenu = CreatePopupMenu();
    if (PopupMenu == nullptr)
        return;
    char text[RunMenuTextSize];
    BuildRunMenuText(ButtonTable[slot]->ProgramPath, text, sizeof text);
    AppendMenuA(PopupMenu, MF_STRING, IDM_RUN, text);
    AppendMenuA(PopupMenu, MF_STRING, IDM_DELETE, "&Delete");
    AppendMenuA(PopupMenu, MF_STRING, IDM_PROPERTIES, "&Properties");
    POINT cursor;
    GetCursorPos(&cursor);
    TrackPopupMenu(PopupMenu, 0, cursor.x, cursor.y, 0, BarState.BarWindow, nullptr);
    PopupSlot = slot;
    // The menu is closed once TrackPopupMenu returns, whether it failed or
    // the closing WM_MENUSELECT never came; a lingering one would block the next.
    if (PopupMenu != nullptr) {
        DestroyMenu(PopupMenu);
        PopupMenu = nullptr;
    }
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

void ShowHelp(UINT command, bool quiet)
{
    // WinHelp is gone from today's Windows: it is asked only when its file
    // lies beside the program, and told to quit only when it was opened.
    char found[PathSize];
    if ((command != HELP_QUIT && FileBesideProgram(HelpFileName, found, sizeof found)) ||
        (command == HELP_QUIT && HelpOpen)) {
        WinHelpA(BarState.BarWindow, HelpFileName, command, 0);
        HelpOpen = command != HELP_QUIT;
        return;
    }
    if (command == HELP_QUIT)
        return;
    HelpPageResult opened = OpenHelpPage(BarState.BarWindow);
    if (quiet || opened == HelpPageOpened)
        return;
    BarMessage(HelpPageProblem(opened), DefaultTitle, MB_OK | MB_ICONWARNING);
}

INT_PTR CALLBACK About(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    switch (message) {
    case WM_INITDIALOG:
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
            EndDialog(dialog, 1);
            return TRUE;
        }
        break;
    }
    return FALSE;
}

static void PaintSeparators(HWND bar)
{
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(bar, &ps);
    HGDIOBJ previous = SelectObject(dc, SeparatorPen);
    for (int i = 1; i < ButtonCount; ++i) {
        int x = SeparatorX(i, CellWidth());
        MoveToEx(dc, x, 0, nullptr);
        LineTo(dc, x, CellHeight());
    }
    SelectObject(dc, previous);
    EndPaint(bar, &ps);
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
    DeleteObject(SeparatorPen);
    SeparatorPen = nullptr;
    for (HDC& dc : FaceDc) {
        DeleteDC(dc);
        dc = nullptr;
    }
}

static void CloseBar(HWND bar)
{
    SaveSettings(true);
    ReleaseBarResources();
    ShowHelp(HELP_QUIT);
    DestroyWindow(bar);
}

static void OnCommand(WPARAM wParam)
{
    const int id = LOWORD(wParam);
    const int code = HIWORD(wParam);
    if (IsButtonId(id)) {
        if (ButtonTable[id - FIRST_BUTTON_ID] != nullptr && code != BN_DOUBLECLICKED)
            RunButton(id - FIRST_BUTTON_ID, nullptr, nullptr);
        return;
    }
    switch (id) {
    case IDM_RUN:
        RunButton(PopupSlot, nullptr, nullptr);
        break;
    case IDM_DELETE:
        if (BarMessage("Delete button?", DefaultTitle, MB_OKCANCEL | MB_ICONQUESTION) == IDOK)
            DeleteButton(PopupSlot);
        break;
    case IDM_PROPERTIES:
        StartEditor(PopupSlot);
        break;
    }
}

LRESULT CALLBACK MainWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
        PrepareBar(window);
        if (ButtonCount == 0)
            ShowHelp(HELP_CONTENTS, true);  // a hint only: no box when there is no help
        return 0;
    case WM_DESTROY:
        FreeDeferredDrops();
        DestroyWindow(ToolTipWindow);
        ToolTipWindow = nullptr;
        PostQuitMessage(0);
        return 0;
    case WM_MOVE:
        if (!BarState.InSnapMove && BarState.BarWindow != nullptr)
            SnapToCorner();
        return 0;
    case WM_PAINT:
        PaintSeparators(window);
        return 0;
    case WM_CLOSE:
        CloseBar(window);
        return 0;
    case WM_SYSCOLORCHANGE:
        for (int slot = 0; slot < ButtonCount; ++slot) {
            PaintButtonFaces(window, slot);
            InvalidateRect(ButtonTable[slot]->ButtonWindow, nullptr, FALSE);
        }
        return 0;
    case WM_ENDSESSION:
        // Windows is ending: no box can be answered now.
        if (wParam)
            SaveSettings(false);
        return 0;
    case WM_SETCURSOR:
        if (ToolTipWindow == nullptr)
            AttachToolTips();
        if (LOWORD(lParam) == HTCLIENT && HIWORD(lParam) == WM_RBUTTONUP)
            ShowButtonMenu(FindButtonSlot((HWND)wParam));
        break;
    case WM_DRAWITEM:
        DrawButton((const DRAWITEMSTRUCT*)lParam);
        return 0;
    case WM_HELP:
        ShowHelp(HELP_CONTENTS);
        return 0;
    case WM_COMMAND:
        OnCommand(wParam);
        return 0;
    case WM_SYSCOMMAND:
        switch (wParam) {
        case IDM_ALWAYSONTOP:
            ToggleAlwaysOnTop();
            return 0;
        case IDM_CONFIGURE:
            StartEditor(-1);
            return 0;
        case IDM_SAVESETTINGS:
            SaveSettings(true);
            return 0;
        case IDM_HELP:
            ShowHelp(HELP_CONTENTS);
            return 0;
        case IDM_ABOUT:
            ++BarState.OpenBoxes;
            DialogBoxParamA(BarState.Instance, ABOUT_BOX_NAME, window, About, 0);
            --BarState.OpenBoxes;
            ResumeDeferredDrops();
            return 0;
        }
        break;
    case WM_MENUSELECT:
        if (HIWORD(wParam) == 0xFFFF && lParam == 0 && PopupMenu != nullptr) {
            DestroyMenu(PopupMenu);
            PopupMenu = nullptr;
        }
        return 0;
    case WM_DROPFILES:
        if (!DeferDrop((HDROP)wParam)) {
            HandleDrop((HDROP)wParam);
            DragFinish((HDROP)wParam);
        }
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}
