// Finding a file by name the way the system searches for programs.
#ifndef QUENVOLT_FILESEARCH_H
#define QUENVOLT_FILESEARCH_H

#include "QUENVOLT.h"

// Finds a file by the 32-bit search rules for a name without a directory
// (the program's own directory, the current directory, the system
// directory, the Windows directory, then PATH), or as given for a name with
// one. On success found (size bytes) receives the full path, never cut.
bool LocateFile(const char* name, char* found, size_t size);

#endif
