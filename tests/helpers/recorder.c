/* A stand-in program for the tests: it records how it was started (command line, process id, working
   directory, show command, and the performance counter for the click benchmark) into the file QV_RECORD
   names, written under another name and renamed, so a reader never takes half of it for the whole. */
#include <windows.h>

static void put(HANDLE file, const char* key, const char* value)
{
    DWORD written;
    WriteFile(file, key, lstrlenA(key), &written, NULL);
    WriteFile(file, value, lstrlenA(value), &written, NULL);
    WriteFile(file, "\n", 1, &written, NULL);
}

/* Decimal text of an unsigned 64-bit number, written back from the end of a
   buffer; wsprintfA has no 64-bit form everywhere. */
static const char* decimal(unsigned long long v, char* end)
{
    *--end = '\0';
    do
        *--end = (char)('0' + v % 10);
    while ((v /= 10) != 0);
    return end;
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int showCommand)
{
    LARGE_INTEGER started;
    char target[MAX_PATH], partial[MAX_PATH + 8], text[MAX_PATH];
    HANDLE file;
    QueryPerformanceCounter(&started);
    (void)instance; (void)previous; (void)commandLine;

    if (GetEnvironmentVariableA("QV_RECORD", target, sizeof target) == 0)
        return 1;
    wsprintfA(partial, "%s.part", target);
    file = CreateFileA(partial, GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, NULL);
    if (file == INVALID_HANDLE_VALUE)
        return 2;
    put(file, "cmdline=", GetCommandLineA());
    wsprintfA(text, "%lu", (unsigned long)GetCurrentProcessId());
    put(file, "pid=", text);
    GetCurrentDirectoryA(sizeof text, text);
    put(file, "cwd=", text);
    wsprintfA(text, "%d", showCommand);
    put(file, "show=", text);
    put(file, "started=", decimal((unsigned long long)started.QuadPart, text + sizeof text));
    put(file, "end=", "");
    CloseHandle(file);
    MoveFileExA(partial, target, MOVEFILE_REPLACE_EXISTING);
    return 0;
}
