/* A stand-in program for the tests: it records how it was started (its
   command line, its own path, working directory and the show command of its
   start-up information), its process id and the performance counter at its
   start (for the click benchmark) into the file that the
   environment variable QV_RECORD names, then ends. The record is written
   under another name first, ends with the line "end=", and is renamed, so a
   reader never takes half of it for the whole. */
#include <windows.h>

static void put(HANDLE file, const char* key, const char* value)
{
    DWORD written;
    WriteFile(file, key, lstrlenA(key), &written, NULL);
    WriteFile(file, value, lstrlenA(value), &written, NULL);
    WriteFile(file, "\n", 1, &written, NULL);
}

/* Decimal text of an unsigned 64-bit number; wsprintfA has no 64-bit form everywhere. */
static void decimal(unsigned long long v, char* out)
{
    char digits[24];
    int n = 0;
    do {
        digits[n++] = (char)('0' + v % 10);
        v /= 10;
    } while (v != 0);
    while (n > 0)
        *out++ = digits[--n];
    *out = '\0';
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int showCommand)
{
    LARGE_INTEGER started;
    char target[MAX_PATH], partial[MAX_PATH + 8], directory[MAX_PATH], self[MAX_PATH], number[32];
    STARTUPINFOA startup;
    HANDLE file;
    QueryPerformanceCounter(&started);
    (void)instance; (void)previous; (void)commandLine; (void)showCommand;

    if (GetEnvironmentVariableA("QV_RECORD", target, sizeof target) == 0)
        return 1;
    wsprintfA(partial, "%s.part", target);
    file = CreateFileA(partial, GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, NULL);
    if (file == INVALID_HANDLE_VALUE)
        return 2;
    put(file, "cmdline=", GetCommandLineA());
    GetModuleFileNameA(NULL, self, sizeof self);
    put(file, "exe=", self);
    wsprintfA(number, "%lu", (unsigned long)GetCurrentProcessId());
    put(file, "pid=", number);
    GetCurrentDirectoryA(sizeof directory, directory);
    put(file, "cwd=", directory);
    ZeroMemory(&startup, sizeof startup);
    startup.cb = sizeof startup;
    GetStartupInfoA(&startup);
    wsprintfA(number, "%u", (unsigned)startup.wShowWindow);
    put(file, "show=", number);
    wsprintfA(number, "%lu", (unsigned long)startup.dwFlags);
    put(file, "flags=", number);
    decimal((unsigned long long)started.QuadPart, number);
    put(file, "started=", number);
    put(file, "end=", "");
    CloseHandle(file);
    MoveFileExA(partial, target, MOVEFILE_REPLACE_EXISTING);
    return 0;
}
