// The pure pieces of dropping files onto the bar: which cell a drop point
// hits, the room a button leaves for dropped names and the argument texts
// built within it, the directory and name parts of a path, shortcut names,
// and %NAME% expansion over a lookup the caller supplies. No Win32 here.
#ifndef QUENVOLT_CORE_DROPPIECES_H
#define QUENVOLT_CORE_DROPPIECES_H

#include <stddef.h>

// Size of the argument text built for a drop on a button.
const size_t DropArgumentsSize = 138;

// Size of every path-sized text here: at most 259 characters.
const size_t DropPathSize = 260;

// How many %NAME% pairs one expansion replaces at most; a value that names
// itself would otherwise be replaced for ever.
const int MaxExpansionRounds = 256;

// True when byte c begins a double-byte character in the current code page;
// a null predicate means a single-byte code page.
typedef bool (*LeadBytePredicate)(unsigned char c);

// The value of the variable name, written into value (size bytes, cut to
// fit). Returns -1 when there is no such variable, else the full length of
// the value (size or more when it was cut).
typedef int (*VariableLookup)(const char* name, char* value, size_t size);

// The slot of the button under the drop point (x, y) in the bar's client
// coordinates, or -1 when the drop is onto the bar itself (the caption, or
// right of the last button). The separator column right of a button and the
// narrow left border belong to the button beside them.
int DropTargetSlot(int x, int y, int cellWidth, int buttonCount);

// The room that a button of programPath and parameters leaves for dropped
// names, so that the whole command line stays within 138 characters. May be
// negative.
int DropRoom(const char* programPath, const char* parameters);

// Appends item to the argument text (size bytes): after a blank when text is
// not empty, in double quotes when it contains a blank. Returns false, and
// leaves text unchanged, when the text would then be longer than room (or
// than the buffer).
bool AppendArgument(char* text, size_t size, int room, const char* item);

// Length of the directory part of path: up to and including its last
// backslash or forward slash, or its drive ("C:") when it has no separator.
// The second byte of a double-byte character is never a separator.
size_t DirectoryPartLength(const char* path, LeadBytePredicate isLeadByte);

// The item that stands for path when names are given relative to
// directory: its name part when its directory part equals directory
// (ignoring the case of A to Z), else the whole path.
const char* RelativeItem(const char* path, const char* directory, LeadBytePredicate isLeadByte);

// True when the text from the last "." of path on is ".lnk" or ".pif",
// ignoring case: the file is read through the shell-link object.
bool IsShortcutName(const char* path);

// The parameters of a button for a document: the document alone, or the
// document, a blank and arguments; the document in double quotes when it
// holds a blank, the quotes counted. Returns false, leaving out empty, when
// that does not fit in out (size bytes): a cut document or cut arguments
// would open something else.
bool DocumentWithArguments(const char* document, const char* arguments, char* out, size_t size);

// Copies source into destination (size bytes) with every %NAME% pair
// replaced by the variable's value, from left to right and again inside
// the values; an undefined name goes with its two percent signs, and a lone
// percent sign stays. Returns false, leaving destination empty, when the
// result would pass DropPathSize - 1 characters or the buffer, or would
// need more than MaxExpansionRounds replacements.
bool ExpandVariables(char* destination, size_t size, const char* source, VariableLookup lookup);

#endif
