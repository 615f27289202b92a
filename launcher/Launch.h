// Starting a button's program, and starting a program in general.
#ifndef QUENVOLT_LAUNCH_H
#define QUENVOLT_LAUNCH_H

#include "QUENVOLT.h"

void RunButton(int slot, const char* directory, const char* extraArguments);
bool StartProgram(char* commandLine, const char* currentDirectory, int showCommand);

#endif
