// The launcher's own text work for 24 buttons, for counting instructions
// with callgrind: the values of each section as the profile read leaves
// them, turned into a button (number, show command, document and
// parameters, display name, name), then every button's command line.
#include <stdio.h>

#include "core/ButtonValues.h"
#include "core/Text.h"

struct Values {
    const char* fileName;
    const char* program;  // what the program lookup found
    const char* displayName;
    const char* parameters;
    const char* iconIndex;
    const char* window;
};

static const Values Sections[] = {
    {"C:\\Windows\\notepad.exe", "C:\\Windows\\notepad.exe", "notepad.exe", " ", "0", "Normal"},
    {"C:\\Docs\\Letter to the bank.txt", "C:\\Windows\\notepad.exe", "Notepad", "-p", "0", "Maximized"},
    {"C:\\Program Files\\Editor\\edit.exe", "C:\\Program Files\\Editor\\edit.exe", "edit.exe",
     "\"C:\\My Documents\\a b.txt\" /r", "2", "Minimized"},
    {"regedit.exe", "C:\\Windows\\regedit.exe", "regedit.exe", " ", "-1", "normal"},
};

struct Button {
    char program[260];
    char parameters[ParametersSize];
    char name[260];
    char runText[RunMenuTextSize];
    int iconIndex;
    int showCommand;
    bool document;
};

static Button Buttons[24];
static char Lines[24][600];

extern "C" __attribute__((noinline)) size_t LoadAndBuildButtons()
{
    size_t total = 0;
    for (int slot = 0; slot < 24; ++slot) {
        const Values& v = Sections[slot % 4];
        Button& b = Buttons[slot];
        char section[16];
        FormatButtonSection(section, sizeof section, (unsigned)slot + 1);
        TextCopy(b.parameters, sizeof b.parameters, v.parameters);
        TextCopy(b.program, sizeof b.program, v.program);
        ApplyDisplayName(b.program, sizeof b.program, v.displayName);
        b.document = !SameFileName(v.fileName, b.program);
        if (b.document)
            CombineDocumentParameters(v.fileName, b.parameters, sizeof b.parameters);
        b.iconIndex = ParseInt(v.iconIndex);
        b.showCommand = ShowCommandFromWord(v.window);
        IsExplorerPath(b.program);
        BuildButtonName(b.program, b.parameters, b.document, b.name, sizeof b.name);
        BuildRunMenuText(b.program, b.runText, sizeof b.runText);
    }
    for (int slot = 0; slot < 24; ++slot) {
        const Button& b = Buttons[slot];
        total += CommandLineLength(b.program, b.parameters, nullptr);
        BuildCommandLine(b.program, b.parameters, nullptr, Lines[slot], sizeof Lines[slot]);
    }
    return total;
}

int main()
{
    printf("%zu\n", LoadAndBuildButtons());
    return 0;
}
