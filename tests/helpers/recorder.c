/* A stand-in program for the tests: it records how it was started (command line, process id, working
   directory, show command, and the performance counter for the click benchmark) into the file QV_RECORD
   names, written under another name and renamed, so a reader never takes half of it for the whole. */
#include <windows.h>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int showCommand)
{
    LARGE_INTEGER started;
    char target[MAX_PATH], partial[MAX_PATH + 8], directory[MAX_PATH], record[1024];
    HANDLE file;
    DWORD written;
    QueryPerformanceCounter(&started);
    (void)instance; (void)previous; (void)commandLine;

    /* Asked to, it holds a file open without sharing until the test ends it. */
    if (GetEnvironmentVariableA("QV_HOLD", target, sizeof target)) {
        if (CreateFileA(target, GENERIC_READ, 0, NULL, OPEN_EXISTING, 0, NULL) == INVALID_HANDLE_VALUE)
            return 3;
        Sleep(INFINITE);
    }
    if (GetEnvironmentVariableA("QV_RECORD", target, sizeof target) == 0)
        return 1;
    wsprintfA(partial, "%s.part", target);
    file = CreateFileA(partial, GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, NULL);
    if (file == INVALID_HANDLE_VALUE)
        return 2;
    GetCurrentDirectoryA(sizeof directory, directory);
    /* wsprintfA writes at most 1024 characters, far more than the tests' command lines, and has no 64-bit
       numbers everywhere: the counter goes in two decimal pieces. */
    WriteFile(file, record,
              wsprintfA(record, "cmdline=%s\npid=%lu\ncwd=%s\nshow=%d\nstarted=%lu%09lu\nend=\n", GetCommandLineA(),
                        (unsigned long)GetCurrentProcessId(), directory, showCommand,
                        (unsigned long)(started.QuadPart / 1000000000), (unsigned long)(started.QuadPart % 1000000000)),
              &written, NULL);
    CloseHandle(file);
    MoveFileExA(partial, target, MOVEFILE_REPLACE_EXISTING);
    return 0;
}
