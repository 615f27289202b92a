// Start-up of the launcher: the window class, the configuration file and the
// bar window in its place.
#ifndef QUENVOLT_START_H
#define QUENVOLT_START_H

#include "QUENVOLT.h"

bool RegisterBarClass(HINSTANCE instance);
bool CreateBarWindow(HINSTANCE instance, const char* commandLine, int showCommand);

#endif
