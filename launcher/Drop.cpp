// Files dropped onto the bar: onto a button they are handed to its program,
// anywhere else each becomes a new button, a shortcut through the shell-link
// object.
#include "Drop.h"

#include <shlobj.h>

#include "Bar.h"
#include "ButtonWindows.h"
#include "Buttons.h"
#include "Launch.h"
#include "Messages.h"
#include "core/DropPieces.h"

static const char SorryCaption[] = "Sorry";

static bool IsLeadByte(unsigned char c)
{
    return IsDBCSLeadByte(c) != FALSE;
}

static int EnvironmentValue(const char* name, char* value, size_t size)
{
    SetLastError(ERROR_SUCCESS);
    DWORD length = GetEnvironmentVariableA(name, value, (DWORD)size);
    if (length == 0) {
        value[0] = '\0';
        return GetLastError() == ERROR_ENVVAR_NOT_FOUND ? -1 : 0;
    }
    // A value that does not fit reports the size it needs, terminator included.
    return (int)(length < size ? length : length - 1);
}

static bool ExpandEnvironment(char* destination, const char* source)
{
    return ExpandVariables(destination, PathSize, source, EnvironmentValue);
}

// Fetches dropped name k; false when it is longer than a path can be here.
static bool FetchDroppedName(HDROP drop, UINT k, char* path)
{
    path[0] = '\0';
    UINT length = DragQueryFileA(drop, k, nullptr, 0);
    DragQueryFileA(drop, k, path, (UINT)PathSize);
    path[PathSize - 1] = '\0';
    return length < PathSize;
}

// Form 1: the dropped paths as they are.
static bool BuildFullPaths(HDROP drop, UINT n, int room, char* text)
{
    text[0] = '\0';
    char path[PathSize];
    for (UINT k = 0; k < n; ++k)
        if (!FetchDroppedName(drop, k, path) || !AppendArgument(text, DropArgumentsSize, room, path))
            return false;
    return true;
}

// Form 2: names relative to the first file's folder, which directory receives.
static bool BuildRelativeNames(HDROP drop, UINT n, int room, char* text, char* directory)
{
    text[0] = '\0';
    char path[PathSize];
    for (UINT k = 0; k < n; ++k) {
        if (!FetchDroppedName(drop, k, path))
            return false;
        if (k == 0)
            TextCopyN(directory, PathSize, path, DirectoryPartLength(path, IsLeadByte));
        if (!AppendArgument(text, DropArgumentsSize, room, RelativeItem(path, directory, IsLeadByte)))
            return false;
    }
    return true;
}

static void RunWithDroppedFiles(HDROP drop, UINT n, int slot)
{
    const LauncherButton* b = ButtonTable[slot];
    const int room = DropRoom(b->ProgramPath, b->Parameters);
    char text[DropArgumentsSize];
    char directory[PathSize];
    if (BuildFullPaths(drop, n, room, text))
        RunButton(slot, nullptr, text);
    else if (BuildRelativeNames(drop, n, room, text, directory))
        RunButton(slot, directory, text);
    else
        BarMessage("Name(s) of file(s) dropped too long for command line", "Cannot run program",
                   MB_OK | MB_ICONWARNING);
}

void HandleDrop(HDROP drop)
{
    POINT point;
    // A point outside the client area comes in screen coordinates.
    if (!DragQueryPoint(drop, &point))
        ScreenToClient(BarState.BarWindow, &point);
    const int slot = DropTargetSlot(point.x, point.y, BarState.CellWidth, ButtonCount);
    const UINT n = DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0);
    if (slot < 0 || ButtonTable[slot] == nullptr)
        AddDroppedFiles(drop, n);
    else
        RunWithDroppedFiles(drop, n, slot);
}

