// Starting a button's program, and starting a program in general.
#include "Launch.h"

#include "Messages.h"

void RunButton(int slot, const char* directory, const char* extraArguments)
{
    if (slot < 0 || slot >= ButtonCount || ButtonTable[slot] == nullptr)
        return;
    const LauncherButton* b = ButtonTable[slot];
    size_t size = CommandLineLength(b->ProgramPath, b->Parameters, extraArguments) + 1;
    char* commandLine = (char*)LocalAlloc(LMEM_FIXED, size);
    if (commandLine == nullptr) {
        BarMessage("Not enough memory to start the program", "Application execution error", MB_OK | MB_ICONWARNING);
        return;
    }
    BuildCommandLine(b->ProgramPath, b->Parameters, extraArguments, commandLine, size);
    const char* workingDirectory = directory != nullptr ? directory : b->DefaultDirectory;
    if (workingDirectory[0] == '\0')
        workingDirectory = nullptr;
    StartProgram(commandLine, workingDirectory, b->ShowCommand);
    LocalFree(commandLine);
}

bool StartProgram(char* commandLine, const char* currentDirectory, int showCommand)
{
    STARTUPINFOA startup;
    ZeroMemory(&startup, sizeof startup);
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = (WORD)showCommand;
    PROCESS_INFORMATION process;
    ZeroMemory(&process, sizeof process);

    if (CreateProcessA(nullptr, commandLine, nullptr, nullptr, FALSE, 0, nullptr, currentDirectory, &startup, &process)) {
        CloseHandle(process.hProcess);
        CloseHandle(process.hThread);
        return true;
    }

    DWORD error = GetLastError();
    char* text = nullptr;
    // Texts such as "%1 is not a valid Win32 application" have inserts that we cannot fill.
    DWORD length = FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                  FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error,
                                  MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT), (char*)&text, 0, nullptr);
    char fallback[64];
    if (length == 0 || text == nullptr) {
        // The system has no text for this code: say at least which one it was.
        char number[12];
        FormatInt(number, sizeof number, (int)error);
        TextCopy(fallback, sizeof fallback, "The program could not be started (error ");
        TextAppend(fallback, sizeof fallback, number);
        TextAppend(fallback, sizeof fallback, ").");
    }
    BarMessage(text != nullptr && length != 0 ? text : fallback, "Application execution error", MB_OK | MB_ICONWARNING);
    if (text != nullptr)
        LocalFree(text);
    return false;
}
