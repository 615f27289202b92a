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

// The placement that [Window] gives: PlacementFlags, and where a bar of that
// size goes on work (CW_USEDEFAULT for a floating bar saved nowhere).
void ReadPlacement(const TSection& window, BarRect work, int width, int height, int* x, int* y);
// Writes the window settings into file (the configuration file, or the copy
// a whole save writes); false when any write to it failed.
bool SaveWindowSettings(HWND bar, const char* file);
// Writes the hotkey's word, or deletes the key for none, as one whole save;
// only a choice of the user writes it.
bool WriteHotkey(const char* word);
// Writes the button sections as one whole save; false when the file could
// not be written, and UnsavedChanges stays set then.
bool FlushButtons();
// Saves the window settings and, when changed, the buttons, as one whole
// save; a failed save is told to the user when reportFailure is set.
void SaveSettings(bool reportFailure = false);

#endif