// Takes slot ButtonCount for a new button and widens the bar for it; -1
// after telling the user why not.
static int TakeSlot()
{
    if (ButtonCount >= MaxButtons) {
        BarMessage("No more free buttons", SorryCaption, MB_OK | MB_ICONWARNING);
        return -1;
    }
    LauncherButton* b = AllocateButton();
    if (b == nullptr)
        return -1;
    ZeroMemory(b, sizeof *b);
    const int slot = ButtonCount;
    ButtonTable[slot] = b;
    ++ButtonCount;
    if (!FitBar()) {
        BarMessage("Maximum window size reached", SorryCaption, MB_OK | MB_ICONWARNING);
        ButtonTable[slot] = nullptr;
        --ButtonCount;
        FreeButton(b);
        return -1;
    }
    return slot;
}

// The icon and the window of a filled new button.
static void FinishButton(int slot)
{
    ButtonTable[slot]->Icon = ChooseButtonIcon(slot);
    CreateButtonWindow(BarState.BarWindow, slot);
    BarState.UnsavedChanges = true;
}

bool AddFileButton(const char* programPath, const char* droppedPath)
{
    char parameters[ParametersSize] = "";
    const bool document = !SameTextNoCase(programPath, droppedPath);
    if (document && !DocumentWithArguments(droppedPath, "", parameters, sizeof parameters)) {
        ReportLongDocument(droppedPath);
        return false;
    }
    const int slot = TakeSlot();
    if (slot < 0)
        return false;
    LauncherButton* b = ButtonTable[slot];
    TextCopy(b->ProgramPath, sizeof b->ProgramPath, programPath);
    TextCopy(b->Parameters, sizeof b->Parameters, parameters);
    b->Document = document;
    b->ShowCommand = SW_SHOW;
    FinishButton(slot);
    return true;
}

bool AddShortcutButton(const char* shortcutPath, const ShortcutData* data)
{
    char target[PathSize], directory[PathSize], iconFile[PathSize], program[PathSize];
    char parameters[ParametersSize];
    // A path that expands beyond a path's length is refused, never cut into another one.
    bool usable = ExpandEnvironment(target, data->ProgramPath) && ExpandEnvironment(directory, data->DefaultDirectory) &&
                  ExpandEnvironment(iconFile, data->IconFile) && FindProgram(target, directory, program) > 32;
    const bool document = usable && !SameFileName(program, target);
    if (usable) {
        if (!document)
            TextCopy(parameters, sizeof parameters, data->Parameters);
        else
            usable = DocumentWithArguments(target, data->Parameters, parameters, sizeof parameters);
    }
    if (!usable) {
        ReportAddFailure(shortcutPath, -1);
        return false;
    }

    const int slot = TakeSlot();
    if (slot < 0)
        return false;
    LauncherButton* b = ButtonTable[slot];
    TextCopy(b->ProgramPath, sizeof b->ProgramPath, program);
    TextCopy(b->Parameters, sizeof b->Parameters, parameters);
    TextCopy(b->DefaultDirectory, sizeof b->DefaultDirectory, directory);
    TextCopy(b->IconFile, sizeof b->IconFile, iconFile);
    b->Document = document;
    b->ShowCommand = data->ShowCommand;
    b->IconIndex = data->IconIndex;
    FinishButton(slot);
    return true;
}

// Loads and resolves the shortcut and reads its fields into data.
static HRESULT ReadShortcut(HWND owner, IShellLinkA* link, IPersistFile* file, const char* shortcutPath,
                            ShortcutData* data)
{
    WCHAR widePath[PathSize];
    if (MultiByteToWideChar(CP_ACP, 0, shortcutPath, -1, widePath, (int)PathSize) == 0)
        return E_INVALIDARG;
    HRESULT result = file->Load(widePath, STGM_READ);
    if (FAILED(result))
        return result;
    result = link->Resolve(owner, SLR_NO_UI | SLR_ANY_MATCH);
    if (FAILED(result))
        return result;
    // The fields are read in order; one that cannot be read ends the reading with what was read.
    WIN32_FIND_DATAA unused;
    if (FAILED(link->GetPath(data->ProgramPath, (int)PathSize, &unused, SLGP_UNCPRIORITY)) ||
        FAILED(link->GetWorkingDirectory(data->DefaultDirectory, (int)PathSize)) ||
        FAILED(link->GetArguments(data->Parameters, (int)ParametersSize)) || FAILED(link->GetShowCmd(&data->ShowCommand)))
        return S_OK;
    return link->GetIconLocation(data->IconFile, (int)PathSize, &data->IconIndex);
}

