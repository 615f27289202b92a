// Small text helpers of the launcher. No Win32 and no C++ library here: the
// launcher keeps to fixed buffers, and these helpers never write past the
// size they are given.
#ifndef QUENVOLT_CORE_TEXT_H
#define QUENVOLT_CORE_TEXT_H

#include <stddef.h>

// Length of a zero-terminated text.
size_t TextLength(const char* s);

// Copies src into dst (size bytes, size > 0), cutting it to size - 1
// characters; dst is always terminated. Returns the number of characters
// copied.
size_t TextCopy(char* dst, size_t size, const char* src);

// Copies at most count characters of src into dst, as TextCopy.
size_t TextCopyN(char* dst, size_t size, const char* src, size_t count);

// Appends src to the text in dst (size bytes), cutting where the buffer
// ends. Returns the new length of dst.
size_t TextAppend(char* dst, size_t size, const char* src);

// True when an item of a command line holds a blank or a tab and so must go
// in double quotes to stay one argument; an item quoted already is not.
bool NeedsQuotes(const char* item);

// Appends item to dst (size bytes), in double quotes when NeedsQuotes says
// so, cutting where the buffer ends. Returns the new length of dst.
size_t AppendItem(char* dst, size_t size, const char* item);

// Appends src to the text in dst (size bytes) when it fits whole; else
// "..." and as much of the end of src as fits, where a path names its file.
// Returns the new length of dst.
size_t TextAppendTail(char* dst, size_t size, const char* src);

// True when a and b are equal byte for byte.
bool SameText(const char* a, const char* b);

// True when a and b are equal, the ASCII letters compared without regard to
// case and every other byte exactly.
bool SameTextNoCase(const char* a, const char* b);

// Reads an integer the way atoi does: leading white space, an optional sign,
// then decimal digits up to the first other character; no digits give 0.
// Values beyond the 32-bit range are clamped rather than left undefined.
int ParseInt(const char* s);

// Writes v in plain decimal ("%d") into out (size bytes). A value that does
// not fit is not written at all: out then holds empty text and the result is
// false.
bool FormatInt(char* out, size_t size, int v);

// Writes "Button" followed by n in decimal into out (size bytes).
void FormatButtonSection(char* out, size_t size, unsigned n);

// Position of the last backslash in path, or -1.
int LastBackslash(const char* path);

// Position of the last backslash in path, or when there is none the last
// forward slash, or -1.
int LastSeparator(const char* path);

// What follows the last backslash of path (the whole path without one).
const char* NamePart(const char* path);

// True when the name parts of a and b (after the last backslash) are equal
// without regard to the case of A to Z.
bool SameFileName(const char* a, const char* b);

// Puts the shell's display name of a program in place of the name part of
// program (size bytes), but only when it keeps the found file's extension
// (compared without regard to case) and the whole still fits: with hidden
// extensions "notepad" would turn a program into a document of itself.
// Returns true when the name was replaced.
bool ApplyDisplayName(char* program, size_t size, const char* displayName);

// True when path has at least 12 characters and ends in "explorer.exe",
// ignoring case.
bool IsExplorerPath(const char* path);

// The configuration path on the launcher's command line: leading blanks
// (" " only) skipped, the rest taken verbatim into dest (size bytes, cut to
// size - 1). Returns dest, or a null pointer when nothing is left.
char* TakeConfigPath(const char* commandLine, char* dest, size_t size);

// Replaces the text from the last "." of path (size bytes) by ".INI". A path
// without any "." stays unchanged. Returns false, leaving path unchanged, when
// the result would not fit.
bool ReplaceExtensionWithIni(char* path, size_t size);

// Finds key in a section block as GetPrivateProfileSectionA fills it
// ("key=value\0...\0\0") and copies its value into out (size bytes) as
// GetPrivateProfileStringA gives it: key compared without regard to case,
// blanks around key and value dropped, one pair of enclosing quotes removed,
// cut to size - 1. The first of duplicated keys counts. Returns false, leaving
// out unchanged, when the key is not there.
bool SectionValue(const char* block, const char* key, char* out, size_t size);

// The text to write for value so that SectionValue and the profile
// functions read back value itself: they take off one pair of enclosing
// quotes, so a value that is quoted whole (blanks aside) is written in one
// pair more. Returns false, with value copied as far as it fits, when out
// (size bytes) has no room for the pair.
bool ProfileText(const char* value, char* out, size_t size);

#endif
