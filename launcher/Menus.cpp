// The bar's system menu, and the popup menu a right click opens on a button.
#include "Menus.h"

#include "ButtonWindows.h"
#include "Messages.h"

void PrepareBar(HWND bar)
{
    for (int slot = 0; slot < ButtonCount; ++slot)
        CreateButtonWindow(bar, slot);
    BarState.SeparatorPen = CreatePen(PS_SOLID, 1, RGB(0, 0, 0));

    HMENU menu = GetSystemMenu(bar, FALSE);
    EnableMenuItem(menu, SC_RESTORE, MF_BYCOMMAND | MF_GRAYED);
    EnableMenuItem(menu, SC_MINIMIZE, MF_BYCOMMAND | MF_GRAYED);
    EnableMenuItem(menu, SC_MAXIMIZE, MF_BYCOMMAND | MF_GRAYED);
    AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(menu, MF_STRING | (BarState.AlwaysOnTop ? MF_CHECKED : MF_UNCHECKED), IDM_ALWAYSONTOP, "Always on &top");
    AppendMenuA(menu, MF_STRING | (BarState.AutoHide.On ? MF_CHECKED : MF_UNCHECKED), IDM_AUTOHIDE, "Auto-&hide");
    AppendMenuA(menu, MF_STRING, IDM_HOTKEY, "Hot&key...");
    AppendMenuA(menu, MF_STRING, IDM_CONFIGURE, "Con&figure ...");
    AppendMenuA(menu, MF_STRING, IDM_SAVESETTINGS, "Sa&ve settings now");
    AppendMenuA(menu, MF_STRING, IDM_HELP, "&Help");
    AppendMenuA(menu, MF_STRING, IDM_ABOUT, "&About Quenvolet");
}

void ShowButtonMenu(int slot, const POINT* at)
{
    if (slot < 0 || slot >= ButtonCount || BarState.PopupMenu != nullptr)
        return;
    BarState.PopupMenu = CreatePopupMenu();
    if (BarState.PopupMenu == nullptr)
        return;
    char text[RunMenuTextSize];
    BuildRunMenuText(ButtonTable[slot]->ProgramPath, text, sizeof text);
    AppendMenuA(BarState.PopupMenu, MF_STRING, IDM_RUN, text);
    AppendMenuA(BarState.PopupMenu, MF_STRING, IDM_DELETE, "&Delete");
    AppendMenuA(BarState.PopupMenu, MF_STRING, IDM_PROPERTIES, "&Properties");
    POINT cursor;
    if (at != nullptr)
        cursor = *at;
    else
        GetCursorPos(&cursor);
    TrackPopupMenu(BarState.PopupMenu, 0, cursor.x, cursor.y, 0, BarState.BarWindow, nullptr);
    BarState.PopupSlot = slot;
    // The menu is closed once TrackPopupMenu returns, whether it failed or
    // the closing WM_MENUSELECT never came; a lingering one would block the next.
    if (BarState.PopupMenu != nullptr) {
        DestroyMenu(BarState.PopupMenu);
        BarState.PopupMenu = nullptr;
    }
}

void ConfirmDelete(int slot)
{
    if (BarMessage("Delete button?", DefaultTitle, MB_OKCANCEL | MB_ICONQUESTION) == IDOK)
        DeleteButton(slot);
}
