// A form's controls are a table; CreateFormControls makes the windows from it.
#ifndef QVCONFIG_FORMS_FORM_H
#define QVCONFIG_FORMS_FORM_H

#include <windows.h>

#include <stddef.h>

#include <string>

enum FormFont { FontNormal, FontBold };

// One control: rows stand in tab order; places are the client pixels of the
// design at 96 DPI. A width of 0 sizes a label to its text.
struct ControlRow {
    const char* className;
    const char* text;
    int id;
    DWORD style;    // WS_CHILD and WS_VISIBLE are added
    DWORD exStyle;
    int left, top, width, height;
    FormFont font;
};

// The two fonts every form uses: MS Sans Serif 8 point, plain and bold, at dpi.
struct FormFonts {
    HFONT normal;
    HFONT bold;
};
FormFonts CreateFormFonts(int dpi);
void DeleteFormFonts(FormFonts& fonts);

// A form's table, its client size (96-DPI pixels) and the scale it is shown at.
struct FormLayout {
    const ControlRow* rows;
    size_t count;
    int width, height;
    int dpi;
    FormFonts fonts;
};
// Starts a layout at the scale of the monitor that shows form, its fonts made.
FormLayout StartLayout(HWND form, const ControlRow* rows, size_t count, int width, int height);

// The windows of the table's rows, placed as PlaceFormControls places them.
void CreateFormControls(HWND form, const FormLayout& layout);
// Gives the controls (the form's children in tab order, one a row) their
// rectangles and fonts at the layout's scale.
void PlaceFormControls(HWND form, const FormLayout& layout);
// The layout at a new scale (a WM_DPICHANGED): new fonts, the controls placed
// again and the form at the suggested place in its new size.
void RescaleForm(HWND form, FormLayout& layout, int dpi, const RECT& suggested);

// Gives form the layout's client area at left, top (screen pixels).
void SizeForm(HWND form, int left, int top, const FormLayout& layout);

// A dialog template with no controls, for forms whose controls come from a
// table; the buffer must outlive nothing beyond the Create call.
struct EmptyDialog {
    DLGTEMPLATE header;
    WORD menu, windowClass, title;
};
EmptyDialog MakeEmptyDialog(DWORD style, DWORD exStyle = 0);

// The push buttons of a form, its owner-drawn ones included, share the
// default frame as the dialog manager shares it among plain push buttons:
// the focused push button holds it, else the button IDOK. Enter then
// presses the focused push button, elsewhere OK.
void WatchPushButtons(HWND form);

// Whether an owner-drawn push button holds the default frame.
bool IsDefaultButton(HWND button);

// A label whose mnemonic is shown but leads nowhere: Alt and its letter
// move the focus to no control.
void MuteMnemonic(HWND label);

// Makes the glyph buttons 4 pixels taller and 2 pixels higher, for the
// smaller buttons of Windows versions before 3.95.
void GrowButtonsForOldWindows(HWND form, const int* ids, size_t count);

// The text of a window, whatever its length.
std::string WindowText(HWND window);

// Puts text into a field with guard set meanwhile, so that the field's change
// notices know the text for the form's own and not the user's typing.
void SetGuardedText(HWND field, const std::string& text, bool& guard);

// The system's open dialog (filter: pairs of a description and its patterns,
// each ended by a zero, the list by a second one), with the flags the caller
// needs; true with the chosen full name when the user confirmed.
bool ExecuteOpenDialog(HWND owner, const char* title, const char* filter, DWORD filterIndex, DWORD flags,
                       std::string* name, const char* initialDirectory = nullptr);

// A control of a form or dialog whose record holds its window in Handle.
template <class Record>
HWND Control(const Record& record, int id)
{
    return GetDlgItem(record.Handle, id);
}

template <class Record>
std::string ControlText(const Record& record, int id)
{
    return WindowText(Control(record, id));
}

// A form's procedure over its record, a struct whose Handle is its window:
// WM_INITDIALOG keeps the record handed in lParam in the window (DWLP_USER),
// and every message from then until WM_DESTROY reaches Procedure with it;
// the messages before and after find no record and are left to the system.
template <class Record, INT_PTR (*Procedure)(Record&, UINT, WPARAM, LPARAM)>
INT_PTR CALLBACK RecordProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrA(window, DWLP_USER, lParam);
        reinterpret_cast<Record*>(lParam)->Handle = window;
    }
    Record* record = reinterpret_cast<Record*>(GetWindowLongPtrA(window, DWLP_USER));
    if (!record)
        return FALSE;
    const INT_PTR result = Procedure(*record, message, wParam, lParam);
    if (message == WM_DESTROY)
        SetWindowLongPtrA(window, DWLP_USER, 0);
    return result;
}

#endif
