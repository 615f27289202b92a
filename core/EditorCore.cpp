#include "EditorCore.h"

#include <cctype>
#include <climits>
#include <cstring>

static bool IsSeparator(char c)
{
    return c != '\0' && (unsigned char)c <= ' ';
}

std::vector<std::string> SplitCommandLine(const char* commandLine)
{
    std::vector<std::string> result;
    const char* p = commandLine ? commandLine : "";
    for (;;) {
        while (IsSeparator(*p))
            ++p;
        if (*p == '\0')
            return result;
        std::string value;
        bool quoted = false;
        for (; *p != '\0' && (quoted || !IsSeparator(*p)); ++p) {
            if (*p == '"')
                quoted = !quoted;
            else
                value += *p;
        }
        result.push_back(value);
    }
}

static int HexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Reads a whole integer: sign, then decimal or prefixed hexadecimal digits.
static bool ParseInteger(const char* text, bool allowHex, long long* value)
{
    const char* p = text;
    bool negative = false;
    if (*p == '-' || *p == '+')
        negative = *p++ == '-';
    int base = 10;
    if (allowHex && *p == '$') {
        base = 16;
        ++p;
    } else if (allowHex && p[0] == '0' && (p[1] == 'x' || p[1] == 'X')) {
        base = 16;
        p += 2;
    }
    if (*p == '\0')
        return false;
    unsigned long long magnitude = 0;
    for (; *p != '\0'; ++p) {
        int digit = base == 16 ? HexDigit(*p) : (*p >= '0' && *p <= '9' ? *p - '0' : -1);
        if (digit < 0)
            return false;
        magnitude = magnitude * base + digit;
        // hexadecimal may fill all 32 bits; decimal must stay an int
        if (magnitude > (base == 16 ? 0xFFFFFFFFull : (unsigned long long)INT_MAX + negative))
            return false;
    }
    long long v = base == 16 ? (long long)(int)(unsigned)magnitude : (long long)magnitude;
    *value = negative ? -v : v;
    return true;
}

unsigned ReadIconIndex(const char* text)
{
    long long value = 0;
    if (!ParseInteger(text, true, &value))
        return 0;
    return (unsigned)value & 0xFFFFu;
}

bool ParseDecimal(const char* text, int* value)
{
    long long v = 0;
    if (!ParseInteger(text, false, &v))
        return false;
    *value = (int)v;
    return true;
}

static bool SameNoCase(const std::string& a, const char* b)
{
    if (a.size() != std::strlen(b))
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        char x = a[i], y = b[i];
        if (x >= 'A' && x <= 'Z')
            x = (char)(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z')
            y = (char)(y - 'A' + 'a');
        if (x != y)
            return false;
    }
    return true;
}

int WindowStateFromText(const char* text)
{
    const std::string cut = std::string(text).substr(0, 10);
    if (SameNoCase(cut, "Minimized"))
        return 1;
    if (SameNoCase(cut, "Maximized"))
        return 2;
    return 0;
}

const char* WindowStateText(int windowState)
{
    return windowState == 1 ? "Minimized" : windowState == 2 ? "Maximized" : nullptr;
}

int PositionChoiceFromKeys(const char* position, const char* horizontal, const char* vertical)
{
    if (std::strcmp(position, "Fixed") != 0)
        return 0;
    const bool left = std::strcmp(horizontal, "Left") == 0;
    const bool top = std::strcmp(vertical, "Top") == 0;
    return top ? (left ? 1 : 2) : (left ? 3 : 4);
}

PositionKeys PositionKeysFor(int choice)
{
    switch (choice) {
    case 1: return {"Fixed", "Left", "Top"};
    case 2: return {"Fixed", "Right", "Top"};
    case 3: return {"Fixed", "Left", "Bottom"};
    case 4: return {"Fixed", "Right", "Bottom"};
    default: return {"Floating", "", ""};
    }
}

std::string RestartCommand(const std::string& launcher, const std::string& configPath)
{
    const bool blank = launcher.find(' ') != std::string::npos;
    std::string command = blank ? "\"" + launcher + "\"" : launcher;
    return command + " " + configPath;
}

