// TdlgModify, the button properties dialog: one entry of ButtonList edited
// in a working copy that OK writes back.
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
    unsigned short CurrentButton = 0;
    TButtonInfo ButtonInfo;      // the working copy, its icon image its own
    bool FileNameValid = true;
    int OkResult = IDOK;         // 0 while the File field holds typing not yet checked
    bool PictureFallsBack = true;  // an empty icon shows DefaultIcon
    bool Closing = false;
    FormFonts Fonts = {};
    GlyphFaces Glyphs = {};
};

// Edits entry index of ButtonList in a modal dialog with the given caption,
// its top-left corner at left, top; true when the user confirmed with OK
// (the entry then holds the edited button).
bool ExecuteModifyDialog(HWND owner, const char* caption, int index, int left, int top);

#endif
