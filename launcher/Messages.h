// The bar's message boxes, and the drops held back while one of them is open.
#ifndef QUENVOLT_MESSAGES_H
#define QUENVOLT_MESSAGES_H

#include "QUENVOLT.h"
#include "core/Hotkey.h"

// Shows every message box of the bar: owned by the bar window (none before it
// exists) or by the given window, brought to the foreground, with the icon
// and buttons of flags.
int BarMessage(const char* text, const char* caption, UINT flags, HWND owner = nullptr);
// Tells the user that the hotkey of the word is taken, owned by the given window (else the bar).
void ReportHotkeyTaken(const char* word, HWND owner = nullptr);
// Tells the user, naming the file, that settings could not be written to it.
void ReportSaveFailure();
void ReportAddFailure(const char* name, int code);
// Tells the user that a document's path is too long for a button's parameters.
void ReportLongDocument(const char* name);

// Keeps a drop that came while a box of the bar is open; true when kept.
bool DeferDrop(HDROP drop);
// Posts the kept drops to the bar again once no box of it is open.
void ResumeDeferredDrops();
// Frees the drops still kept or posted when the bar goes, which nobody will handle.
void FreeDeferredDrops();

#endif
