#include "SavePieces.h"

#include "Text.h"

bool SaveCopyName(const char* path, char* out, size_t size)
{
    const size_t length = TextLength(path);
    out[0] = '\0';
    // The profile functions put a bare name in the Windows folder, which is theirs to find.
    bool bare = LastSeparator(path) < 0;
    for (const char* p = path; *p != '\0'; ++p)
        bare = bare && *p != ':';
    if (bare || length + 2 > size)
        return false;
    TextCopy(out, size, path);
    TextAppend(out, size, "~");
    return true;
}

static char Capital(char c)
{
    return c >= 'a' && c <= 'z' ? (char)(c - 'a' + 'A') : c;
}

void PathMessageName(const char* fullPath, char* out, size_t size)
{
    static const char prefix[] = "Quenvolet bar ";
    const size_t length = TextCopy(out, size, prefix);
    const size_t room = (size < PathMessageNameSize ? size : PathMessageNameSize) - length - 1;
    if (TextLength(fullPath) <= room) {
        size_t i = 0;
        for (; fullPath[i] != '\0'; ++i)
            out[length + i] = Capital(fullPath[i]);
        out[length + i] = '\0';
        return;
    }
    // 64-bit FNV-1a: two different long paths that share a name are not to be met in practice.
    unsigned long long hash = 14695981039346656037ull;
    for (const char* p = fullPath; *p != '\0'; ++p)
        hash = (hash ^ (unsigned char)Capital(*p)) * 1099511628211ull;
    char digits[17];
    for (int i = 15; i >= 0; --i, hash >>= 4)
        digits[i] = "0123456789ABCDEF"[hash & 15];
    digits[16] = '\0';
    TextAppend(out, size, digits);
}
