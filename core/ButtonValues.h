// Values of one button: how a document and its parameters are combined, the
// show-command words of the file, the command line a button starts and the
// text of its popup menu's first item. Pure text work, no Win32.
#ifndef QUENVOLT_CORE_BUTTONVALUES_H
#define QUENVOLT_CORE_BUTTONVALUES_H

#include <stddef.h>

// The bar holds at most this many buttons, and the file as many Button<n>
// sections; both programs read and write by it.
const int MaxButtons = 24;

// Size of a button's parameter field: at most 137 characters.
const size_t ParametersSize = 138;

// Size of the text of the popup menu's first item.
const size_t RunMenuTextSize = 265;

// Show commands as the file's "Window" values give them.
enum : int {
    ShowMaximized = 3,  // SW_SHOWMAXIMIZED
    ShowMinimize = 6,   // SW_MINIMIZE
    ShowNormal = 5      // SW_SHOW
};

// For a document D (not itself the program found for it), the parameters
// field becomes D alone when the file had no Parameters key (the field then
// begins with the one-blank default), or D, a blank and the configured
// parameters as they stand, cut so that the whole holds at most 137
// characters. D goes in double quotes when it holds a blank. Returns false,
// leaving params unchanged, when D (with its quotes) has more than 137
// characters and so cannot be held at all.
bool CombineDocumentParameters(const char* document, char* params, size_t paramsSize);

// Show command for a "Window" value: "Maximized" and "Minimized" in any case
// of letters, anything else a normal window.
int ShowCommandFromWord(const char* word);

// The "Window" value written for a show command, or a null pointer when no
// key is written (a normal window).
const char* WordForShowCommand(int showCommand);

// Length of the command line of a button (without the terminating zero):
// the program (in double quotes when it holds a blank and is not quoted
// already, so that "C:\Program.exe" is never started in its place), a blank
// and the parameters when there are any, then a blank unless they begin with
// one and the extra arguments when given.
size_t CommandLineLength(const char* program, const char* params, const char* extra);

// Builds that command line into out (size bytes). Returns false when out is
// too small, leaving it empty.
bool BuildCommandLine(const char* program, const char* params, const char* extra, char* out, size_t size);

// "&Run " followed by the name part of the program path, cut to the buffer.
void BuildRunMenuText(const char* programPath, char* out, size_t size);

// The name a button shows as its tooltip and window text, cut to the buffer:
// the name part of the program path and, for a document button, " - " and
// the name part of the first item of the parameters (a quoted item whole).
void BuildButtonName(const char* programPath, const char* params, bool document, char* out, size_t size);

#endif
