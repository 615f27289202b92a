// The configuration file's reads and writes: a section read in one call, the
// window section and the button sections written back.
#include "Profile.h"

#include "AutoHide.h"
#include "Bar.h"
#include "Messages.h"
#include "WholeSave.h"

const char WindowSection[] = "Window";

void ReadSection(const char* name, TSection* section)
{
    section->Name = name;
    DWORD n = GetPrivateProfileSectionA(name, section->Block, sizeof section->Block, BarState.ConfigFilePath);
    section->Whole = n < sizeof section->Block - 2;
}

void ReadKey(const TSection& section, const char* key, const char* fallback, char* out, DWORD size)
{
    if (!section.Whole)
        GetPrivateProfileStringA(section.Name, key, fallback, out, size, BarState.ConfigFilePath);
    else if (!SectionValue(section.Block, key, out, size))
        TextCopy(out, size, fallback);
}

void ReadPlacement(const TSection& window, BarRect work, int width, int height, int* x, int* y)
{
    char value[10];
    ReadKey(window, "Position", "", value, sizeof value);
    BarState.PlacementFlags = 0;
    if (SameTextNoCase(value, "Fixed")) {
        BarState.PlacementFlags = Docked;
        ReadKey(window, "Horizontal", "", value, sizeof value);
        if (SameTextNoCase(value, "Left"))
            BarState.PlacementFlags |= DockLeft;
        ReadKey(window, "Vertical", "", value, sizeof value);
        if (SameTextNoCase(value, "Top"))
            BarState.PlacementFlags |= DockTop;
        // The corner is on the monitor the bar was saved on, or the one now nearest it.
        char saved[48];
        BarRect monitor;
        ReadKey(window, "Monitor", "", saved, sizeof saved);
        if (ParseMonitorRect(saved, &monitor))
            GetMonitorWorkArea(monitor, &work);
        const BarPoint corner = DockedPosition(work, width, height, BarState.PlacementFlags);
        *x = corner.x;
        *y = corner.y;
    } else {
        ReadKey(window, "Left", "", value, sizeof value);
        *x = value[0] != '\0' ? ParseInt(value) : (int)CW_USEDEFAULT;
        ReadKey(window, "Top", "", value, sizeof value);
        *y = value[0] != '\0' ? ParseInt(value) : (int)CW_USEDEFAULT;
    }
}

bool SaveWindowSettings(HWND bar, const char* file)
{
    const BarRect place = ShownBarRect(bar);
    bool ok = WritePrivateProfileStringA(WindowSection, "AlwaysOnTop", BarState.AlwaysOnTop ? "True" : "False", file);
    ok &= WritePrivateProfileStringA(WindowSection, "AutoHide", BarState.AutoHide.On ? "True" : "False", file) != FALSE;
    if (!(BarState.PlacementFlags & Docked)) {
        // Room for any coordinate, so that no position is ever cut.
        char left[12], top[12];
        FormatInt(left, sizeof left, place.left);
        FormatInt(top, sizeof top, place.top);
        ok &= WritePrivateProfileStringA(WindowSection, "Horizontal", nullptr, file) != FALSE;
        ok &= WritePrivateProfileStringA(WindowSection, "Vertical", nullptr, file) != FALSE;
        ok &= WritePrivateProfileStringA(WindowSection, "Left", left, file) != FALSE;
        ok &= WritePrivateProfileStringA(WindowSection, "Top", top, file) != FALSE;
    } else {
        ok &= WritePrivateProfileStringA(WindowSection, "Left", nullptr, file) != FALSE;
        ok &= WritePrivateProfileStringA(WindowSection, "Top", nullptr, file) != FALSE;
    }
    // A docked bar starts on its monitor again; the primary one is what a file without the key means.
    BarRect work, monitor;
    char text[48];
    const bool other = GetMonitorWorkArea(place, &work, &monitor) &&
                       FormatMonitorRect(text, sizeof text, monitor);
    ok &= WritePrivateProfileStringA(WindowSection, "Monitor", other ? text : nullptr, file) != FALSE;
    return ok;
}

bool WriteHotkey(const char* word)
{
    TWholeSave save;
    if (!BeginWholeSave(BarState.ConfigFilePath, &save))
        return false;
    const bool ok = WritePrivateProfileStringA(WindowSection, "Hotkey", word, save.File) != FALSE;
    return EndWholeSave(&save, ok);
}

static bool EraseButtonSection(unsigned n, const char* file)
{
    char section[16];
    FormatButtonSection(section, sizeof section, n);
    return WritePrivateProfileStringA(section, nullptr, nullptr, file) != FALSE;
}

static bool WriteButtonSection(int slot, const char* file)
{
    const LauncherButton* b = ButtonTable[slot];
    if (b == nullptr)
        return false;
    char section[16];
    FormatButtonSection(section, sizeof section, (unsigned)slot + 1);

    bool ok = WritePrivateProfileStringA(section, "FileName", b->ProgramPath, file);
    ok &= WritePrivateProfileStringA(section, "DefaultDirectory", b->DefaultDirectory[0] ? b->DefaultDirectory : nullptr, file) != FALSE;
    // A document quoted whole would come back without its quotes, and so in two pieces.
    char parameters[ParametersSize + 2];
    ProfileText(b->Parameters, parameters, sizeof parameters);
    ok &= WritePrivateProfileStringA(section, "Parameters", b->Parameters[0] ? parameters : nullptr, file) != FALSE;
    bool ownIcon = b->IconFile[0] == '\0' || SameTextNoCase(b->IconFile, b->ProgramPath);
    ok &= WritePrivateProfileStringA(section, "IconFile", ownIcon ? nullptr : b->IconFile, file) != FALSE;
    // Room for any index, so that the icon choice is never cut.
    char index[12];
    FormatInt(index, sizeof index, b->IconIndex);
    ok &= WritePrivateProfileStringA(section, "IconIndex", b->IconIndex != 0 ? index : nullptr, file) != FALSE;
    ok &= WritePrivateProfileStringA(section, "Window", WordForShowCommand(b->ShowCommand), file) != FALSE;
    return ok;
}

static bool WriteButtons(const char* file)
{
    bool ok = true;
    for (unsigned n = 1; n <= (unsigned)MaxButtons; ++n)
        ok &= EraseButtonSection(n, file);
    for (int slot = 0; slot < ButtonCount; ++slot)
        ok &= WriteButtonSection(slot, file);
    return ok;
}

// One whole save: the file holds all of these writes, or none of them.
static bool SaveWhole(bool window, bool buttons)
{
    TWholeSave save;
    if (!BeginWholeSave(BarState.ConfigFilePath, &save))
        return false;
    bool ok = !window || SaveWindowSettings(BarState.BarWindow, save.File);
    if (buttons)
        ok &= WriteButtons(save.File);
    // Buttons that did not reach the file are still to be saved.
    if (!EndWholeSave(&save, ok))
        return false;
    if (buttons)
        BarState.UnsavedChanges = false;
    return true;
}

bool FlushButtons()
{
    return SaveWhole(false, true);
}

void SaveSettings(bool reportFailure)
{
    if (!SaveWhole(true, BarState.UnsavedChanges) && reportFailure)
        ReportSaveFailure();
}
