// The button windows: their pre-painted faces, tooltips, creation, drawing,
// delete and release.
#ifndef QUENVOLT_BUTTONWINDOWS_H
#define QUENVOLT_BUTTONWINDOWS_H

#include "QUENVOLT.h"

void CreateButtonWindow(HWND bar, int slot);
// Releases the icon, both faces and the record of one slot.
void ReleaseButton(LauncherButton* button);
// The buttons, the line pen and the face DCs, freed when the bar closes.
void ReleaseBarResources();
// Gives the button windows their tooltips, once the pointer reaches the bar.
void AttachToolTips();
// Gives the button window of a slot its name, as its text and its tooltip.
void NameButtonWindow(int slot);
void PaintButtonFaces(HWND bar, int slot);
void DrawButton(const DRAWITEMSTRUCT* drawItem);
// Paints the lines between the buttons, for WM_PAINT.
void PaintSeparators(HWND bar);
void DeleteButton(int slot);

#endif
