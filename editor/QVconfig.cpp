// QVconfig, the configuration editor of the Quenvolet launcher bar.
#include "Qvmain.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    return RunEditor(GetCommandLineA());
}
