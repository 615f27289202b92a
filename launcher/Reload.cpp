// The bar taking the configuration file again: what the editor saved shows at once.
#include "Reload.h"

#include "Bar.h"
#include "ButtonWindows.h"
#include "Profile.h"

void ReloadSettings()
{
    ReloadButtons(BarState.BarWindow);
    TSection window;
    ReadSection(WindowSection, &window);
    char title[64];
    ReadKey(window, "Title", DefaultTitle, title, sizeof title);
    SetWindowTextA(BarState.BarWindow, title);
    const bool wasDocked = (BarState.PlacementFlags & Docked) != 0;
    BarRect work;
    GetBarWorkArea(&work);
    const BarRect bar = WindowBarRect(BarState.BarWindow);
    int x, y;
    ReadPlacement(window, work, bar.right - bar.left, bar.bottom - bar.top, &x, &y);
    // A floating bar stays where the user has it; one no longer docked goes where it was last saved.
    if (wasDocked && !(BarState.PlacementFlags & Docked) && x != (int)CW_USEDEFAULT && y != (int)CW_USEDEFAULT) {
        BarState.InSnapMove = true;
        SetWindowPos(BarState.BarWindow, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        BarState.InSnapMove = false;
        KeepOnDesk(false);
    }
    FitBar();
    InvalidateRect(BarState.BarWindow, nullptr, TRUE);
}
