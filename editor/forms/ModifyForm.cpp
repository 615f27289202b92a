// The button properties dialog's controls in tab order: the window-style box
// comes after OK and Cancel, and its label after it, since the label leads
// nowhere.
#include "ModifyForm.h"

const ControlRow ModifyFormControls[] = {
//   class       text                  id                style                                          ex                left top  w    h    font
    {"STATIC",   "",                   IDC_ICONPICTURE,  SS_OWNERDRAW,                                  0,                16,  8,   32,  32,  FontNormal},
    {"STATIC",   "&File:",             IDC_MODIFY_LABEL, SS_LEFT,                                       0,                16,  51,  0,   0,   FontNormal},
    {"EDIT",     "",                   IDC_EXEFILENAME,  WS_TABSTOP | WS_GROUP | ES_AUTOHSCROLL,        WS_EX_CLIENTEDGE, 104, 48,  233, 21,  FontNormal},
    {"BUTTON",   "&Browse...",         IDC_BROWSE,       WS_TABSTOP | WS_GROUP | BS_PUSHBUTTON,         0,                120, 78,  84,  23,  FontNormal},
    {"BUTTON",   "&Change icon...",    IDC_CHANGEICON,   WS_TABSTOP | WS_GROUP | BS_PUSHBUTTON,         0,                224, 78,  84,  23,  FontNormal},
    {"STATIC",   "Par&ameters:",       IDC_MODIFY_LABEL, SS_LEFT,                                       0,                16,  115, 0,   0,   FontNormal},
    {"EDIT",     "",                   IDC_PARAMETERS,   WS_TABSTOP | WS_GROUP | ES_AUTOHSCROLL,        WS_EX_CLIENTEDGE, 104, 112, 233, 21,  FontNormal},
    {"STATIC",   "&Startup directory:", IDC_MODIFY_LABEL, SS_LEFT,                                      0,                16,  147, 0,   0,   FontNormal},
    {"EDIT",     "",                   IDC_DEFAULTDIR,   WS_TABSTOP | WS_GROUP | ES_AUTOHSCROLL,        WS_EX_CLIENTEDGE, 104, 144, 233, 21,  FontNormal},
    {"BUTTON",   "OK",                 IDOK,             WS_TABSTOP | WS_GROUP | BS_OWNERDRAW,          0,                160, 211, 74,  25,  FontNormal},
    {"BUTTON",   "Cancel",             IDCANCEL,         WS_TABSTOP | WS_GROUP | BS_OWNERDRAW,          0,                252, 211, 74,  25,  FontNormal},
    // the drop-down height holds the edit part and three 13-pixel lines
    {"COMBOBOX", "",                   IDC_WINDOWSTYLE,  WS_TABSTOP | WS_GROUP | CBS_DROPDOWN | WS_VSCROLL, 0,             104, 176, 233, 64,  FontNormal},
    {"STATIC",   "&Window:",           IDC_WINDOWLABEL,  SS_LEFT,                                       0,                16,  179, 0,   0,   FontNormal},
};
const size_t ModifyFormControlCount = sizeof ModifyFormControls / sizeof ModifyFormControls[0];
