#include "WholeSave.h"

#include "core/SavePieces.h"

// The profile functions keep files in a cache of their own; this writes out and forgets the copy's.
static void ForgetProfile(const char* file)
{
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, file);
}

static void RemoveCopy(TWholeSave* save)
{
    ForgetProfile(save->Copy);
    SetFileAttributesA(save->Copy, FILE_ATTRIBUTE_NORMAL);
    DeleteFileA(save->Copy);
}

static HANDLE OpenToRead(const char* file)
{
    return CreateFileA(file, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                       OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
}

// True when both files hold the same bytes, so that a save that changed nothing writes nothing.
static bool SameContent(const char* a, const char* b)
{
    HANDLE fa = OpenToRead(a), fb = OpenToRead(b);
    bool same = fa != INVALID_HANDLE_VALUE && fb != INVALID_HANDLE_VALUE;
    char blockA[2048], blockB[2048];
    for (DWORD na = 1, nb; same && na != 0;) {
        same = ReadFile(fa, blockA, sizeof blockA, &na, nullptr) && ReadFile(fb, blockB, sizeof blockB, &nb, nullptr) &&
               na == nb;
        for (DWORD i = 0; same && i < na; ++i)
            same = blockA[i] == blockB[i];
    }
    if (fa != INVALID_HANDLE_VALUE)
        CloseHandle(fa);
    if (fb != INVALID_HANDLE_VALUE)
        CloseHandle(fb);
    return same;
}

// The copy's bytes on the disk before it takes the file's name, so that a power cut finds one or the other.
static bool FlushToDisk(const char* file)
{
    HANDLE f = CreateFileA(file, GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
    if (f == INVALID_HANDLE_VALUE)
        return false;
    const bool ok = FlushFileBuffers(f) != FALSE;
    CloseHandle(f);
    return ok;
}

bool BeginWholeSave(const char* path, TWholeSave* save)
{
    save->Path = path;
    save->File = path;
    save->Attributes = GetFileAttributesA(path);
    const bool exists = save->Attributes != INVALID_FILE_ATTRIBUTES;
    // A link is written where it points, which a file put in its place would cut off.
    if ((exists && (save->Attributes & FILE_ATTRIBUTE_REPARSE_POINT)) ||
        !SaveCopyName(path, save->Copy, sizeof save->Copy)) {
        save->Copy[0] = '\0';
        return true;
    }
    ForgetProfile(save->Copy);  // a copy left by a save that was cut off is no longer what the cache holds
    SetFileAttributesA(save->Copy, FILE_ATTRIBUTE_NORMAL);
    HANDLE made = CreateFileA(save->Copy, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (made == INVALID_HANDLE_VALUE) {
        save->Copy[0] = '\0';
        return true;
    }
    CloseHandle(made);
    if (exists && (!CopyFileA(path, save->Copy, FALSE) || !SetFileAttributesA(save->Copy, FILE_ATTRIBUTE_NORMAL))) {
        RemoveCopy(save);
        return false;
    }
    save->File = save->Copy;
    return true;
}

bool EndWholeSave(TWholeSave* save, bool written)
{
    if (save->Copy[0] == '\0')
        return written;
    ForgetProfile(save->Copy);
    const bool exists = save->Attributes != INVALID_FILE_ATTRIBUTES;
    if (!written || (exists && SameContent(save->Copy, save->Path))) {
        RemoveCopy(save);
        return written;
    }
    const DWORD kept = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE;
    const DWORD attributes = exists && (save->Attributes & kept) ? save->Attributes & kept : FILE_ATTRIBUTE_NORMAL;
    const bool replaced = FlushToDisk(save->Copy) && SetFileAttributesA(save->Copy, attributes) &&
        MoveFileExA(save->Copy, save->Path, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
    if (!replaced)
        RemoveCopy(save);
    return replaced;
}
