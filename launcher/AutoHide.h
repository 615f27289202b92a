// Auto-hide: a docked bar slides out of sight at its screen edge while it is
// not wanted, leaving a strip the pointer brings it back with.
#ifndef QUENVOLT_AUTOHIDE_H
#define QUENVOLT_AUTOHIDE_H

#include "QUENVOLT.h"

const UINT_PTR HideTimerId = 1;

// Starts watching the pointer when the setting is on; for a new bar.
void StartAutoHide(HWND bar);
void ToggleAutoHide();
// Enables the menu item only while the bar is docked in its corner.
void UpdateAutoHideItem(HMENU systemMenu);
void OnHideTimer();
// A menu of the bar opens or closes.
void OnMenuLoop(bool entering);
// Brings a hidden bar back into view for a while, as the pointer on its strip does.
void RevealBar();
// The window rectangle the bar has when shown: a hidden bar's is in its corner.
BarRect ShownBarRect(HWND bar);

#endif
