// The button windows: their pre-painted faces, tooltips, creation, drawing,
// delete and release.
#ifndef QUENVOLT_BUTTONWINDOWS_H
#define QUENVOLT_BUTTONWINDOWS_H

#include "QUENVOLT.h"

// Creates the button window of a slot, which shows the focus once the keyboard
// was used, is a push button to screen readers, and hands its keys to the bar as WM_BUTTONKEY.
void CreateButtonWindow(HWND bar, int slot);
// Releases the icon, both faces and the record of one slot.
void ReleaseButton(LauncherButton* button);
// The buttons, the line pen and the face DCs, freed when the bar closes.
void ReleaseBarResources();
// Loads comctl32 and registers the classes of its controls named, when first needed.
bool LoadCommonControls(DWORD classes);
// Gives the button windows their tooltips, once the pointer reaches the bar.
void AttachToolTips();
// Gives the button window of a slot its name, as its text and its tooltip.
void NameButtonWindow(int slot);
void PaintButtonFaces(HWND bar, int slot);
// The bar at a new scale: its cells, every button's icon, faces and window.
void RescaleButtons(HWND bar, int dpi);
void DrawButton(const DRAWITEMSTRUCT* drawItem);
// Paints the bar's client area within area into dc: the faces as the buttons
// show them and the lines between them.
void PaintContent(HDC dc, const RECT& area);
void DeleteButton(int slot);
// Puts the buttons of the file in place of the bar's, windows and all.
void ReloadButtons(HWND bar);

#endif
