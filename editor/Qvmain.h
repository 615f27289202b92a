// TfrmQVConfig, the editor's main form: the configuration file chosen and
// loaded, the title, placement and button list edited, the file written back
// and the launcher started again at the end.
#ifndef QVCONFIG_QVMAIN_H
#define QVCONFIG_QVMAIN_H

#include <windows.h>

#include <string>
#include <vector>

#include "Glyphs.h"
#include "forms/Form.h"

// The state of one run of the main form.
struct TfrmQVConfig {
    HWND Handle = nullptr;
    std::vector<std::string> Params;  // the command line, the program first
    std::string ConfigFilePath;
    std::string SavedTitle;
    int PositionChoice = 0;
    int InitialPositionChoice = 0;
    bool Modified = false;
    bool GridUpdating = false;
    bool DirectMode = false;
    bool NoFile = false;  // no file is to be edited: the run ends at once
    FormLayout Layout = {};
    GlyphFaces Glyphs = {};
};

// Creates the main form for a command line and runs its start-up, then shows
// it (or in direct mode saves and closes it). True while the form is open;
// it ends its run itself when it is closed.
bool StartMainForm(TfrmQVConfig& form, const char* commandLine);

// The whole program: the main form and its message loop.
int RunEditor(const char* commandLine);

#endif
