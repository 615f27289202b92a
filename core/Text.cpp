#include "Text.h"

size_t TextLength(const char* s)
{
    size_t n = 0;
    while (s[n] != '\0')
        ++n;
    return n;
}

size_t TextCopyN(char* dst, size_t size, const char* src, size_t count)
{
    if (size == 0)
        return 0;
    size_t n = 0;
    while (n + 1 < size && n < count && src[n] != '\0') {
        dst[n] = src[n];
        ++n;
    }
    dst[n] = '\0';
    return n;
}

size_t TextCopy(char* dst, size_t size, const char* src)
{
    return TextCopyN(dst, size, src, (size_t)-1);
}

size_t TextAppend(char* dst, size_t size, const char* src)
{
    size_t used = 0;
    while (used < size && dst[used] != '\0')
        ++used;
    if (used >= size)
        return used;  // not terminated within size: leave it alone
    return used + TextCopy(dst + used, size - used, src);
}

static char LowerAscii(char c)
{
    return (c >= 'A' && c <= 'Z') ? (char)(c - 'A' + 'a') : c;
}

size_t TextAppendTail(char* dst, size_t size, const char* src)
{
    if (size == 0)
        return 0;
    const size_t used = TextLength(dst);
    const size_t length = TextLength(src);
    if (used + length < size)
        return TextAppend(dst, size, src);
    const size_t ellipsis = 3;
    if (used + ellipsis >= size)
        return used;
    const size_t room = size - 1 - used - ellipsis;
    TextAppend(dst, size, "...");
    return TextAppend(dst, size, src + (length - room));
}

bool NeedsQuotes(const char* item)
{
    if (item[0] == '"')
        return false;
    for (const char* p = item; *p != '\0'; ++p)
        if (*p == ' ' || *p == '\t')
            return true;
    return false;
}

size_t AppendItem(char* dst, size_t size, const char* item)
{
    const bool quoted = NeedsQuotes(item);
    if (quoted)
        TextAppend(dst, size, "\"");
    size_t length = TextAppend(dst, size, item);
    if (quoted)
        length = TextAppend(dst, size, "\"");
    return length;
}

bool SameText(const char* a, const char* b)
{
    for (;; ++a, ++b) {
        if (*a != *b)
            return false;
        if (*a == '\0')
            return true;
    }
}

bool SameTextNoCase(const char* a, const char* b)
{
    for (;; ++a, ++b) {
        if (LowerAscii(*a) != LowerAscii(*b))
            return false;
        if (*a == '\0')
            return true;
    }
}

int ParseInt(const char* s)
{
    while (*s == ' ' || (*s >= '\t' && *s <= '\r'))
        ++s;
    bool negative = false;
    if (*s == '-' || *s == '+') {
        negative = (*s == '-');
        ++s;
    }
    long long value = 0;
    while (*s >= '0' && *s <= '9') {
        if (value <= 2147483648LL)
            value = value * 10 + (*s - '0');
        ++s;
    }
    if (negative)
        value = -value;
    if (value > 2147483647LL)
        return 2147483647;
    if (value < -2147483647LL - 1)
        return -2147483647 - 1;
    return (int)value;
}

