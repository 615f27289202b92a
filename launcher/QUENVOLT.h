// Quenvolt, the launcher bar: resource and command identifiers, the bar's
// state and the button record; each unit declares its procedures in a header
// of its own.
#ifndef QUENVOLT_H
#define QUENVOLT_H

// Resource identifiers (also read by the resource compiler).
#define QUENVOLT_ICON_NAME "quenvolt"
#define ABOUT_BOX_NAME "AboutBox"

// System-menu commands.
#define IDM_ALWAYSONTOP 100
#define IDM_CONFIGURE 200
#define IDM_SAVESETTINGS 300
#define IDM_HELP 390
#define IDM_ABOUT 400

// Popup-menu commands of one button.
#define IDM_RUN 410
#define IDM_DELETE 411
#define IDM_PROPERTIES 412

// Control id of the button window of slot 0; slot s has FirstButtonId + s.
#define FIRST_BUTTON_ID 500

#ifndef RC_INVOKED

#include <windows.h>
#include <shellapi.h>

#include "core/ButtonValues.h"
#include "core/Geometry.h"
#include "core/Text.h"

const size_t PathSize = 260;

extern const char BarClassName[];   // "QuenvoltWClass"
extern const char HelpFileName[];   // "Quenvolt.hlp"
extern const char DefaultTitle[];   // "Quenvolet"

// The bar's window-level state, one per process: everything the bar keeps
// between messages but its buttons, so that one assignment forgets a bar.
struct TBarState {
    HWND BarWindow;
    HINSTANCE Instance;
    char ConfigFilePath[PathSize];
    bool AlwaysOnTop;
    unsigned short PlacementFlags;
    bool UnsavedChanges;
    bool HasWorkArea;
    bool InSnapMove;
    UINT TaskbarCreated;  // the shell's message that its taskbar is new, after Explorer restarted
    UINT PathMessage;  // what the editor and a second bar on the same file ask this bar
    int OpenBoxes;  // modal boxes of the bar open now; drops wait for them
    int CellWidth;
    int CellHeight;
    HPEN SeparatorPen;
    HMENU PopupMenu;
    HWND ToolTipWindow;
    int PopupSlot;
    bool HelpOpen;
    // Two memory contexts that live as long as the bar's faces: making them anew
    // for every face and every paint costs some display drivers more than the painting.
    HDC FaceDc[2];
    // The format of the first face, which the others are made in.
    BITMAP FaceFormat;
    int FallbackIconCounter;
    // Drops that came while a box of the bar was open, posted again after it.
    HDROP DeferredDrops[8];
    int DeferredCount;
    HMODULE Ole;  // loaded by the first dropped shortcut
};
extern TBarState BarState;

// One bar button, one heap block each; the slot that holds it owns it.
struct LauncherButton {
    HWND ButtonWindow;
    HICON Icon;
    char ProgramPath[PathSize];
    char Parameters[ParametersSize];
    char DefaultDirectory[PathSize];
    char IconFile[PathSize];
    int IconIndex;
    int ShowCommand;
    HBITMAP UpFace;
    HBITMAP DownFace;
    bool Document;  // the parameters begin with a document the program opens
};

// What a dropped shortcut gives for a new button, read by ResolveShortcut.
typedef LauncherButton ShortcutData;

extern LauncherButton* ButtonTable[MaxButtons];
extern int ButtonCount;

#endif  // RC_INVOKED
#endif
