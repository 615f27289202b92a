// The bar taking the configuration file again while it runs, after the editor
// beside it saved the file.
#ifndef QUENVOLT_RELOAD_H
#define QUENVOLT_RELOAD_H

#include "QUENVOLT.h"

// Takes title, placement and buttons from the file again.
void ReloadSettings();

#endif
