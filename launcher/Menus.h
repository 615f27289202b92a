// The bar's system menu and the popup menu of one button.
#ifndef QUENVOLT_MENUS_H
#define QUENVOLT_MENUS_H

#include "QUENVOLT.h"

// Gives a new bar its button windows, its line pen and its system menu.
void PrepareBar(HWND bar);
// Opens the popup menu of a slot at the point given, else at the cursor.
void ShowButtonMenu(int slot, const POINT* at = nullptr);
// Asks the popup menu's delete question, and deletes the button of the slot on OK.
void ConfirmDelete(int slot);

#endif
