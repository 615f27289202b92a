// Help, WinHelp's or the help page, and the About box.
#include "Help.h"

#include "HelpPage.h"
#include "Messages.h"

void ShowHelp(UINT command, bool quiet)
{
    // WinHelp is gone from today's Windows: it is asked only when its file
    // lies beside the program, and told to quit only when it was opened.
    char found[PathSize];
    if ((command != HELP_QUIT && FileBesideProgram(HelpFileName, found, sizeof found)) ||
        (command == HELP_QUIT && BarState.HelpOpen)) {
        WinHelpA(BarState.BarWindow, HelpFileName, command, 0);
        BarState.HelpOpen = command != HELP_QUIT;
        return;
    }
    if (command == HELP_QUIT)
        return;
    HelpPageResult opened = OpenHelpPage(BarState.BarWindow);
    if (quiet || opened == HelpPageOpened)
        return;
    BarMessage(HelpPageProblem(opened), DefaultTitle, MB_OK | MB_ICONWARNING);
}

INT_PTR CALLBACK About(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    switch (message) {
    case WM_INITDIALOG:
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
            EndDialog(dialog, 1);
            return TRUE;
        }
        break;
    }
    return FALSE;
}
