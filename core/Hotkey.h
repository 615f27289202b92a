// The hotkey that summons the bar, as the file's [Window] section keeps it:
// a readable word such as "Ctrl+Alt+Q". Pure text work, no Win32.
#ifndef QUENVOLT_CORE_HOTKEY_H
#define QUENVOLT_CORE_HOTKEY_H

#include <stddef.h>

// Modifier bits, the values RegisterHotKey takes (MOD_ALT, MOD_CONTROL, MOD_SHIFT, MOD_WIN).
enum : unsigned { HotkeyAlt = 1, HotkeyCtrl = 2, HotkeyShift = 4, HotkeyWin = 8 };

// Room for the longest word FormatHotkey writes.
const size_t HotkeyWordSize = 40;

// Reads a word of modifiers ("Ctrl", "Shift", "Alt", "Win", in any order and
// case, each at most once) and one key joined by "+", blanks around each part
// allowed; the key is a letter, a digit, F1 to F24, a named key ("Space",
// "Home", "Num5"...) or a virtual-key code written "0x" and two hex digits.
// False, with both results 0, for anything else: no key, an unknown word.
bool ParseHotkey(const char* word, unsigned* modifiers, unsigned* key);

// Writes the word for modifiers and a virtual key into out (size bytes),
// the modifiers in the order Ctrl, Shift, Alt, Win. False, out empty, when
// there is no key or the word does not fit.
bool FormatHotkey(unsigned modifiers, unsigned key, char* out, size_t size);

#endif
