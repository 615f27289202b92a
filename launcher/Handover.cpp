// Handing the configuration over to the editor, QVconfig.
#include "Handover.h"

#include "FileSearch.h"
#include "Launch.h"
#include "Messages.h"
#include "Profile.h"

void StartEditor(int slot)
{
    char editor[PathSize];
    if (!LocateFile("QVconfig.exe", editor, sizeof editor)) {
        BarMessage("Could not locate \"QVconfig.exe\"", "Configure Quenvolet problem", MB_ICONERROR);
        return;
    }
    // The editor would show the file without the latest drops and deletes, and the bar would end with them.
    if (BarState.UnsavedChanges && !FlushButtons()) {
        ReportSaveFailure();
        return;
    }

    char launcher[PathSize];
    DWORD n = GetModuleFileNameA(nullptr, launcher, sizeof launcher);
    if (n == 0 || n >= sizeof launcher)
        launcher[sizeof launcher - 1] = '\0';

    // Room for all three paths whole, so that none of them is ever cut.
    char arguments[2 * PathSize + 16];
    TextCopy(arguments, sizeof arguments, "\"");
    TextAppend(arguments, sizeof arguments, BarState.ConfigFilePath);
    TextAppend(arguments, sizeof arguments, "\" \"");
    TextAppend(arguments, sizeof arguments, launcher);
    TextAppend(arguments, sizeof arguments, "\"");
    if (slot >= 0) {
        char number[12];
        FormatInt(number, sizeof number, slot);
        TextAppend(arguments, sizeof arguments, " ");
        TextAppend(arguments, sizeof arguments, number);
    }
    char commandLine[3 * PathSize + 24];
    if (!BuildCommandLine(editor, arguments, nullptr, commandLine, sizeof commandLine))
        return;
    if (StartProgram(commandLine, nullptr, SW_SHOW))
        DestroyWindow(BarState.BarWindow);
}
