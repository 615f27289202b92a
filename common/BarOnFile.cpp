#include "BarOnFile.h"

#include "core/SavePieces.h"

UINT PathMessage(const char* path)
{
    char full[MAX_PATH];
    const DWORD n = GetFullPathNameA(path, sizeof full, full, nullptr);
    char name[PathMessageNameSize];
    PathMessageName(n != 0 && n < sizeof full ? full : path, name, sizeof name);
    return RegisterWindowMessageA(name);
}

// A bar busy with a box of its own answers within this; a hung one is not waited for.
static bool Sent(HWND bar, UINT message, WPARAM request, UINT milliseconds)
{
    DWORD_PTR answer = 0;
    return SendMessageTimeoutA(bar, message, request, 0, SMTO_ABORTIFHUNG, milliseconds, &answer) &&
           answer == (DWORD_PTR)BarHere;
}

HWND AskBar(UINT message, BarRequest request, HWND self)
{
    if (message == 0)
        return nullptr;
    for (HWND bar = nullptr; (bar = FindWindowExA(nullptr, bar, "QuenvoltWClass", nullptr)) != nullptr;) {
        if (bar == self || !Sent(bar, message, BarAsk, 10000))
            continue;
        if (request == BarReload)
            PostMessageA(bar, message, request, 0);
        else if (request != BarAsk)
            Sent(bar, message, request, 30000);
        return bar;
    }
    return nullptr;
}
