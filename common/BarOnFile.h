// The bar running on a configuration file, found and asked through a window
// message whose name is made from the file's full path: a second bar, and the
// editor, use it so that one program at a time writes the file.
#ifndef QUENVOLET_BARONFILE_H
#define QUENVOLET_BARONFILE_H

#include <windows.h>

// What a bar is asked, as the message's wParam; every request is answered BarHere.
enum BarRequest {
    BarAsk = 0,           // is a bar on the file?
    BarWriteButtons = 1,  // write the buttons not yet saved, before the editor reads the file
    BarReload = 2,        // take title, placement and buttons from the file again
};
const LRESULT BarHere = 0x5156;

// The message of the bars on a file (the path made full first); 0 when none can be registered.
UINT PathMessage(const char* path);

// The bar on the file of the message, other than self, or none; a request but
// BarAsk is sent to it once found, BarReload only posted, so that a box the
// bar shows while reloading holds up nobody.
HWND AskBar(UINT message, BarRequest request, HWND self = nullptr);

#endif
