// The editor's limit in the benchmark: a dialog program that shows a modeless
// dialog with a list of 24 lines and two buttons, and nothing else.
#include <windows.h>

// A dialog template in memory: the header, then each item, DWORD-aligned.
struct Template {
    WORD words[512];
    int used = 0;
    void put(WORD w) { words[used++] = w; }
    void text(const char* s) { do put((WORD)*s); while (*s++ != '\0'); }
    void align() { if (used % 2) put(0); }
    void item(DWORD style, short x, short y, short cx, short cy, WORD id, WORD atom, const char* title)
    {
        align();
        DLGITEMTEMPLATE* i = (DLGITEMTEMPLATE*)&words[used];
        *i = {WS_CHILD | WS_VISIBLE | style, 0, x, y, cx, cy, id};
        used += sizeof *i / sizeof(WORD);
        put(0xFFFF), put(atom), text(title), put(0);
    }
};

static INT_PTR CALLBACK Proc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    if (message == WM_INITDIALOG) {
        for (int i = 1; i <= 24; ++i) {
            char line[16];
            wsprintfA(line, "Button%d", i);
            SendDlgItemMessageA(dialog, 100, LB_ADDSTRING, 0, (LPARAM)line);
        }
        return TRUE;
    }
    if (message == WM_COMMAND && LOWORD(wParam) == IDCANCEL)
        PostQuitMessage(0);
    return FALSE;
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    static Template t;
    DLGTEMPLATE* header = (DLGTEMPLATE*)t.words;
    *header = {WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_SETFONT | WS_VISIBLE, 0, 3, 0, 0, 240, 160};
    t.used = sizeof *header / sizeof(WORD);
    t.put(0), t.put(0), t.text("QvBenchDialog"), t.put(8), t.text("MS Shell Dlg");
    t.item(WS_BORDER | WS_VSCROLL | LBS_NOTIFY, 8, 8, 160, 144, 100, 0x0083, "");
    t.item(BS_DEFPUSHBUTTON, 176, 8, 56, 14, IDOK, 0x0080, "OK");
    t.item(BS_PUSHBUTTON, 176, 26, 56, 14, IDCANCEL, 0x0080, "Cancel");
    if (CreateDialogIndirectParamA(instance, header, nullptr, Proc, 0) == nullptr)
        return 1;
    MSG m;
    while (GetMessageA(&m, nullptr, 0, 0) > 0) {
        TranslateMessage(&m);
        DispatchMessageA(&m);
    }
    return 0;
}
