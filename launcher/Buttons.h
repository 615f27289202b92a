// The button table: the records of the slots, loading them, the program
// lookup and the choice of the icon.
#ifndef QUENVOLT_BUTTONS_H
#define QUENVOLT_BUTTONS_H

#include "QUENVOLT.h"

LauncherButton* AllocateButton();
void FreeButton(LauncherButton* button);
bool LoadButton(unsigned n, int slot);
// Loads the sections Button1 to Button24 into the empty table, closing up gaps.
void LoadButtons();
HICON ChooseButtonIcon(int slot);
// Extracts the button's icon again at the bar's icon size.
void ReloadButtonIcon(int slot);
bool IsButtonId(int id);
int FindButtonSlot(HWND window);
int FindProgram(const char* file, const char* directory, char* result);

#endif
