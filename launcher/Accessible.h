// What screen readers learn of a bar button: the system's own object for the
// window, which gives its text as the name, told that it is a push button.
#ifndef QUENVOLT_ACCESSIBLE_H
#define QUENVOLT_ACCESSIBLE_H

#include "QUENVOLT.h"

// The answer to a button's WM_GETOBJECT, or 0 to leave it to the system.
LRESULT AnswerAccessible(HWND button, WPARAM wParam, LPARAM lParam);

#endif
