// The names a save of the configuration file needs: the copy written beside
// the file, and the message that the bar running on a file answers to. No
// Win32 here, fixed buffers only.
#ifndef QUENVOLET_CORE_SAVEPIECES_H
#define QUENVOLET_CORE_SAVEPIECES_H

#include <stddef.h>

// The copy that a save writes beside path before it takes the file's place:
// path followed by "~", into out (size bytes). False, out empty, when path is
// a bare name (no folder, no drive) or the name does not fit.
bool SaveCopyName(const char* path, char* out, size_t size);

// The longest name the system registers a window message under.
const size_t PathMessageNameSize = 256;

// The name of the message that bars on the file at the full path answer:
// "Quenvolet bar " and the path with its letters a to z in capitals, so that
// two spellings of one path share it; a path too long for a message name is
// put as 16 hexadecimal digits of a hash of that text instead. out holds at
// least PathMessageNameSize bytes.
void PathMessageName(const char* fullPath, char* out, size_t size);

#endif
