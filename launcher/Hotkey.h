// The hotkey that summons the bar: its registration, from the file at
// start-up and from the dialog of the window menu's "Hot&key...".
#ifndef QUENVOLT_HOTKEY_H
#define QUENVOLT_HOTKEY_H

#include "QUENVOLT.h"

// Registers the hotkey of the file's word; a bad word means none, and a key
// taken by another program is told once and left out.
void StartHotkey(const char* word);
// The hotkey dialog: the key chosen is registered and written to the file at once.
void ChooseHotkey(HWND bar);

#endif
