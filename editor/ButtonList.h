// ButtonList, the bar's buttons in bar order as the editor holds them, and
// the list's insert, remove and move. Every slot owns its icon object for
// the whole run; an entry's icon travels with it when entries shift.
#ifndef QVCONFIG_BUTTONLIST_H
#define QVCONFIG_BUTTONLIST_H

#include "IconUtil.h"
#include "core/ButtonValues.h"

extern TButtonInfo ButtonList[MaxButtons];
extern short ButtonListCount;

// Opens an empty entry at k, the entries from k moving one right; false
// when the list is full or k lies beyond its end.
bool InsertButton(int k);

// Closes entry k, the entries after it moving one left; false when k is
// no entry.
bool RemoveButton(int k);

// Swaps entry i with the entry step places away; false when there is none.
bool MoveButton(int i, int step);

// Frees every slot's icon, telling the user of each the system refused to
// free, and empties the list.
void FreeButtonList();

#endif
