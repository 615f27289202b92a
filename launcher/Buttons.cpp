// The button table: loading a Button<n> section into a slot, the program
// lookup and the choice of the icon with its fall-backs.
#include "Buttons.h"

#include "Dpi.h"

#include "FileSearch.h"
#include "Messages.h"
#include "Profile.h"

LauncherButton* ButtonTable[MaxButtons];
int ButtonCount;

static const char NoFile[] = "None";

void LoadButtons()
{
    for (unsigned n = 1; n <= (unsigned)MaxButtons; ++n)
        if (LoadButton(n, ButtonCount))
            ++ButtonCount;
}

LauncherButton* AllocateButton()
{
    LauncherButton* button = (LauncherButton*)LocalAlloc(LMEM_FIXED, sizeof(LauncherButton));
    if (button == nullptr)
        BarMessage("Not enough local heap space", "Error", MB_ICONWARNING);
    return button;
}

void FreeButton(LauncherButton* button)
{
    LocalFree(button);
}

static void EmptySlot(int slot)
{
    if (ButtonTable[slot] != nullptr) {
        FreeButton(ButtonTable[slot]);
        ButtonTable[slot] = nullptr;
    }
}

// Puts the shell's display name of the program in place of its name part,
// unless that name hides the program's extension.
static void UseDisplayName(char* program)
{
    SHFILEINFOA info;
    ZeroMemory(&info, sizeof info);
    if (SHGetFileInfoA(program, 0, &info, sizeof info, SHGFI_DISPLAYNAME) != 0)
        ApplyDisplayName(program, PathSize, info.szDisplayName);
}

int FindProgram(const char* file, const char* directory, char* result)
{
    // No name names no program (some shells answer with the current folder).
    if (file[0] == '\0')
        return SE_ERR_FNF;
    int code = 0;
    // A path is looked up whole first, so in its own folder: handing the shell
    // that folder apart would have it change the current folder there and back.
    if (LastSeparator(file) >= 0)
        code = (int)(INT_PTR)FindExecutableA(file, nullptr, result);
    if (code <= 32) {
        code = (int)(INT_PTR)FindExecutableA(file, directory != nullptr && directory[0] != '\0' ? directory : nullptr, result);
        if (code <= 32)
            return code;
    }
    result[PathSize - 1] = '\0';
    UseDisplayName(result);
    return code;
}

bool LoadButton(unsigned n, int slot)
{
    char name[16];
    FormatButtonSection(name, sizeof name, n);
    TSection section;
    ReadSection(name, &section);

    char fileName[PathSize];
    ReadKey(section, "FileName", NoFile, fileName, sizeof fileName);
    if (SameText(fileName, NoFile)) {
        EmptySlot(slot);
        return false;
    }

    if (ButtonTable[slot] == nullptr) {
        ButtonTable[slot] = AllocateButton();
        if (ButtonTable[slot] == nullptr)
            return false;
    }
    LauncherButton* b = ButtonTable[slot];
    ZeroMemory(b, sizeof *b);

    ReadKey(section, "DefaultDirectory", "", b->DefaultDirectory, sizeof b->DefaultDirectory);

    char program[PathSize];
    int code = FindProgram(fileName, b->DefaultDirectory, program);
    if (code <= 32) {
        ReportAddFailure(fileName, code);
        EmptySlot(slot);
        return false;
    }

    ReadKey(section, "Parameters", " ", b->Parameters, sizeof b->Parameters);
    TextCopy(b->ProgramPath, sizeof b->ProgramPath, program);

    b->Document = !SameFileName(fileName, program);
    if (b->Document &&
        !CombineDocumentParameters(fileName, b->Parameters, sizeof b->Parameters)) {
        ReportLongDocument(fileName);
        EmptySlot(slot);
        return false;
    }

    ReadKey(section, "IconFile", program, b->IconFile, sizeof b->IconFile);

    char value[20];
    ReadKey(section, "IconIndex", "0", value, sizeof value);
    b->IconIndex = ParseInt(value);
    ReadKey(section, "Window", "Normal", value, sizeof value);
    b->ShowCommand = ShowCommandFromWord(value);

    b->Icon = ChooseButtonIcon(slot);
    return true;
}

static HICON ExtractValidIcon(const char* file, int index)
{
    return ExtractIconOfSize(file, index, BarState.IconSize);
}

void ReloadButtonIcon(int slot)
{
    LauncherButton* b = ButtonTable[slot];
    // A file that gives no icon now leaves the button the one it shows.
    if (HICON icon = ExtractValidIcon(b->IconFile, b->IconIndex)) {
        DestroyIcon(b->Icon);
        b->Icon = icon;
    }
}

HICON ChooseButtonIcon(int slot)
{
    LauncherButton* b = ButtonTable[slot];
    HICON icon;
    if (b->IconFile[0] == '\0') {
        char shell[PathSize];
        if (IsExplorerPath(b->ProgramPath) && LocateFile("shell32.dll", shell, sizeof shell)) {
            TextCopy(b->IconFile, sizeof b->IconFile, shell);
            b->IconIndex = 36;
            if ((icon = ExtractValidIcon(b->IconFile, 36)) != nullptr)
                return icon;
        }
        TextCopy(b->IconFile, sizeof b->IconFile, b->ProgramPath);
        b->IconIndex = 0;
    }
    if ((icon = ExtractValidIcon(b->IconFile, b->IconIndex)) != nullptr)
        return icon;

    TextCopy(b->IconFile, sizeof b->IconFile, "progman.exe");
    b->IconIndex = ++BarState.FallbackIconCounter;
    if ((icon = ExtractValidIcon(b->IconFile, b->IconIndex)) != nullptr)
        return icon;
    // A copy of the shared icon, so that every button icon may be destroyed.
    return CopyIcon(LoadIconA(nullptr, IDI_QUESTION));
}

bool IsButtonId(int id)
{
    return id >= FIRST_BUTTON_ID && id - FIRST_BUTTON_ID < ButtonCount;
}

int FindButtonSlot(HWND window)
{
    for (int slot = 0; slot < ButtonCount; ++slot)
        if (ButtonTable[slot] != nullptr && ButtonTable[slot]->ButtonWindow == window)
            return slot;
    return -1;
}
