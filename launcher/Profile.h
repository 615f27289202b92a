// The configuration file's reads and writes: the window section and the
// button sections.
#ifndef QUENVOLT_PROFILE_H
#define QUENVOLT_PROFILE_H

#include "QUENVOLT.h"

extern const char WindowSection[];  // "Window"

// A section of the configuration file read in one call: the profile
// functions read the whole file again on every call. A section too long for
// the block is read key by key instead.
struct TSection {
    const char* Name;
    bool Whole;
    char Block[4096];
};
void ReadSection(const char* name, TSection* section);
void ReadKey(const TSection& section, const char* key, const char* fallback, char* out, DWORD size);

// The writes report success: false when any write to the file failed.
bool SaveWindowSettings(HWND bar);
// Writes the hotkey's word, or deletes the key for none; only a choice of the user writes it.
bool WriteHotkey(const char* word);
// The writes of the button sections report success: false when the slot is
// empty or a write to the file failed; UnsavedChanges stays set then.
bool EraseButtonSection(unsigned n);
bool WriteButtonSection(int slot);
bool FlushButtons();
// Saves the window settings and, when changed, the buttons; a failed write
// is told to the user when reportFailure is set, once per save.
void SaveSettings(bool reportFailure = false);

#endif
