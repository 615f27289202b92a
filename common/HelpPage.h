// The help beside the program: finding its files and opening the page
// Quenvolt.html in the browser. Shared by the bar and the editor.
#ifndef QUENVOLET_HELPPAGE_H
#define QUENVOLET_HELPPAGE_H

#include <windows.h>

enum HelpPageResult { HelpPageOpened, HelpPageMissing, HelpPageFailed };

// Puts the full path of the file name beside the running program into path
// (size bytes); false when no such file is there or the path does not fit.
bool FileBesideProgram(const char* name, char* path, size_t size);

// Opens Quenvolt.html beside the program with the program the shell has for
// web pages; owner is the window that boxes of the shell belong to. The
// editor calls it on F1 and shows HelpPageProblem in a warning box unless
// the page opened.
HelpPageResult OpenHelpPage(HWND owner);

// What to tell the user when the page did not open.
const char* HelpPageProblem(HelpPageResult result);

#endif
