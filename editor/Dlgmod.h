// TdlgModify, the button properties dialog: one button edited in a working
// copy that OK writes back.
#ifndef QVCONFIG_DLGMOD_H
#define QVCONFIG_DLGMOD_H

#include <windows.h>

#include <string>

#include "Glyphs.h"
#include "IconUtil.h"
#include "forms/Form.h"

// The state of one showing of the dialog.
struct TdlgModify {
    HWND Handle = nullptr;
    std::string Caption;
    int Left = 0, Top = 0;
    TButtonInfo* Entry = nullptr;  // the button edited, which OK writes into
    TButtonInfo ButtonInfo;      // the working copy, its icon image its own
    bool FileNameValid = true;
    int OkResult = IDOK;         // 0 while the File field holds a change not yet checked
    bool SettingFileName = false;  // the dialog itself puts text into the File field
    bool PictureFallsBack = true;  // an empty icon shows DefaultIcon
    bool Closing = false;
    bool TaskBarEntry = false;   // shown for the whole run, with no owner
    FormLayout Layout = {};
    GlyphFaces Glyphs = {};
};

// Edits entry in a modal dialog with the given caption, its top-left corner
// at left, top; true when the user confirmed with OK (entry then holds the
// edited button). Without an owner the dialog is the run's window on the
// task bar.
bool ExecuteModifyDialog(HWND owner, const char* caption, TButtonInfo& entry, int left, int top);

#endif
