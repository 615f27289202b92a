// Quenvolt, the launcher bar: resource and command identifiers, the bar's
// state, the button record and the procedures of the launcher's units.
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

#include "core/ButtonValues.h"
#include "core/Geometry.h"
#include "core/Text.h"

const int MaxButtons = 24;
const size_t PathSize = 260;

extern const char BarClassName[];   // "QuenvoltWClass"
extern const char HelpFileName[];   // "Quenvolt.hlp"
extern const char DefaultTitle[];   // "Quenvolet"

// The bar's window-level state, one per process.
struct TBarState {
    HWND BarWindow;
    HINSTANCE Instance;
    char ConfigFilePath[PathSize];
    bool AlwaysOnTop;
    unsigned short PlacementFlags;
    bool UnsavedChanges;
    bool HasWorkArea;
    bool InSnapMove;
    int OpenBoxes;  // modal boxes of the bar open now; drops wait for them
    int CellWidth;
    int CellHeight;
};
extern TBarState BarState;

// A section of the configuration file read in one call: the profile
// functions read the whole file again on every call. A section too long for
// the block is read key by key instead.
struct TSection {
    const char* Name;
    bool Whole;
    char Block[4096];
};
void ReadSection(const char* name, TSection* section);
void ReadKey(const TSection& section, const char* key, const char* fallback, char* out, DWORD size);

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
extern int FallbackIconCounter;

// State of the window procedure, beside BarState.
extern HPEN SeparatorPen;
extern HMENU PopupMenu;
extern HWND ToolTipWindow;
extern int PopupSlot;
extern bool HelpOpen;

// Start-up and placement (Bar.cpp).
bool RegisterBarClass(HINSTANCE instance);
bool CreateBarWindow(HINSTANCE instance, const char* commandLine, int showCommand);
void ComputeBarSize(int* width, int* height);
// The primary monitor's work area.
void GetWorkArea(BarRect* work);
// The work area of the monitor that holds the bar (the nearest one).
void GetBarWorkArea(BarRect* work);
void SnapToCorner();
bool FitBar();
void ToggleAlwaysOnTop();
// The writes report success: false when any write to the file failed.
bool SaveWindowSettings(HWND bar);
// Saves the window settings and, when changed, the buttons; a failed write
// is told to the user when reportFailure is set, once per save.
void SaveSettings(bool reportFailure = false);
// Tells the user, naming the file, that settings could not be written to it.
void ReportSaveFailure();
// Shows every message box of the bar: owned by the bar window (none before it
// exists), brought to the foreground, with the icon and buttons of flags.
int BarMessage(const char* text, const char* caption, UINT flags);

// File search (FileSearch.cpp).
// Finds a file by the 32-bit search rules for a name without a directory
// (the program's own directory, the current directory, the system
// directory, the Windows directory, then PATH), or as given for a name with
// one. On success found (size bytes) receives the full path, never cut.
bool LocateFile(const char* name, char* found, size_t size);

// The button table (Buttons.cpp).
LauncherButton* AllocateButton();
void FreeButton(LauncherButton* button);
// Releases the icon, both faces and the record of one slot.
void ReleaseButton(LauncherButton* button);
bool LoadButton(unsigned n, int slot);
HICON ChooseButtonIcon(int slot);
bool IsButtonId(int id);
int FindButtonSlot(HWND window);
// The writes of the button sections report success: false when the slot is
// empty or a write to the file failed; UnsavedChanges stays set then.
bool EraseButtonSection(unsigned n);
bool WriteButtonSection(int slot);
bool FlushButtons();
int FindProgram(const char* file, const char* directory, char* result);
void ReportAddFailure(const char* name, int code);
// Tells the user that a document's path is too long for a button's parameters.
void ReportLongDocument(const char* name);

// The window procedure, menus and painting (WndProc.cpp).
LRESULT CALLBACK MainWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
void PrepareBar(HWND bar);
void CreateButtonWindow(HWND bar, int slot);
// The buttons, the line pen and the face DCs, freed when the bar closes.
void ReleaseBarResources();
// Gives the button windows their tooltips, once the pointer reaches the bar.
void AttachToolTips();
// Gives the button window of a slot its name, as its text and its tooltip.
void NameButtonWindow(int slot);
void PaintButtonFaces(HWND bar, int slot);
void DrawButton(const DRAWITEMSTRUCT* drawItem);
void ShowButtonMenu(int slot);
void DeleteButton(int slot);
// Opens help (WinHelp when its file lies beside the program, else the page
// Quenvolt.html) or closes it; quiet keeps missing help from showing a box.
void ShowHelp(UINT command, bool quiet = false);
INT_PTR CALLBACK About(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// Program launching (Launch.cpp).
void RunButton(int slot, const char* directory, const char* extraArguments);
bool StartProgram(char* commandLine, const char* currentDirectory, int showCommand);

// Dropped files (Drop.cpp).
void HandleDrop(HDROP drop);
void AddDroppedFiles(HDROP drop, UINT n);
bool AddFileButton(const char* programPath, const char* droppedPath);
bool AddShortcutButton(const char* shortcutPath, const ShortcutData* data);
HRESULT ResolveShortcut(HWND owner, const char* shortcutPath, ShortcutData* data);
// Keeps a drop that came while a box of the bar is open; true when kept.
bool DeferDrop(HDROP drop);
// Posts the kept drops to the bar again once no box of it is open.
void ResumeDeferredDrops();
// Frees the drops still kept or posted when the bar goes, which nobody will handle.
void FreeDeferredDrops();

// The editor hand-over (Handover.cpp).
void StartEditor(int slot);

#endif  // RC_INVOKED
#endif