bool SplitProgramName(const std::string& name, std::string* directory, std::string* file)
{
    if (name.find_first_of("\\/") == std::string::npos)
        return false;
    const size_t cut = name.find_last_of("\\:");
    if (cut == std::string::npos) {
        *directory = "";
        *file = name;
        return true;
    }
    const bool keep = name[cut] == ':' || (cut > 0 && (name[cut - 1] == ':' || name[cut - 1] == '\\'));
    *directory = name.substr(0, keep ? cut + 1 : cut);
    *file = name.substr(cut + 1);
    return true;
}

int FullyVisibleColumns(int clientWidth, int cellWidth, int lineWidth)
{
    if (clientWidth <= 0 || cellWidth + lineWidth <= 0)
        return 0;
    // the grid line after the last column may fall outside the window
    return (clientWidth + lineWidth) / (cellWidth + lineWidth);
}

int LastFirstColumn(int count, int visible)
{
    return count > visible ? count - visible : 0;
}

int ScrollIntoView(int first, int visible, int column, int count)
{
    if (column < first)
        first = column;
    else if (visible > 0 && column >= first + visible)
        first = column - visible + 1;
    const int last = LastFirstColumn(count, visible);
    return first > last ? last : first < 0 ? 0 : first;
}

int FirstColumnAfterSelect(int first, int visible, int column)
{
    if (column < first)
        return column;
    if (column >= first + visible)
        return first + 1;
    return first;
}

int CentredFirstColumn(int selected, int count, int visible)
{
    if (selected < visible)
        return 0;
    if (selected + visible > count)
        return count - visible;
    return selected - visible / 2;
}

std::string IconDirectoryOf(const std::string& name)
{
    const size_t separator = name.find_last_of("\\:");
    return separator == std::string::npos ? std::string() : name.substr(0, separator + 1);
}

int IconFilterIndex(const std::string& name)
{
    const size_t separator = name.find_last_of("\\:");
    const size_t dot = name.rfind('.');
    if (dot == std::string::npos || (separator != std::string::npos && dot < separator))
        return 5;
    std::string extension = name.substr(dot, 4);
    for (char& c : extension)
        c = (char)std::toupper((unsigned char)c);
    const char* const known[] = {".ICO", ".EXE", ".DLL", ".NIL"};
    for (int i = 0; i < 4; ++i)
        if (extension == known[i])
            return i + 1;
    return 5;
}

bool IconDirectorySound(const unsigned char* head, size_t headSize, unsigned long long fileSize)
{
    if (headSize < 4 || head[0] != 0 || head[1] != 0 || head[2] != 1 || head[3] != 0)
        return true;
    if (headSize < 6)
        return false;
    const unsigned count = head[4] | (unsigned)head[5] << 8;
    if (count == 0 || headSize < IconDirectorySize(count) || fileSize < IconDirectorySize(count))
        return false;
    for (unsigned i = 0; i < count; ++i) {
        const unsigned char* entry = head + 6 + 16 * i;
        const unsigned long long size = entry[8] | (unsigned)entry[9] << 8 | (unsigned)entry[10] << 16 |
                                        (unsigned long long)entry[11] << 24;
        const unsigned long long offset = entry[12] | (unsigned)entry[13] << 8 | (unsigned)entry[14] << 16 |
                                          (unsigned long long)entry[15] << 24;
        if (size == 0 || offset < IconDirectorySize(count) || offset + size > fileSize)
            return false;
    }
    return true;
}

size_t IconDirectoryBytes(const unsigned char* header, size_t headerSize, unsigned long long fileSize)
{
    if (headerSize < 6 || header[0] != 0 || header[1] != 0 || header[2] != 1 || header[3] != 0)
        return headerSize;
    const size_t directory = IconDirectorySize(header[4] | (unsigned)header[5] << 8);
    if (fileSize >= directory)
        return directory;
    return fileSize > headerSize ? (size_t)fileSize : headerSize;  // never less than is already held
}
