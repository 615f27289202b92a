// Measures the benchmark programs from outside. "start" starts each program
// in turn (the cases interleaved, runs times) and takes the time until a
// top-level window of its class is visible and painted, then its peak
// working set and private bytes, and closes it. "click" starts the bar once
// and takes the time from the button's WM_COMMAND to the recorder's start.
// Results go to a CSV file, one line per measurement.
//   driver start <runs> <csv> {<case> <class> <command line>}...
//   driver click <runs> <csv> <bar command line> <record file>
#include <windows.h>
#include <psapi.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

static double Milliseconds(LONGLONG ticks)
{
    static LARGE_INTEGER frequency;
    if (frequency.QuadPart == 0)
        QueryPerformanceFrequency(&frequency);
    return 1000.0 * (double)ticks / (double)frequency.QuadPart;
}

static LONGLONG Now()
{
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return t.QuadPart;
}

struct Search {
    const char* className;
    DWORD process;
    HWND found;
};

static BOOL CALLBACK TakeWindow(HWND window, LPARAM lParam)
{
    Search* s = (Search*)lParam;
    char name[64];
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process == s->process && GetClassNameA(window, name, sizeof name) && strcmp(name, s->className) == 0) {
        s->found = window;
        return FALSE;
    }
    return TRUE;
}

static BOOL CALLBACK ChildPainted(HWND child, LPARAM lParam)
{
    if (GetUpdateRect(child, nullptr, FALSE)) {
        *(bool*)lParam = false;
        return FALSE;
    }
    return TRUE;
}

// Visible, and neither it nor a child has anything left to paint.
static bool Painted(HWND window)
{
    if (!IsWindowVisible(window) || GetUpdateRect(window, nullptr, FALSE))
        return false;
    bool painted = true;
    EnumChildWindows(window, ChildPainted, (LPARAM)&painted);
    return painted;
}

// Waits until the process shows a painted window of the class; a WM_NULL
// round trip then makes sure that the painting it started has ended.
static HWND WaitPainted(const PROCESS_INFORMATION& pi, const char* className, DWORD milliseconds)
{
    const DWORD start = GetTickCount();
    Search s = {className, pi.dwProcessId, nullptr};
    while (GetTickCount() - start < milliseconds) {
        if (s.found == nullptr)
            EnumWindows(TakeWindow, (LPARAM)&s);
        if (s.found != nullptr && Painted(s.found)) {
            DWORD_PTR result;
            if (SendMessageTimeoutA(s.found, WM_NULL, 0, 0, SMTO_NORMAL, 10000, &result))
                return s.found;
        }
        if (WaitForSingleObject(pi.hProcess, 1) == WAIT_OBJECT_0)
            return nullptr;
    }
    return nullptr;
}

static bool Start(const char* commandLine, PROCESS_INFORMATION* pi)
{
    STARTUPINFOA si;
    ZeroMemory(&si, sizeof si);
    si.cb = sizeof si;
    si.dwFlags = STARTF_USESHOWWINDOW;
    si.wShowWindow = SW_SHOWNOACTIVATE;
    std::string line = commandLine;
    return CreateProcessA(nullptr, &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, pi) != FALSE;
}

static void Close(HWND window, PROCESS_INFORMATION& pi)
{
    if (window != nullptr)
        PostMessageA(window, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(pi.hProcess, 30000) != WAIT_OBJECT_0)
        TerminateProcess(pi.hProcess, 1);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
}

static int MeasureStarts(int runs, FILE* csv, int count, char** cases)
{
    fprintf(csv, "case,run,start_ms,peak_working_set,private_bytes,pagefile_usage\n");
    for (int run = 0; run < runs; ++run) {
        for (int c = 0; c + 2 < count; c += 3) {
            PROCESS_INFORMATION pi;
            const LONGLONG t0 = Now();
            if (!Start(cases[c + 2], &pi)) {
                fprintf(stderr, "cannot start %s\n", cases[c + 2]);
                return 1;
            }
            HWND window = WaitPainted(pi, cases[c + 1], 120000);
            const LONGLONG t1 = Now();
            // Memory is taken once the program has settled, work it put off after its first showing included.
            Sleep(500);
            DWORD_PTR settled;
            if (window != nullptr)
                SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, 10000, &settled);
            PROCESS_MEMORY_COUNTERS_EX memory;
            ZeroMemory(&memory, sizeof memory);
            GetProcessMemoryInfo(pi.hProcess, (PROCESS_MEMORY_COUNTERS*)&memory, sizeof memory);
            Close(window, pi);
            if (window == nullptr) {
                fprintf(stderr, "%s: no painted window\n", cases[c]);
                return 1;
            }
            fprintf(csv, "%s,%d,%.3f,%llu,%llu,%llu\n", cases[c], run, Milliseconds(t1 - t0),
                    (unsigned long long)memory.PeakWorkingSetSize, (unsigned long long)memory.PrivateUsage,
                    (unsigned long long)memory.PagefileUsage);
            fflush(csv);
        }
    }
    return 0;
}

// The recorder's start time: its "started=" line, in performance-counter ticks.
static bool ReadStarted(const char* path, LONGLONG* started)
{
    FILE* f = fopen(path, "rb");
    if (f == nullptr)
        return false;
    char line[1024];
    bool complete = false, found = false;
    while (fgets(line, sizeof line, f) != nullptr) {
        if (strncmp(line, "started=", 8) == 0) {
            *started = _strtoi64(line + 8, nullptr, 10);
            found = true;
        }
        if (strncmp(line, "end=", 4) == 0)
            complete = true;
    }
    fclose(f);
    return found && complete;
}

static int MeasureClicks(int runs, FILE* csv, const char* barLine, const char* record)
{
    SetEnvironmentVariableA("QV_RECORD", record);
    PROCESS_INFORMATION pi;
    if (!Start(barLine, &pi))
        return 1;
    HWND bar = WaitPainted(pi, "QuenvoltWClass", 120000);
    if (bar == nullptr)
        return 1;
    HWND button = GetDlgItem(bar, 500);
    fprintf(csv, "case,run,click_ms\n");
    for (int run = 0; run < runs; ++run) {
        DeleteFileA(record);
        const LONGLONG t0 = Now();
        PostMessageA(bar, WM_COMMAND, MAKEWPARAM(500, BN_CLICKED), (LPARAM)button);
        LONGLONG started = 0;
        const DWORD begin = GetTickCount();
        while (!ReadStarted(record, &started)) {
            if (GetTickCount() - begin > 120000) {
                fprintf(stderr, "no record from the recorder\n");
                Close(bar, pi);
                return 1;
            }
            Sleep(5);
        }
        fprintf(csv, "click,%d,%.3f\n", run, Milliseconds(started - t0));
        fflush(csv);
        Sleep(200);  // the recorder's end, so that the next click does not overlap it
    }
    Close(bar, pi);
    return 0;
}

int main(int argc, char** argv)
{
    if (argc < 4) {
        fprintf(stderr, "usage: driver start|click <runs> <csv> ...\n");
        return 2;
    }
    int runs = atoi(argv[2]);
    FILE* csv = fopen(argv[3], "w");
    if (csv == nullptr)
        return 2;
    int status = 2;
    if (strcmp(argv[1], "start") == 0)
        status = MeasureStarts(runs, csv, argc - 4, argv + 4);
    else if (strcmp(argv[1], "click") == 0 && argc >= 6)
        status = MeasureClicks(runs, csv, argv[4], argv[5]);
    fclose(csv);
    return status;
}
