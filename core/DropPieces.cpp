#include "DropPieces.h"

#include "Text.h"

int DropTargetSlot(int x, int y, int cellWidth, int buttonCount)
{
    if (y < 0 || cellWidth < 0)
        return -1;
    // Division toward zero gives the narrow left border (x just below 0) to slot 0.
    int slot = x / (cellWidth + 1);
    if (slot < 0 || slot >= buttonCount)
        return -1;
    return slot;
}

int DropRoom(const char* programPath, const char* parameters)
{
    int room = 137 - (int)TextLength(programPath);
    if (parameters[0] != '\0')
        room -= (int)TextLength(parameters) + 1;
    return room;
}

static bool HasBlank(const char* s)
{
    for (; *s != '\0'; ++s)
        if (*s == ' ')
            return true;
    return false;
}

bool AppendArgument(char* text, size_t size, int room, const char* item)
{
    if (size == 0 || room < 0)
        return false;
    const size_t used = TextLength(text);
    const bool quoted = HasBlank(item);
    const size_t grown = used + (used > 0 ? 1 : 0) + TextLength(item) + (quoted ? 2 : 0);
    if (grown > (size_t)room || grown > size - 1)
        return false;
    if (used > 0)
        TextAppend(text, size, " ");
    if (quoted)
        TextAppend(text, size, "\"");
    TextAppend(text, size, item);
    if (quoted)
        TextAppend(text, size, "\"");
    return true;
}

size_t DirectoryPartLength(const char* path, LeadBytePredicate isLeadByte)
{
    size_t end = (path[0] != '\0' && path[1] == ':') ? 2 : 0;
    for (size_t i = 0; path[i] != '\0'; ++i) {
        if (isLeadByte != nullptr && isLeadByte((unsigned char)path[i]) && path[i + 1] != '\0') {
            ++i;  // the second byte may look like a backslash
            continue;
        }
        if (path[i] == '\\' || path[i] == '/')
            end = i + 1;
    }
    return end;
}

const char* RelativeItem(const char* path, const char* directory, LeadBytePredicate isLeadByte)
{
    char own[DropPathSize];
    const size_t length = DirectoryPartLength(path, isLeadByte);
    if (length >= sizeof own)
        return path;
    TextCopyN(own, sizeof own, path, length);
    return SameTextNoCase(own, directory) ? path + length : path;
}

bool IsShortcutName(const char* path)
{
    const char* dot = nullptr;
    for (const char* p = path; *p != '\0'; ++p)
        if (*p == '.')
            dot = p;
    return dot != nullptr && (SameTextNoCase(dot, ".lnk") || SameTextNoCase(dot, ".pif"));
}

bool DocumentWithArguments(const char* document, const char* arguments, char* out, size_t size)
{
    if (size == 0)
        return false;
    // A document with a blank goes in quotes, which count, so that it stays one argument.
    size_t length = TextLength(document) + (NeedsQuotes(document) ? 2 : 0);
    if (arguments[0] != '\0')
        length += 1 + TextLength(arguments);
    out[0] = '\0';
    if (length >= size)
        return false;
    AppendItem(out, size, document);
    if (arguments[0] != '\0') {
        TextAppend(out, size, " ");
        TextAppend(out, size, arguments);
    }
    return true;
}

static int FindPercent(const char* text, int from)
{
    for (int i = from; text[i] != '\0'; ++i)
        if (text[i] == '%')
            return i;
    return -1;
}

bool ExpandVariables(char* destination, size_t size, const char* source, VariableLookup lookup)
{
    if (size == 0)
        return false;
    destination[0] = '\0';
    char text[DropPathSize];
    if (TextLength(source) >= sizeof text)
        return false;
    TextCopy(text, sizeof text, source);

    for (int round = 0;; ++round) {
        const int first = FindPercent(text, 0);
        const int second = first < 0 ? -1 : FindPercent(text, first + 1);
        if (second < 0)
            break;
        if (round == MaxExpansionRounds)
            return false;
        char name[DropPathSize];
        TextCopyN(name, sizeof name, text + first + 1, (size_t)(second - first - 1));
        char value[DropPathSize];
        int length = lookup(name, value, sizeof value);
        if (length < 0) {
            value[0] = '\0';
            length = 0;
        }
        if ((size_t)length >= sizeof value)
            return false;
        const char* rest = text + second + 1;
        if ((size_t)first + (size_t)length + TextLength(rest) >= sizeof text)
            return false;
        char next[DropPathSize];
        TextCopyN(next, sizeof next, text, (size_t)first);
        TextAppend(next, sizeof next, value);
        TextAppend(next, sizeof next, rest);
        TextCopy(text, sizeof text, next);
    }
    if (TextLength(text) >= size)
        return false;
    TextCopy(destination, size, text);
    return true;
}