// ole32 is loaded by the first dropped shortcut, not at every start of the bar.
static FARPROC OleProc(const char* name)
{
    if (BarState.Ole == nullptr)
        BarState.Ole = LoadLibraryA("ole32.dll");
    return BarState.Ole != nullptr ? GetProcAddress(BarState.Ole, name) : nullptr;
}

typedef HRESULT(WINAPI* CoInitializeProc)(LPVOID);
typedef void(WINAPI* CoUninitializeProc)();
typedef HRESULT(WINAPI* CoCreateInstanceProc)(REFCLSID, LPUNKNOWN, DWORD, REFIID, LPVOID*);

HRESULT ResolveShortcut(HWND owner, const char* shortcutPath, ShortcutData* data)
{
    ZeroMemory(data, sizeof *data);
    CoCreateInstanceProc create = (CoCreateInstanceProc)(void*)OleProc("CoCreateInstance");
    IShellLinkA* link = nullptr;
    HRESULT result = create != nullptr
                         ? create(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA, (void**)&link)
                         : E_FAIL;
    if (FAILED(result))
        return result;
    IPersistFile* file = nullptr;
    result = link->QueryInterface(IID_IPersistFile, (void**)&file);
    if (SUCCEEDED(result)) {
        result = ReadShortcut(owner, link, file, shortcutPath, data);
        file->Release();
    }
    link->Release();
    // Every field stays terminated, whatever a failing call left in it.
    data->ProgramPath[PathSize - 1] = data->DefaultDirectory[PathSize - 1] = data->IconFile[PathSize - 1] = '\0';
    data->Parameters[ParametersSize - 1] = '\0';
    return result;
}

// A name longer than a path can be here is told as too long, whole as far
// as the box goes: the cut path would name another file, or none.
static void ReportLongName(HDROP drop, UINT k, const char* cut)
{
    const UINT length = DragQueryFileA(drop, k, nullptr, 0);
    char* whole = (char*)LocalAlloc(LMEM_FIXED, (SIZE_T)length + 1);
    if (whole != nullptr)
        DragQueryFileA(drop, k, whole, length + 1);
    ReportLongDocument(whole != nullptr ? whole : cut);
    LocalFree(whole);
}

void AddDroppedFiles(HDROP drop, UINT n)
{
    char path[PathSize];
    char program[PathSize];
    for (UINT k = 0; k < n; ++k) {
        if (!FetchDroppedName(drop, k, path)) {
            ReportLongName(drop, k, path);
            return;
        }
        if (IsShortcutName(path)) {
            ShortcutData data;
            CoInitializeProc initialize = (CoInitializeProc)(void*)OleProc("CoInitialize");
            CoUninitializeProc uninitialize = (CoUninitializeProc)(void*)OleProc("CoUninitialize");
            HRESULT initialized = initialize != nullptr ? initialize(nullptr) : E_FAIL;
            HRESULT result = ResolveShortcut(BarState.BarWindow, path, &data);
            if (SUCCEEDED(initialized) && uninitialize != nullptr)
                uninitialize();
            if (FAILED(result) || data.ProgramPath[0] == '\0') {
                ReportAddFailure(path, -1);
                return;
            }
            if (!AddShortcutButton(path, &data))
                return;
        } else {
            int code = FindProgram(path, nullptr, program);
            if (code <= 32) {
                ReportAddFailure(path, code);
                return;
            }
            if (!AddFileButton(program, path))
                return;
        }
    }
}
