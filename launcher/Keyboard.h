// The bar from the keyboard: the hotkey that summons it, and the keys that
// move among its buttons, start them, open their menu or delete them.
#ifndef QUENVOLT_KEYBOARD_H
#define QUENVOLT_KEYBOARD_H

#include "QUENVOLT.h"

// The hotkey was pressed: the bar comes forward with the focus on the button
// that last had it, or, when it has the focus already, gives it back.
void OnHotkey();
// A key pressed on a button window; true when the bar took it.
bool OnButtonKey(HWND button, WPARAM key);
// The bar was activated or deactivated (WM_ACTIVATE); other is the window on the other side of the change.
void OnBarActivate(WPARAM state, HWND other);
// The system's UI state of the bar changed (WM_UPDATEUISTATE): the focus cue is shown or hidden.
void OnUpdateUiState(WPARAM change);
// The bar itself got the focus: it goes on to the button that last had it.
void OnBarFocus();

#endif
