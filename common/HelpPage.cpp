// Help that works on today's Windows, where WinHelp is gone: our own page
// beside the program, opened by the shell in the user's browser.
#include "HelpPage.h"

#include <shellapi.h>

static const char HelpPageName[] = "Quenvolt.html";

bool FileBesideProgram(const char* name, char* path, size_t size)
{
    DWORD n = GetModuleFileNameA(nullptr, path, (DWORD)size);
    if (n == 0 || n >= size)
        return false;
    size_t folder = n;
    while (folder > 0 && path[folder - 1] != '\\' && path[folder - 1] != '/')
        --folder;
    size_t length = (size_t)lstrlenA(name);
    if (folder + length >= size)
        return false;
    CopyMemory(path + folder, name, length + 1);
    DWORD attributes = GetFileAttributesA(path);
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

HelpPageResult OpenHelpPage(HWND owner)
{
    char page[MAX_PATH];
    if (!FileBesideProgram(HelpPageName, page, sizeof page))
        return HelpPageMissing;
    INT_PTR result = (INT_PTR)ShellExecuteA(owner, "open", page, nullptr, nullptr, SW_SHOWNORMAL);
    return result > 32 ? HelpPageOpened : HelpPageFailed;
}

const char* HelpPageProblem(HelpPageResult result)
{
    return result == HelpPageMissing
               ? "The help page \"Quenvolt.html\" is missing: it belongs in the folder of the program."
               : "The help page \"Quenvolt.html\" could not be opened in the browser.";
}
