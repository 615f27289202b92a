// Until the properties dialog is built, Insert and Properties say so and
// change nothing.
#include "Dlgmod.h"

#include "Message.h"

bool ExecuteModifyDialog(HWND owner, const char* caption, int index, int left, int top)
{
    (void)caption; (void)index; (void)left; (void)top;
    EditorMessage(owner, MessageInformation, "The button properties dialog is not available yet.");
    return false;
}
