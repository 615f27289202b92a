// The editor's pure pieces: its command line, the values it reads from the
// configuration file, the restart command and the icon grid's arithmetic.
// No Win32 here, so that they are tested natively.
#ifndef QVCONFIG_CORE_EDITORCORE_H
#define QVCONFIG_CORE_EDITORCORE_H

#include <string>
#include <vector>

// The parameters of a command line, parameter 0 (the program) first. Blanks
// separate them; a stretch in double quotes may hold blanks, and the quotes
// are not part of the value.
std::vector<std::string> SplitCommandLine(const char* commandLine);

// An IconIndex value: decimal with an optional sign, or hexadecimal after
// "0x", "0X" or "$"; anything else gives 0. Only the low 16 bits are kept.
unsigned ReadIconIndex(const char* text);

// A whole decimal number with an optional sign; false when text is anything
// else (or does not fit in an int).
bool ParseDecimal(const char* text, int* value);

// The button's WindowState for a Window value: 1 minimized, 2 maximized,
// 0 otherwise. Only the first 10 characters count, without regard to case.
int WindowStateFromText(const char* text);
const char* WindowStateText(int windowState);  // null for a normal window

// The placement choice (0 floating, 1 top left, 2 top right, 3 bottom left,
// 4 bottom right) for the three keys as read; words are matched exactly.
int PositionChoiceFromKeys(const char* position, const char* horizontal, const char* vertical);
struct PositionKeys {
    const char* position;
    const char* horizontal;
    const char* vertical;
};
PositionKeys PositionKeysFor(int choice);

// The command that starts the launcher again: its path (in double quotes when
// it holds a blank), a blank and the configuration path as it is, since the
// launcher takes the rest of its line verbatim.
std::string RestartCommand(const std::string& launcher, const std::string& configPath);

// A name cut into the directory and file parts used for the program lookup:
// the file part follows the last backslash or colon; the separator stays
// with the directory only for a colon or a backslash right after a colon or
// a backslash ("C:\x.exe" gives "C:\"). False when the name holds neither a
// backslash nor a forward slash, so that it is looked up whole.
bool SplitProgramName(const std::string& name, std::string* directory, std::string* file);

// Icon grid arithmetic: cells of cellWidth with a grid line after each.
int FullyVisibleColumns(int clientWidth, int cellWidth, int lineWidth);
// The first visible column that keeps column in view, scrolling no further
// than needed (mouse and keyboard selection).
int ScrollIntoView(int first, int visible, int column, int count);
// The first visible column after the editor selects an entry: back to it
// when it lies left of the view, one column right when it lies beyond it.
int FirstColumnAfterSelect(int first, int visible, int column);
// The first visible column that centres selected among count columns.
int CentredFirstColumn(int selected, int count, int visible);
// The largest sensible first visible column.
int LastFirstColumn(int count, int visible);

// The folder the icon file browser opens in: name up to and including its
// last backslash or colon, or empty text.
std::string IconDirectoryOf(const std::string& name);
// Whether the start of a file (head, as much as was read) is an icon file
// whose directory of images lies whole within fileSize bytes. A file that
// does not start like an icon file is not judged here (true).
bool IconDirectorySound(const unsigned char* head, size_t headSize, unsigned long long fileSize);
// The bytes IconDirectorySound needs for count images.
inline size_t IconDirectorySize(unsigned count) { return 6 + 16 * (size_t)count; }
// How much of a file to read for IconDirectorySound, given its first bytes
// (header, as much as was read): the directory the header announces, as far
// as the file holds it, for an icon file; no more than was read for any other.
size_t IconDirectoryBytes(const unsigned char* header, size_t headerSize, unsigned long long fileSize);

// The icon file browser's filter for name's extension (its first four
// characters, any case): 1 ".ico", 2 ".exe", 3 ".dll", 4 ".nil", else 5.
int IconFilterIndex(const std::string& name);

#endif
