// The button properties dialog (TdlgModify).
#ifndef QVCONFIG_DLGMOD_H
#define QVCONFIG_DLGMOD_H

#include <windows.h>

// Edits entry index of ButtonList in a modal dialog with the given caption,
// its top-left corner at left, top; true when the user confirmed with OK
// (the entry then holds the edited button).
bool ExecuteModifyDialog(HWND owner, const char* caption, int index, int left, int top);

#endif
