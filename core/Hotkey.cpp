// The hotkey's word in the file and the modifiers and virtual key it stands for.
#include "core/Hotkey.h"

#include "core/Text.h"

namespace {

struct Name {
    const char* text;
    unsigned value;
};

const Name Modifiers[] = {{"Ctrl", HotkeyCtrl}, {"Shift", HotkeyShift}, {"Alt", HotkeyAlt}, {"Win", HotkeyWin}};

// Keys with names of their own; letters, digits, F-keys and the number pad's digits are counted out.
const Name Keys[] = {
    {"Backspace", 0x08}, {"Tab", 0x09},      {"Enter", 0x0D},    {"Pause", 0x13},  {"Esc", 0x1B},
    {"Space", 0x20},     {"PageUp", 0x21},   {"PageDown", 0x22}, {"End", 0x23},    {"Home", 0x24},
    {"Left", 0x25},      {"Up", 0x26},       {"Right", 0x27},    {"Down", 0x28},   {"PrintScreen", 0x2C},
    {"Insert", 0x2D},    {"Delete", 0x2E},   {"Multiply", 0x6A}, {"Add", 0x6B},    {"Subtract", 0x6D},
    {"Decimal", 0x6E},   {"Divide", 0x6F},
};

char Upper(char c)
{
    return c >= 'a' && c <= 'z' ? (char)(c - 'a' + 'A') : c;
}

// True when the piece of length n is the name, letters in any case.
bool IsName(const char* piece, size_t n, const char* name)
{
    size_t i = 0;
    for (; i < n && name[i] != '\0'; ++i)
        if (Upper(piece[i]) != Upper(name[i]))
            return false;
    return i == n && name[i] == '\0';
}

int HexDigit(char c)
{
    c = Upper(c);
    return c >= '0' && c <= '9' ? c - '0' : c >= 'A' && c <= 'F' ? c - 'A' + 10 : -1;
}

// A number of one or two decimal digits from first to last, else 0.
unsigned Number(const char* digits, size_t n)
{
    unsigned value = 0;
    for (size_t i = 0; i < n; ++i) {
        if (digits[i] < '0' || digits[i] > '9' || n > 2)
            return 0;
        value = value * 10 + (unsigned)(digits[i] - '0');
    }
    return value;
}

unsigned KeyOf(const char* piece, size_t n)
{
    if (n == 1) {
        const char c = Upper(piece[0]);
        if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'))
            return (unsigned)c;  // the virtual keys of letters and digits are their capitals
    }
    for (const Name& k : Keys)
        if (IsName(piece, n, k.text))
            return k.value;
    if (n >= 2 && Upper(piece[0]) == 'F') {
        const unsigned f = Number(piece + 1, n - 1);
        if (f >= 1 && f <= 24)
            return 0x70 + f - 1;
    }
    if (n == 4 && IsName(piece, 3, "Num") && piece[3] >= '0' && piece[3] <= '9')
        return 0x60 + (unsigned)(piece[3] - '0');
    if (n == 4 && piece[0] == '0' && Upper(piece[1]) == 'X' && HexDigit(piece[2]) >= 0 && HexDigit(piece[3]) >= 0) {
        const unsigned code = (unsigned)(HexDigit(piece[2]) * 16 + HexDigit(piece[3]));
        return code != 0 && code != 0xFF ? code : 0;
    }
    return 0;
}

void AppendHex(char* out, size_t size, unsigned code)
{
    const char digits[] = "0123456789ABCDEF";
    const char text[] = {'0', 'x', digits[(code >> 4) & 15], digits[code & 15], '\0'};
    TextAppend(out, size, text);
}

}  // namespace

bool ParseHotkey(const char* word, unsigned* modifiers, unsigned* key)
{
    *modifiers = 0;
    *key = 0;
    unsigned held = 0;
    for (const char* p = word;;) {
        while (*p == ' ')
            ++p;
        const char* end = p;
        while (*end != '\0' && *end != '+')
            ++end;
        size_t n = (size_t)(end - p);
        while (n > 0 && p[n - 1] == ' ')
            --n;
        if (*end == '\0') {
            const unsigned k = KeyOf(p, n);
            if (k == 0)
                return false;
            *modifiers = held;
            *key = k;
            return true;
        }
        unsigned m = 0;
        for (const Name& modifier : Modifiers)
            if (IsName(p, n, modifier.text))
                m = modifier.value;
        if (m == 0 || (held & m))
            return false;
        held |= m;
        p = end + 1;
    }
}

bool FormatHotkey(unsigned modifiers, unsigned key, char* out, size_t size)
{
    if (size == 0)
        return false;
    out[0] = '\0';
    if (key == 0 || key >= 0xFF)
        return false;
    char word[HotkeyWordSize] = "";
    for (const Name& modifier : Modifiers)
        if (modifiers & modifier.value) {
            TextAppend(word, sizeof word, modifier.text);
            TextAppend(word, sizeof word, "+");
        }
    const char single[] = {(char)key, '\0'};
    const char* name = (key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9') ? single : nullptr;
    for (const Name& k : Keys)
        if (k.value == key)
            name = k.text;
    char counted[8] = "";
    if (key >= 0x70 && key <= 0x87) {
        FormatInt(counted + 1, sizeof counted - 1, (int)(key - 0x70 + 1));
        counted[0] = 'F';
    } else if (key >= 0x60 && key <= 0x69) {
        TextCopy(counted, sizeof counted, "Num0");
        counted[3] = (char)('0' + key - 0x60);
    }
    if (counted[0] != '\0')
        name = counted;
    if (name != nullptr)
        TextAppend(word, sizeof word, name);
    else
        AppendHex(word, sizeof word, key);
    if (TextLength(word) + 1 > size)
        return false;
    TextCopy(out, size, word);
    return true;
}
