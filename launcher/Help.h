// Help and the About box.
#ifndef QUENVOLT_HELP_H
#define QUENVOLT_HELP_H

#include "QUENVOLT.h"

// Opens help (WinHelp when its file lies beside the program, else the page
// Quenvolt.html) or closes it; quiet keeps missing help from showing a box.
void ShowHelp(UINT command, bool quiet = false);
INT_PTR CALLBACK About(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

#endif
