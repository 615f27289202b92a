// Handing the configuration over to the editor, QVconfig.
#ifndef QUENVOLT_HANDOVER_H
#define QUENVOLT_HANDOVER_H

#include "QUENVOLT.h"

void StartEditor(int slot);

#endif
