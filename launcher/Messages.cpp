// The bar's message boxes, and the drops that wait for them: a drop handled
// while a box is open would show its own box, or start a program, behind it.
#include "Messages.h"

int BarMessage(const char* text, const char* caption, UINT flags, HWND owner)
{
    ++BarState.OpenBoxes;
    int answer = MessageBoxA(owner != nullptr ? owner : BarState.BarWindow, text, caption, flags | MB_SETFOREGROUND);
    --BarState.OpenBoxes;
    ResumeDeferredDrops();
    return answer;
}

// A bar kept where the user may not write (Program Files, a read-only file)
// would otherwise lose its settings without a word.
void ReportSaveFailure()
{
    char text[PathSize + 128];
    TextCopy(text, sizeof text, "The settings could not be saved to\n");
    TextAppend(text, sizeof text, BarState.ConfigFilePath);
    TextAppend(text, sizeof text, "\nThe file or its folder may be write-protected.");
    BarMessage(text, DefaultTitle, MB_OK | MB_ICONWARNING);
}

void ReportHotkeyTaken(const char* word, HWND owner)
{
    char text[HotkeyWordSize + 128];
    TextCopy(text, sizeof text, "The hotkey ");
    TextAppend(text, sizeof text, word);
    TextAppend(text, sizeof text, " is already used by another program.\nChoose another one with Hotkey... in the bar's window menu.");
    BarMessage(text, DefaultTitle, MB_OK | MB_ICONWARNING, owner);
}

// A button that cannot be added: why, then the file's name, within 255
// characters; a name too long for that keeps its end, which names the file.
static void ReportCannotAdd(const char* why, const char* name)
{
    char text[256];
    TextCopy(text, sizeof text, why);
    TextAppendTail(text, sizeof text, name);
    BarMessage(text, "Cannot add icon", MB_OK | MB_ICONWARNING);
}

void ReportAddFailure(const char* name, int code)
{
    ReportCannotAdd(code == -1 ? "Don't know how to handle shortcut:\n" : "No associated executable file found for file\n",
                    name);
}

void ReportLongDocument(const char* name)
{
    ReportCannotAdd("The document name is too long for a button:\n", name);
}

bool DeferDrop(HDROP drop)
{
    if (BarState.OpenBoxes == 0)
        return false;
    if (BarState.DeferredCount < (int)(sizeof BarState.DeferredDrops / sizeof BarState.DeferredDrops[0]))
        BarState.DeferredDrops[BarState.DeferredCount++] = drop;
    else
        DragFinish(drop);  // more drops than anyone makes during one box
    return true;
}

void FreeDeferredDrops()
{
    for (int i = 0; i < BarState.DeferredCount; ++i)
        DragFinish(BarState.DeferredDrops[i]);
    BarState.DeferredCount = 0;
    // Drops posted again after a box, but not handled yet, would go with the window.
    MSG message;
    while (PeekMessageA(&message, BarState.BarWindow, WM_DROPFILES, WM_DROPFILES, PM_REMOVE))
        DragFinish((HDROP)message.wParam);
}

void ResumeDeferredDrops()
{
    if (BarState.OpenBoxes != 0)
        return;
    for (int i = 0; i < BarState.DeferredCount; ++i)
        PostMessageA(BarState.BarWindow, WM_DROPFILES, (WPARAM)BarState.DeferredDrops[i], 0);
    BarState.DeferredCount = 0;
}
