#include "Message.h"

std::string ApplicationTitle = "Configure Quenvolet";

int EditorMessage(HWND owner, MessageKind kind, const std::string& text)
{
    struct Face { const char* caption; UINT flags; };
    static const Face faces[] = {
        {"Confirm", MB_YESNOCANCEL | MB_ICONQUESTION},
        {"Error", MB_OK | MB_ICONERROR},
        {"Warning", MB_OK | MB_ICONWARNING},
        {"Information", MB_OK | MB_ICONINFORMATION},
        {nullptr, MB_OK},
        {nullptr, MB_OK | MB_ICONSTOP},
    };
    const Face& face = faces[kind];
    const std::string shown = kind == MessageFailure ? text + "." : text;
    const char* caption = face.caption ? face.caption : ApplicationTitle.c_str();
    // a box without an owner is centred on the screen, the others on their form
    return MessageBoxA(owner, shown.c_str(), caption, face.flags | MB_SETFOREGROUND | (owner ? 0 : MB_TASKMODAL));
}
