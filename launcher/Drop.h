// Files dropped onto the bar: handed to a button's program, or new buttons.
#ifndef QUENVOLT_DROP_H
#define QUENVOLT_DROP_H

#include "QUENVOLT.h"

void HandleDrop(HDROP drop);
void AddDroppedFiles(HDROP drop, UINT n);
bool AddFileButton(const char* programPath, const char* droppedPath);
bool AddShortcutButton(const char* shortcutPath, const ShortcutData* data);
HRESULT ResolveShortcut(HWND owner, const char* shortcutPath, ShortcutData* data);

#endif
