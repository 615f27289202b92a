// The bar's system menu and the popup menu of one button.
#ifndef QUENVOLT_MENUS_H
#define QUENVOLT_MENUS_H

#include "QUENVOLT.h"

// Gives a new bar its button windows, its line pen and its system menu.
void PrepareBar(HWND bar);
void ShowButtonMenu(int slot);

#endif
