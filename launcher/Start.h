// Start-up of the launcher: the window class, the configuration file and the
// bar window in its place.
#ifndef QUENVOLT_START_H
#define QUENVOLT_START_H

#include "QUENVOLT.h"

bool RegisterBarClass(HINSTANCE instance);
// False also when a bar runs on the same file already: that one is brought forward instead.
bool CreateBarWindow(HINSTANCE instance, const char* commandLine, int showCommand);

#endif
