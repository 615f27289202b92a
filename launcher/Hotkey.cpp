// The hotkey that summons the bar: registered at start-up and after each
// choice in its dialog, and kept in the file as a readable word.
#include "Hotkey.h"

#include <commctrl.h>

#include "ButtonWindows.h"
#include "Messages.h"
#include "Profile.h"

#ifndef MOD_NOREPEAT
#define MOD_NOREPEAT 0x4000
#endif

const int HotkeyId = 1;

// Makes the key the bar's hotkey in place of the one it had (no key: none).
// False when another program holds it; the one the bar had then stays.
static bool UseHotkey(unsigned modifiers, unsigned key)
{
    HWND bar = BarState.BarWindow;
    if (BarState.HotkeyKey != 0)
        UnregisterHotKey(bar, HotkeyId);
    // Held down, the key would summon and dismiss the bar in turn; systems before Windows 7 refuse the flag.
    bool ok = key == 0 || RegisterHotKey(bar, HotkeyId, modifiers | MOD_NOREPEAT, key) ||
              (GetLastError() != ERROR_HOTKEY_ALREADY_REGISTERED && RegisterHotKey(bar, HotkeyId, modifiers, key));
    if (!ok) {
        if (BarState.HotkeyKey != 0)
            RegisterHotKey(bar, HotkeyId, BarState.HotkeyModifiers | MOD_NOREPEAT, BarState.HotkeyKey);
        return false;
    }
    BarState.HotkeyModifiers = modifiers;
    BarState.HotkeyKey = key;
    return true;
}

void StartHotkey(const char* word)
{
    unsigned modifiers, key;
    char name[HotkeyWordSize];
    if (ParseHotkey(word, &modifiers, &key) && !UseHotkey(modifiers, key) &&
        FormatHotkey(modifiers, key, name, sizeof name))
        ReportHotkeyTaken(name);
}

// What the dialog edits: the bar's hotkey, until a free one is chosen.
struct HotkeyDialogState {
    unsigned Modifiers;
    unsigned Key;
    WORD Shown;  // the control's value at the start: unchanged, the key keeps a Windows key the control cannot show
};

// The hotkey control's modifier bits are those of RegisterHotKey with Shift and Alt swapped.
static unsigned SwapShiftAlt(unsigned bits)
{
    return (bits & ~(unsigned)(HOTKEYF_SHIFT | HOTKEYF_ALT)) | ((bits & HOTKEYF_SHIFT) ? HOTKEYF_ALT : 0) |
           ((bits & HOTKEYF_ALT) ? HOTKEYF_SHIFT : 0);
}

static void OnInitHotkeyDialog(HWND dialog, HotkeyDialogState* state)
{
    SetWindowLongPtrA(dialog, DWLP_USER, (LONG_PTR)state);
    HWND control = GetDlgItem(dialog, IDC_HOTKEY);
    // A key alone or with Shift would be taken from every program's typing.
    SendMessageA(control, HKM_SETRULES, HKCOMB_NONE | HKCOMB_S, HOTKEYF_CONTROL | HOTKEYF_ALT);
    state->Shown = (WORD)MAKEWORD(state->Key, SwapShiftAlt(state->Modifiers & (HotkeyShift | HotkeyAlt | HotkeyCtrl)));
    SendMessageA(control, HKM_SETHOTKEY, state->Shown, 0);
}

static void OnHotkeyOk(HWND dialog, HotkeyDialogState* state)
{
    const WORD chosen = (WORD)SendMessageA(GetDlgItem(dialog, IDC_HOTKEY), HKM_GETHOTKEY, 0, 0);
    unsigned modifiers = state->Modifiers, key = state->Key;
    if (chosen != state->Shown || key == 0) {
        key = LOBYTE(chosen);
        modifiers = key != 0 ? SwapShiftAlt(HIBYTE(chosen)) & (HotkeyShift | HotkeyAlt | HotkeyCtrl) : 0;
    }
    char word[HotkeyWordSize];
    if (!FormatHotkey(modifiers, key, word, sizeof word))
        key = 0, modifiers = 0;
    if (!UseHotkey(modifiers, key)) {
        ReportHotkeyTaken(word, dialog);
        SetFocus(GetDlgItem(dialog, IDC_HOTKEY));
        return;
    }
    if (!WriteHotkey(key != 0 ? word : nullptr))
        ReportSaveFailure();
    EndDialog(dialog, IDOK);
}

static INT_PTR CALLBACK HotkeyDialog(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    HotkeyDialogState* state = (HotkeyDialogState*)GetWindowLongPtrA(dialog, DWLP_USER);
    switch (message) {
    case WM_INITDIALOG:
        OnInitHotkeyDialog(dialog, (HotkeyDialogState*)lParam);
        return TRUE;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDOK:
            OnHotkeyOk(dialog, state);
            return TRUE;
        case IDCANCEL:
            EndDialog(dialog, IDCANCEL);
            return TRUE;
        case IDC_HOTKEYNONE:
            SendMessageA(GetDlgItem(dialog, IDC_HOTKEY), HKM_SETHOTKEY, 0, 0);
            SetFocus(GetDlgItem(dialog, IDC_HOTKEY));
            return TRUE;
        }
        break;
    }
    return FALSE;
}

void ChooseHotkey(HWND bar)
{
    if (!LoadCommonControls(ICC_HOTKEY_CLASS))
        return;
    HotkeyDialogState state = {BarState.HotkeyModifiers, BarState.HotkeyKey, 0};
    ++BarState.OpenBoxes;
    DialogBoxParamA(BarState.Instance, HOTKEY_BOX_NAME, bar, HotkeyDialog, (LPARAM)&state);
    --BarState.OpenBoxes;
    ResumeDeferredDrops();
}
