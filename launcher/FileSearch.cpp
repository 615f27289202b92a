// Finding a file by name the way the system searches for programs: start-up
// looks for the configuration file, the icons for shell32.dll and the
// hand-over for the editor.
#include "FileSearch.h"

// Looks for name in one directory; found receives the full path.
static bool FindInDirectory(const char* directory, const char* name, char* found, size_t size)
{
    char candidate[2 * PathSize];
    TextCopy(candidate, sizeof candidate, directory);
    size_t n = TextLength(candidate);
    if (n == 0)
        return false;
    if (candidate[n - 1] != '\\' && candidate[n - 1] != '/')
        TextAppend(candidate, sizeof candidate, "\\");
    TextAppend(candidate, sizeof candidate, name);
    DWORD attributes = GetFileAttributesA(candidate);
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY))
        return false;
    DWORD length = GetFullPathNameA(candidate, (DWORD)size, found, nullptr);
    return length > 0 && length < size;
}

static bool HasDirectory(const char* name)
{
    for (const char* p = name; *p != '\0'; ++p)
        if (*p == '\\' || *p == '/' || *p == ':')
            return true;
    return false;
}

// A directory length from a Get*DirectoryA call: 0 is a failure, and a length
// as large as the buffer means the name did not fit.
static bool GotDirectory(DWORD length, size_t size)
{
    return length > 0 && length < size;
}

static bool FindInProgramDirectory(const char* name, char* found, size_t size)
{
    char directory[PathSize];
    if (!GotDirectory(GetModuleFileNameA(nullptr, directory, sizeof directory), sizeof directory))
        return false;
    int slash = LastBackslash(directory);
    if (slash < 0)
        return false;
    directory[slash] = '\0';
    return FindInDirectory(directory, name, found, size);
}

// Last the PATH, through the system's own search along it.
static bool FindOnPath(const char* name, char* found, size_t size)
{
    DWORD pathLength = GetEnvironmentVariableA("PATH", nullptr, 0);
    if (pathLength == 0)
        return false;
    char* path = (char*)LocalAlloc(LMEM_FIXED, pathLength);
    if (path == nullptr)
        return false;
    bool ok = false;
    if (GetEnvironmentVariableA("PATH", path, pathLength) < pathLength) {
        DWORD length = SearchPathA(path, name, nullptr, (DWORD)size, found, nullptr);
        ok = length > 0 && length < size;
        if (ok) {
            DWORD attributes = GetFileAttributesA(found);
            ok = attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
        }
    }
    LocalFree(path);
    return ok;
}

bool LocateFile(const char* name, char* found, size_t size)
{
    if (name[0] == '\0')
        return false;
    if (HasDirectory(name)) {
        DWORD attributes = GetFileAttributesA(name);
        if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY))
            return false;
        DWORD length = GetFullPathNameA(name, (DWORD)size, found, nullptr);
        return length > 0 && length < size;
    }

    // A file beside the program wins over one in whatever folder it was started from.
    if (FindInProgramDirectory(name, found, size))
        return true;
    char directory[PathSize];
    if (GotDirectory(GetCurrentDirectoryA(sizeof directory, directory), sizeof directory) &&
        FindInDirectory(directory, name, found, size))
        return true;
    if (GotDirectory(GetSystemDirectoryA(directory, sizeof directory), sizeof directory) &&
        FindInDirectory(directory, name, found, size))
        return true;
    if (GotDirectory(GetWindowsDirectoryA(directory, sizeof directory), sizeof directory) &&
        FindInDirectory(directory, name, found, size))
        return true;
    return FindOnPath(name, found, size);
}
