// The main form's controls, in tab order: the grid first, the labels each
// right before the control their mnemonic reaches.
#include "MainForm.h"

#include "../IconGrid.h"

const ControlRow MainFormControls[] = {
//   class          text                                      id               style                                        ex                left top  w    h    font
    {IconGridClass, "",                                        IDC_ICONGRID,    WS_TABSTOP | WS_GROUP,                       WS_EX_CLIENTEDGE, 14, 118, 374, 41,  FontNormal},
    {"STATIC",      "No icons defined - click Insert to add.", IDC_NOICONS,     SS_LEFT,                                     0,                40, 136, 0,   0,   FontNormal},
    {"STATIC",      "Configuration file:",                     IDC_LABEL,       SS_LEFT,                                     0,                16, 16,  0,   0,   FontNormal},
    {"STATIC",      "",                                        IDC_INIFILENAME, SS_LEFT | SS_NOPREFIX | SS_PATHELLIPSIS,     0,                122, 16, 263, 13,  FontNormal},
    {"STATIC",      "Window &Title:",                          IDC_LABEL,       SS_LEFT,                                     0,                16, 43,  0,   0,   FontNormal},
    {"EDIT",        "",                                        IDC_WINDOWTITLE, WS_TABSTOP | WS_GROUP | ES_AUTOHSCROLL,      WS_EX_CLIENTEDGE, 122, 40, 257, 21,  FontBold},
    {"STATIC",      "Window &Position:",                       IDC_LABEL,       SS_LEFT,                                     0,                16, 72,  0,   0,   FontNormal},
    {"COMBOBOX",    "",                                        IDC_WINDOWPOS,   WS_TABSTOP | WS_GROUP | CBS_DROPDOWNLIST | WS_VSCROLL, 0,       122, 68, 257, 90,  FontBold},
    {"STATIC",      "Icons:",                                  IDC_LABEL,       SS_LEFT,                                     0,                16, 100, 0,   0,   FontNormal},
    {"BUTTON",      "&Insert...",                              IDC_INSERT,      WS_TABSTOP | WS_GROUP | BS_PUSHBUTTON,       0,                16, 184, 78,  23,  FontNormal},
    {"BUTTON",      "&Delete",                                 IDC_DELETE,      WS_TABSTOP | WS_GROUP | BS_PUSHBUTTON,       0,                104, 184, 78, 23,  FontNormal},
    {"BUTTON",      "P&roperties",                             IDC_CHANGE,      WS_TABSTOP | WS_GROUP | BS_PUSHBUTTON,       0,                192, 184, 78, 23,  FontNormal},
    {"BUTTON",      "",                                        IDC_MOVELEFT,    WS_TABSTOP | WS_GROUP | BS_OWNERDRAW | WS_DISABLED, 0,         280, 184, 23, 23,  FontNormal},
    {"STATIC",      "",                                        IDC_BEVEL,       SS_ETCHEDFRAME,                              0,                303, 184, 61, 23,  FontNormal},
    {"STATIC",      "Move",                                    IDC_LABEL,       SS_LEFT,                                     0,                320, 189, 0,  0,   FontNormal},
    {"BUTTON",      "",                                        IDC_MOVERIGHT,   WS_TABSTOP | WS_GROUP | BS_OWNERDRAW,        0,                364, 184, 23, 23,  FontNormal},
    {"STATIC",      "",                                        IDC_PANEL,       SS_ETCHEDHORZ,                               0,                16, 216, 371, 2,   FontNormal},
    {"BUTTON",      "OK",                                      IDOK,            WS_TABSTOP | WS_GROUP | BS_OWNERDRAW,        0,                216, 228, 74, 25,  FontNormal},
    {"BUTTON",      "Cancel",                                  IDCANCEL,        WS_TABSTOP | WS_GROUP | BS_OWNERDRAW,        0,                308, 228, 74, 25,  FontNormal},
};
const size_t MainFormControlCount = sizeof MainFormControls / sizeof MainFormControls[0];
