// The change icon dialog's controls in tab order, each label right before
// the control its mnemonic reaches. The grid shows seven 36-pixel columns
// with their grid lines inside its edge.
#include "ChangeIconForm.h"

#include "../IconGrid.h"

const ControlRow ChangeIconFormControls[] = {
//   class          text            id                    style                                    ex                left top  w    h    font
    {"STATIC",      "&File name:",  IDC_CHANGEICON_LABEL, SS_LEFT,                                 0,                16,  8,   0,   0,   FontNormal},
    {"EDIT",        "",             IDC_ICONFILENAME,     WS_TABSTOP | WS_GROUP | ES_AUTOHSCROLL,  WS_EX_CLIENTEDGE, 16,  24,  263, 21,  FontNormal},
    {"STATIC",      "&Current icon:", IDC_CHANGEICON_LABEL, SS_LEFT,                               0,                16,  56,  0,   0,   FontNormal},
    {IconGridClass, "",             IDC_ICONLIST,         WS_TABSTOP | WS_GROUP,                   WS_EX_CLIENTEDGE, 16,  72,  263, 41,  FontNormal},
    {"BUTTON",      "OK",           IDOK,                 WS_TABSTOP | WS_GROUP | BS_OWNERDRAW,    0,                15,  136, 74,  25,  FontNormal},
    {"BUTTON",      "Cancel",       IDCANCEL,             WS_TABSTOP | WS_GROUP | BS_OWNERDRAW,    0,                110, 136, 74,  25,  FontNormal},
    {"BUTTON",      "&Browse...",   IDC_LOADICONS,        WS_TABSTOP | WS_GROUP | BS_PUSHBUTTON,   0,                205, 136, 74,  25,  FontNormal},
};
const size_t ChangeIconFormControlCount = sizeof ChangeIconFormControls / sizeof ChangeIconFormControls[0];
