#include "ButtonList.h"

#include "Message.h"

#include <utility>

TButtonInfo ButtonList[MaxButtons];
short ButtonListCount;

bool InsertButton(int k)
{
    if (ButtonListCount >= MaxButtons || k < 0 || k > ButtonListCount)
        return false;
    ButtonList[ButtonListCount].Icon.release();
    for (int j = ButtonListCount; j > k; --j)
        ButtonList[j] = std::move(ButtonList[j - 1]);
    ++ButtonListCount;
    ButtonList[k] = TButtonInfo();
    return true;
}

bool RemoveButton(int k)
{
    if (ButtonListCount == 0 || k < 0 || k >= ButtonListCount)
        return false;
    --ButtonListCount;
    ButtonList[k].Icon.release();
    for (int j = k; j < ButtonListCount; ++j)
        ButtonList[j] = std::move(ButtonList[j + 1]);
    ButtonList[ButtonListCount] = TButtonInfo();
    return true;
}

bool MoveButton(int i, int step)
{
    const int j = i + step;
    if (i < 0 || j < 0 || j >= ButtonListCount)
        return false;
    std::swap(ButtonList[i], ButtonList[j]);
    return true;
}

void FreeButtonList()
{
    for (int i = 0; i < MaxButtons; ++i) {
        if (!ButtonList[i].Icon.release())
            EditorMessage(nullptr, MessageNotice, "Destroy icon " + std::to_string(i) + " failed");
        ButtonList[i] = TButtonInfo();
    }
    ButtonListCount = 0;
}
