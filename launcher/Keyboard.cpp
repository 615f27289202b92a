// The bar from the keyboard: summoned by its hotkey, its buttons reached,
// started and deleted with keys, the focus given back with Esc.
#include "Keyboard.h"

#include "Launch.h"
#include "Menus.h"

static void FocusButton(int slot)
{
    if (ButtonCount > 0)
        SetFocus(ButtonTable[(slot % ButtonCount + ButtonCount) % ButtonCount]->ButtonWindow);
}

// The slot that last had the focus, or the last one when that button has since gone.
static int RememberedSlot()
{
    return BarState.FocusSlot < ButtonCount ? BarState.FocusSlot : ButtonCount - 1;
}

// The keyboard was used: from now on the bar shows which button has the focus.
// The bar is the top of its windows, where a change of the UI state becomes
// an update; sent as such, it also reaches a system that keeps no UI state.
static void ShowFocusCue()
{
    if (!BarState.FocusCueShown)
        SendMessageA(BarState.BarWindow, WM_UPDATEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
}

void OnUpdateUiState(WPARAM change)
{
    if (!(HIWORD(change) & UISF_HIDEFOCUS) || (LOWORD(change) != UIS_SET && LOWORD(change) != UIS_CLEAR))
        return;
    BarState.FocusCueShown = LOWORD(change) == UIS_CLEAR;
    HWND focus = GetFocus();
    if (focus != nullptr && GetParent(focus) == BarState.BarWindow)
        InvalidateRect(focus, nullptr, FALSE);
}

static void GiveFocusBack()
{
    HWND previous = BarState.PreviousWindow;
    BarState.PreviousWindow = nullptr;
    if (previous != nullptr && previous != BarState.BarWindow && IsWindow(previous))
        SetForegroundWindow(previous);
}

void OnHotkey()
{
    HWND bar = BarState.BarWindow;
    if (GetForegroundWindow() == bar) {
        GiveFocusBack();
        return;
    }
    BarState.PreviousWindow = GetForegroundWindow();
    // Over a full-screen window too, but only for as long as the user works with the bar.
    if (!BarState.AlwaysOnTop) {
        SetWindowPos(bar, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);
        BarState.RaisedOnTop = true;
    }
    SetForegroundWindow(bar);
    FocusButton(RememberedSlot());
    ShowFocusCue();
}

void OnBarActivate(WPARAM state, HWND other)
{
    HWND bar = BarState.BarWindow;
    if (LOWORD(state) == WA_INACTIVE) {
        if (BarState.RaisedOnTop && !BarState.AlwaysOnTop)
            SetWindowPos(bar, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);
        BarState.RaisedOnTop = false;
    } else if (other != nullptr && other != bar && GetWindow(other, GW_OWNER) != bar) {
        BarState.PreviousWindow = other;  // the bar's own boxes and menus give nothing back
    }
}

void OnBarFocus()
{
    FocusButton(RememberedSlot());
}

bool OnButtonKey(HWND button, WPARAM key)
{
    const int slot = GetDlgCtrlID(button) - FIRST_BUTTON_ID;
    if (slot < 0 || slot >= ButtonCount)
        return false;
    const bool shift = GetKeyState(VK_SHIFT) < 0;
    int to = slot;
    switch (key) {
    case VK_LEFT:
        to = slot - 1;
        break;
    case VK_RIGHT:
        to = slot + 1;
        break;
    case VK_TAB:
        to = shift ? slot - 1 : slot + 1;
        break;
    case VK_HOME:
        to = 0;
        break;
    case VK_END:
        to = ButtonCount - 1;
        break;
    case VK_RETURN:
        RunButton(slot, nullptr, nullptr);
        return true;
    case VK_F10:
    case VK_APPS: {
        if (key == VK_F10 && !shift)
            return false;  // F10 alone opens the window menu, as anywhere
        RECT place = {0, 0, 0, 0};
        GetWindowRect(button, &place);
        const POINT at = {place.left, place.bottom};
        ShowFocusCue();
        ShowButtonMenu(slot, &at);
        return true;
    }
    case VK_DELETE:
        ConfirmDelete(slot);
        return true;
    case VK_ESCAPE:
        GiveFocusBack();
        return true;
    default:
        return false;
    }
    FocusButton(to);
    ShowFocusCue();
    return true;
}
