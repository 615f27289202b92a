// A save of the configuration file as a whole, shared by the bar and the
// editor: the private-profile writes go to a copy beside the file, which then
// takes the file's place in one step, so that a failed write or a killed
// process leaves the file as it was.
#ifndef QUENVOLET_WHOLESAVE_H
#define QUENVOLET_WHOLESAVE_H

#include <windows.h>

struct TWholeSave {
    const char* Path;   // the configuration file
    const char* File;   // where the writes go: the copy, or the file itself
    char Copy[MAX_PATH];  // empty when the file is written in place
    DWORD Attributes;   // the file's, given to the copy that replaces it
};

// Starts a save of path: a copy of the file (an empty one while there is no
// file yet) to write into. A file that is a link, or in a folder where no new
// file can be made, is written in place, as the profile functions always did.
// False, nothing changed, when the copy could not be made of the file.
bool BeginWholeSave(const char* path, TWholeSave* save);

// Ends the save: when written is true and the copy differs from the file, the
// copy replaces the file; otherwise the copy goes. True when the file holds
// the writes; false leaves the file byte for byte as it was.
bool EndWholeSave(TWholeSave* save, bool written);

#endif
