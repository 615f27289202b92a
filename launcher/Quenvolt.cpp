// Quenvolt, the launcher bar: the program entry and its message loop.
#include "QUENVOLT.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int showCommand)
{
    if (previous == nullptr && !RegisterBarClass(instance))
        return 0;
    if (!CreateBarWindow(instance, commandLine, showCommand))
        return 0;
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return (int)message.wParam;
}
