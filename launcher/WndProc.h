// The bar's window procedure, which hands each message to the unit whose job it is.
#ifndef QUENVOLT_WNDPROC_H
#define QUENVOLT_WNDPROC_H

#include "QUENVOLT.h"

LRESULT CALLBACK MainWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

#endif