bool FormatInt(char* out, size_t size, int v)
{
    char digits[16];
    size_t n = 0;
    unsigned long long magnitude = v < 0 ? (unsigned long long)(-(long long)v) : (unsigned long long)v;
    do {
        digits[n++] = (char)('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    size_t needed = n + (v < 0 ? 1 : 0);
    if (size == 0)
        return false;
    if (needed + 1 > size) {
        out[0] = '\0';
        return false;
    }
    size_t pos = 0;
    if (v < 0)
        out[pos++] = '-';
    while (n > 0)
        out[pos++] = digits[--n];
    out[pos] = '\0';
    return true;
}

void FormatButtonSection(char* out, size_t size, unsigned n)
{
    char number[16];
    FormatInt(number, sizeof number, (int)(n > 2147483647u ? 2147483647u : n));
    TextCopy(out, size, "Button");
    TextAppend(out, size, number);
}

int LastBackslash(const char* path)
{
    int last = -1;
    for (int i = 0; path[i] != '\0'; ++i)
        if (path[i] == '\\')
            last = i;
    return last;
}

int LastSeparator(const char* path)
{
    int last = LastBackslash(path);
    if (last >= 0)
        return last;
    for (int i = 0; path[i] != '\0'; ++i)
        if (path[i] == '/')
            last = i;
    return last;
}

const char* NamePart(const char* path)
{
    return path + (LastBackslash(path) + 1);
}

// The extension of a name part: from its last "." on, or empty text.
static const char* Extension(const char* name)
{
    const char* dot = nullptr;
    for (const char* p = name; *p != '\0'; ++p)
        if (*p == '.')
            dot = p;
    return dot != nullptr ? dot : name + TextLength(name);
}

bool ApplyDisplayName(char* program, size_t size, const char* displayName)
{
    if (displayName[0] == '\0' || !SameTextNoCase(Extension(NamePart(program)), Extension(displayName)))
        return false;
    size_t keep = (size_t)(LastBackslash(program) + 1);
    if (keep + TextLength(displayName) + 1 > size)
        return false;
    TextCopy(program + keep, size - keep, displayName);
    return true;
}

bool SameFileName(const char* a, const char* b)
{
    return SameTextNoCase(NamePart(a), NamePart(b));
}

bool IsExplorerPath(const char* path)
{
    static const char tail[] = "explorer.exe";
    const size_t tailLength = sizeof tail - 1;
    size_t n = TextLength(path);
    return n >= tailLength && SameTextNoCase(path + (n - tailLength), tail);
}

char* TakeConfigPath(const char* commandLine, char* dest, size_t size)
{
    if (commandLine == nullptr || size == 0)
        return nullptr;
    while (*commandLine == ' ')
        ++commandLine;
    if (*commandLine == '\0')
        return nullptr;
    TextCopy(dest, size, commandLine);
    return dest;
}

bool ReplaceExtensionWithIni(char* path, size_t size)
{
    static const char extension[] = ".INI";
    int dot = -1;
    for (int i = 0; path[i] != '\0'; ++i)
        if (path[i] == '.')
            dot = i;
    if (dot < 0)
        return true;
    if ((size_t)dot + sizeof extension > size)
        return false;
    TextCopy(path + dot, size - (size_t)dot, extension);
    return true;
}

static bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

bool SectionValue(const char* block, const char* key, char* out, size_t size)
{
    for (const char* line = block; *line != '\0'; line += TextLength(line) + 1) {
        const char* k = line;
        while (IsBlank(*k))
            ++k;
        const char* value = k;
        while (*value != '\0' && *value != '=')
            ++value;
        const char* keyEnd = value;
        while (keyEnd > k && IsBlank(keyEnd[-1]))
            --keyEnd;
        size_t keyLength = TextLength(key);
        if (*value != '=' || (size_t)(keyEnd - k) != keyLength)
            continue;
        size_t i = 0;
        while (i < keyLength && LowerAscii(k[i]) == LowerAscii(key[i]))
            ++i;
        if (i < keyLength)
            continue;
        ++value;
        while (IsBlank(*value))
            ++value;
        size_t length = TextLength(value);
        while (length > 0 && IsBlank(value[length - 1]))
            --length;
        if (length >= 2 && (value[0] == '"' || value[0] == '\'') && value[length - 1] == value[0]) {
            ++value;
            length -= 2;
        }
        TextCopyN(out, size, value, length);
        return true;
    }
    return false;
}

bool ProfileText(const char* value, char* out, size_t size)
{
    if (size == 0)
        return false;
    const char* first = value;
    while (IsBlank(*first))
        ++first;
    size_t length = TextLength(first);
    while (length > 0 && IsBlank(first[length - 1]))
        --length;
    const bool enclosed = length >= 2 && (first[0] == '"' || first[0] == '\'') && first[length - 1] == first[0];
    if (!enclosed || TextLength(value) + 2 >= size) {
        TextCopy(out, size, value);
        return !enclosed;
    }
    TextCopy(out, size, "\"");
    TextAppend(out, size, value);
    TextAppend(out, size, "\"");
    return true;
}
