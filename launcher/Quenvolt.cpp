// Quenvolt, the launcher bar: the program entry and its message loop.
#include "Start.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int showCommand)
{
    if (previous == nullptr && !RegisterBarClass(instance))
        return 0;
    if (!CreateBarWindow(instance, commandLine, showCommand))
        return 0;
    MSG message;
    BOOL got;
    while ((got = GetMessageA(&message, nullptr, 0, 0)) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    // A failed GetMessageA leaves no quit message whose code could be returned.
    return got == 0 ? (int)message.wParam : 0;
}
