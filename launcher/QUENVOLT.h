// Quenvolt, the launcher bar: resource and command identifiers, the bar's
// state and the button record; each unit declares its procedures in a header
// of its own.
#ifndef QUENVOLT_H
#define QUENVOLT_H

// Resource identifiers (also read by the resource compiler).
#define QUENVOLT_ICON_NAME "quenvolt"
#define ABOUT_BOX_NAME "AboutBox"
#define HOTKEY_BOX_NAME "HotkeyBox"

// Controls of the hotkey dialog.
#define IDC_HOTKEY 101
#define IDC_HOTKEYNONE 102

// System-menu commands.
#define IDM_ALWAYSONTOP 100
#define IDM_AUTOHIDE 150
#define IDM_HOTKEY 160
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

// Sent by a button window to the bar with a key pressed on it (wParam); non-zero when the bar took the key.
const UINT WM_BUTTONKEY = WM_APP + 1;

extern const char BarClassName[];   // "QuenvoltWClass"
extern const char HelpFileName[];   // "Quenvolt.hlp"
extern const char DefaultTitle[];   // "Quenvolet"

// Auto-hide of a docked bar: the setting, and the slide in progress.
struct TAutoHide {
    bool On;
    bool InMenu;  // a menu of the bar is open
    DWORD WantedSince;  // when the pointer, a menu, a box or the focus last wanted the bar shown
    DWORD SlideStart;  // 0 while no slide is under way
    int SlideFrom, SlideTo;
    UINT Pace;  // the interval the timer runs at, 0 when stopped
};

// The bar's window-level state, one per process: everything the bar keeps
// between messages but its buttons, so that one assignment forgets a bar.
struct TBarState {
    HWND BarWindow;
    HINSTANCE Instance;
    char ConfigFilePath[PathSize];
    bool AlwaysOnTop;
    TAutoHide AutoHide;
    unsigned short PlacementFlags;
    bool UnsavedChanges;
    bool HasWorkArea;
    bool InSnapMove;
    UINT TaskbarCreated;  // the shell's message that its taskbar is new, after Explorer restarted
    UINT PathMessage;  // what the editor and a second bar on the same file ask this bar
    int OpenBoxes;  // modal boxes of the bar open now; drops wait for them
    int Dpi;  // the scale of the monitor the bar is on
    int IconSize;  // the icons' side at that scale
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
    HMODULE Oleacc;  // loaded when a screen reader first asks for a button
    // The hotkey registered now (no key: none), the button that last had the
    // focus, and the window that had it before the bar was summoned.
    unsigned HotkeyModifiers;
    unsigned HotkeyKey;
    int FocusSlot;
    HWND PreviousWindow;
    bool RaisedOnTop;  // made topmost by the hotkey only while it has the focus
    bool FocusCueShown;  // the system's UI state of the bar: the keyboard was used, so the focus is shown
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
