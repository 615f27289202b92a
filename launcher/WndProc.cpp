// The bar's window procedure: it hands each message to a function named for
// it, and those hand the work to the unit whose job it is.
#include "WndProc.h"

#include "AutoHide.h"
#include "Bar.h"
#include "BarOnFile.h"
#include "ButtonWindows.h"
#include "Buttons.h"
#include "Drop.h"
#include "Handover.h"
#include "Help.h"
#include "Hotkey.h"
#include "Keyboard.h"
#include "Launch.h"
#include "Menus.h"
#include "Messages.h"
#include "Profile.h"
#include "Reload.h"

static void OnCreate(HWND window)
{
    PrepareBar(window);
    StartAutoHide(window);
    if (ButtonCount == 0)
        ShowHelp(HELP_CONTENTS, true);  // a hint only: no box when there is no help
}

static void OnDestroy()
{
    FreeDeferredDrops();
    DestroyWindow(BarState.ToolTipWindow);
    BarState.ToolTipWindow = nullptr;
    PostQuitMessage(0);
}

static void OnMove()
{
    if (!BarState.InSnapMove && BarState.BarWindow != nullptr)
        SnapToCorner();
}

// The work area, the monitors or the taskbar changed: the bar may now stand off them, or beneath.
static void OnDeskChange()
{
    if (BarState.BarWindow != nullptr)
        KeepOnDesk(true);
}

static void OnSettingChange(WPARAM setting)
{
    if (setting == SPI_SETWORKAREA)
        OnDeskChange();
}

// The bar was moved onto a monitor of another scale, or the scale changed.
static void OnDpiChanged(WPARAM dpis, const RECT* suggested)
{
    RescaleButtons(BarState.BarWindow, HIWORD(dpis));
    TakeSuggestedPlace(*suggested);
}

// The editor on this bar's file asks it to save its buttons before it reads them, and to take its save.
static LRESULT OnPathRequest(WPARAM request)
{
    if (request == BarWriteButtons && BarState.UnsavedChanges && !FlushButtons())
        ReportSaveFailure();
    else if (request == BarReload)
        ReloadSettings();
    return BarHere;
}

static void OnPaint(HWND window)
{
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(window, &ps);
    PaintContent(dc, ps.rcPaint);
    EndPaint(window, &ps);
}

static void OnPrintClient(HWND window, HDC dc)
{
    RECT client;
    GetClientRect(window, &client);
    PaintContent(dc, client);
}

static void OnClose(HWND bar)
{
    SaveSettings(true);
    ReleaseBarResources();
    ShowHelp(HELP_QUIT);
    DestroyWindow(bar);
}

static void OnSysColorChange(HWND window)
{
    for (int slot = 0; slot < ButtonCount; ++slot) {
        PaintButtonFaces(window, slot);
        InvalidateRect(ButtonTable[slot]->ButtonWindow, nullptr, FALSE);
    }
}

static void OnEndSession(WPARAM ending)
{
    // Windows is ending: no box can be answered now.
    if (ending)
        SaveSettings(false);
}

static void OnSetCursor(WPARAM wParam, LPARAM lParam)
{
    if (BarState.ToolTipWindow == nullptr)
        AttachToolTips();
    if (LOWORD(lParam) == HTCLIENT && HIWORD(lParam) == WM_RBUTTONUP)
        ShowButtonMenu(FindButtonSlot((HWND)wParam));
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
        RunButton(BarState.PopupSlot, nullptr, nullptr);
        break;
    case IDM_DELETE:
        ConfirmDelete(BarState.PopupSlot);
        break;
    case IDM_PROPERTIES:
        StartEditor(BarState.PopupSlot);
        break;
    }
}

// True for the commands the bar added to its system menu; the system handles the others.
static bool OnSysCommand(HWND window, WPARAM command)
{
    switch (command) {
    case IDM_ALWAYSONTOP:
        ToggleAlwaysOnTop();
        return true;
    case IDM_AUTOHIDE:
        ToggleAutoHide();
        return true;
    case IDM_HOTKEY:
        ChooseHotkey(window);
        return true;
    case IDM_CONFIGURE:
        StartEditor(-1);
        return true;
    case IDM_SAVESETTINGS:
        SaveSettings(true);
        return true;
    case IDM_HELP:
        ShowHelp(HELP_CONTENTS);
        return true;
    case IDM_ABOUT:
        ++BarState.OpenBoxes;
        DialogBoxParamA(BarState.Instance, ABOUT_BOX_NAME, window, About, 0);
        --BarState.OpenBoxes;
        ResumeDeferredDrops();
        return true;
    }
    return false;
}

static void OnMenuSelect(WPARAM wParam, LPARAM lParam)
{
    if (HIWORD(wParam) == 0xFFFF && lParam == 0 && BarState.PopupMenu != nullptr) {
        DestroyMenu(BarState.PopupMenu);
        BarState.PopupMenu = nullptr;
    }
}

// Any menu: the system menu may come as the menu that holds it, whose handle is not the one to change.
static void OnInitMenu(HWND window)
{
    UpdateAutoHideItem(GetSystemMenu(window, FALSE));
}

static void OnDropFiles(HDROP drop)
{
    if (!DeferDrop(drop)) {
        HandleDrop(drop);
        DragFinish(drop);
    }
}

LRESULT CALLBACK MainWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    // A registered message has no fixed number to switch on.
    if (message == BarState.TaskbarCreated && message != 0) {
        OnDeskChange();
        return 0;
    }
    if (message == BarState.PathMessage && message != 0)
        return OnPathRequest(wParam);
    switch (message) {
    case WM_CREATE:
        OnCreate(window);
        return 0;
    case WM_DESTROY:
        OnDestroy();
        return 0;
    case WM_MOVE:
        OnMove();
        return 0;
    case WM_PAINT:
        OnPaint(window);
        return 0;
    case WM_PRINTCLIENT:
        OnPrintClient(window, (HDC)wParam);
        return 0;
    case WM_CLOSE:
        OnClose(window);
        return 0;
    case WM_SYSCOLORCHANGE:
        OnSysColorChange(window);
        return 0;
    case WM_ENDSESSION:
        OnEndSession(wParam);
        return 0;
    case WM_SETCURSOR:
        OnSetCursor(wParam, lParam);
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
        if (OnSysCommand(window, wParam))
            return 0;
        break;
    case WM_INITMENU:
        OnInitMenu(window);
        return 0;
    case WM_ENTERMENULOOP:
    case WM_EXITMENULOOP:
        OnMenuLoop(message == WM_ENTERMENULOOP);
        return 0;
    case WM_TIMER:
        if (wParam == HideTimerId)
            OnHideTimer();
        return 0;
    case WM_MENUSELECT:
        OnMenuSelect(wParam, lParam);
        return 0;
    case WM_SETTINGCHANGE:
        OnSettingChange(wParam);
        break;
    case WM_DISPLAYCHANGE:
        OnDeskChange();
        break;
    case WM_DROPFILES:
        OnDropFiles((HDROP)wParam);
        return 0;
    case WM_DPICHANGED:
        OnDpiChanged(wParam, (const RECT*)lParam);
        return 0;
    case WM_HOTKEY:
        OnHotkey();
        return 0;
    case WM_BUTTONKEY:
        return OnButtonKey((HWND)lParam, wParam);
    case WM_ACTIVATE:
        OnBarActivate(wParam, (HWND)lParam);
        break;
    case WM_SETFOCUS:
        OnBarFocus();
        return 0;
    case WM_UPDATEUISTATE:
        OnUpdateUiState(wParam);
        break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}
