// TdlgChangeIcon, the change icon dialog: every icon of one file in a
// one-row grid, the chosen one handed to the properties dialog's copy.
#ifndef QVCONFIG_CHNGICON_H
#define QVCONFIG_CHNGICON_H

#include <windows.h>

#include <string>
#include <vector>

#include "Glyphs.h"
#include "IconUtil.h"
#include "forms/Form.h"

const int MaxIcons = 256;

// The state of one showing of the dialog.
struct TdlgChangeIcon {
    HWND Handle = nullptr;
    int Left = 0, Top = 0;
    TButtonInfo* Button = nullptr;  // the properties dialog's working copy
    std::vector<TIcon> IconList;    // an entry gets its image when its cell is first painted
    short IconCount = 0;
    std::string CurrentIconFile;
    std::string LastBrowsed;        // the file the open dialog gave last
    int OkResult = IDOK;            // 0 while the File name field holds a change not yet checked
    bool SettingFileName = false;   // the dialog itself puts text into the File name field
    bool Checking = false;          // a check's own message boxes take the focus from the field
    bool Closing = false;
    FormLayout Layout = {};
    GlyphFaces Glyphs = {};
};

// How often the dialog read a file: icon counts and single icon images.
struct IconFileReads {
    int counts;
    int images;
};
extern IconFileReads ChangeIconReads;

// Shows the dialog for button at left, top; true when the user chose with
// OK, button then holding IconFile, IconIndex and the image.
bool ExecuteChangeIconDialog(HWND owner, TButtonInfo& button, int left, int top);

#endif
