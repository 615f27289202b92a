// The one way the editor tells the user something: every message box of the
// program goes through EditorMessage.
#ifndef QVCONFIG_MESSAGE_H
#define QVCONFIG_MESSAGE_H

#include <windows.h>

#include <string>

// "Configure Quenvolet", or "Quenvolet icon properties" for one button.
extern std::string ApplicationTitle;

enum MessageKind {
    MessageConfirm,      // "Confirm", question icon, Yes / No / Cancel
    MessageError,        // "Error", error icon, OK
    MessageWarning,      // "Warning", exclamation icon, OK
    MessageInformation,  // "Information", information icon, OK
    MessageNotice,       // the application title, no icon, OK
    MessageFailure,      // the application title, stop icon, OK; a failed command: text + "."
};

// Shows text and returns the button chosen (IDYES, IDNO, IDCANCEL, IDOK).
int EditorMessage(HWND owner, MessageKind kind, const std::string& text);

// A failure raised by a command (a failed write, a number that is none):
// it abandons the command and is shown once as a MessageFailure.
struct EditorError {
    std::string text;
};

#endif
