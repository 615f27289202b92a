#include "IconUtil.h"

#include "Dpi.h"
#include "IconGrid.h"
#include "Message.h"
#include "core/EditorCore.h"
#include "core/Text.h"
#include "Glyphs.h"
#include "forms/Form.h"
#include "forms/MainForm.h"

#include <shellapi.h>

TIcon DefaultIcon;
short WindowsVersion;
short CaptionFrameHeight;
short DoubleFrameWidth;
int IconSize = 32;

TIcon& TIcon::operator=(const TIcon& other)
{
    if (this != &other)
        setHandle(other.handle_ ? CopyIcon(other.handle_) : nullptr);
    return *this;
}

TIcon& TIcon::operator=(TIcon&& other) noexcept
{
    if (this != &other) {
        release();
        handle_ = other.handle_;
        other.handle_ = nullptr;
    }
    return *this;
}

void TIcon::setHandle(HICON icon)
{
    if (icon != handle_)
        release();
    handle_ = icon;
}

bool TIcon::release()
{
    HICON icon = handle_;
    handle_ = nullptr;
    // the predefined question mark is shared by the system and never destroyed
    return icon == nullptr || icon == LoadIconA(nullptr, IDI_QUESTION) || DestroyIcon(icon);
}

static HICON Extract(const std::string& file, int index)
{
    return ExtractIconOfSize(file.c_str(), index, IconSize);
}

void SetProgramIcons(HWND window)
{
    HINSTANCE instance = GetModuleHandleA(nullptr);
    const struct { WPARAM kind; int width, height; } sizes[] = {
        {ICON_BIG, GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON)},
        {ICON_SMALL, GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON)},
    };
    for (const auto& size : sizes)
        if (HANDLE icon = LoadImageA(instance, MAKEINTRESOURCEA(IDI_QVCONFIG), IMAGE_ICON, size.width, size.height,
                                     LR_SHARED))
            SendMessageA(window, WM_SETICON, size.kind, (LPARAM)icon);
}

void SetIconScale(int dpi)
{
    IconSize = IconSizeForDpi(dpi);
}

void InitIconUtilities(int dpi)
{
    SetIconScale(dpi);
    DefaultIcon.setHandle(LoadIconA(nullptr, IDI_QUESTION));
    const DWORD version = GetVersion();
    WindowsVersion = (short)(LOBYTE(LOWORD(version)) * 100 + HIBYTE(LOWORD(version)));
    CaptionFrameHeight = (short)(GetSystemMetrics(SM_CYCAPTION) + GetSystemMetrics(SM_CYFRAME));
    DoubleFrameWidth = (short)(GetSystemMetrics(SM_CXFRAME) * 2);
}

void DoneIconUtilities()
{
    DefaultIcon.release();
}

// FindExecutableA writes up to MAX_PATH characters, whatever the name's length.
static bool FindExecutable(const std::string& file, const std::string& directory, std::string* result)
{
    // no program is found under a longer name, and the shell's lookup runs past its buffers on one
    if (file.size() >= MAX_PATH || directory.size() >= MAX_PATH)
        return false;
    char found[MAX_PATH + 1] = "";
    const INT_PTR code = (INT_PTR)FindExecutableA(file.c_str(), directory.c_str(), found);
    found[MAX_PATH] = '\0';
    *result = found;
    return code > 32;
}

std::string FindAssociatedExecutable(const std::string& name, const std::string& defaultDirectory)
{
    std::string result, directory, file;
    bool found = false;
    if (SplitProgramName(name, &directory, &file))
        found = FindExecutable(file, directory, &result);
    if (!found)
        found = FindExecutable(name, defaultDirectory, &result);
    if (!found)
        return std::string();

    SHFILEINFOA info;
    ZeroMemory(&info, sizeof info);
    if (SHGetFileInfoA(result.c_str(), 0, &info, sizeof info, SHGFI_DISPLAYNAME)) {
        char program[MAX_PATH * 2];
        TextCopy(program, sizeof program, result.c_str());
        info.szDisplayName[sizeof info.szDisplayName - 1] = '\0';
        if (ApplyDisplayName(program, sizeof program, info.szDisplayName))
            result = program;
    }
    return result;
}

bool FileExists(const std::string& path)
{
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

static std::string WithBackslash(const char* directory, UINT length)
{
    std::string text(directory, length);
    if (text.empty() || text.back() != '\\')
        text += '\\';
    return text;
}

bool FindFallbackIconFile(std::string* result)
{
    char directory[256];
    UINT length = GetWindowsDirectoryA(directory, 255);
    if (length > 0 && length < 255) {
        const std::string candidate = WithBackslash(directory, length) + "progman.exe";
        if (FileExists(candidate)) {
            *result = candidate;
            return true;
        }
    }
    length = GetSystemDirectoryA(directory, 255);
    if (length > 0 && length < 255) {
        const std::string candidate = WithBackslash(directory, length) + "shell32.dll";
        if (FileExists(candidate)) {
            *result = candidate;
            return true;
        }
    }
    return false;
}

bool LoadButtonIcon(TButtonInfo& info)
{
    const std::string exe = FindAssociatedExecutable(info.FileName, info.DefaultDirectory);
    if (exe.empty()) {
        EditorMessage(nullptr, MessageError, "No associated executable file found for file\n\r" + info.FileName);
        return false;
    }
    info.Icon.setHandle(Extract(exe, info.IconIndex));
    if (!info.Icon.empty()) {
        info.IconFile = exe;
        return true;
    }
    std::string fallback;
    if (FindFallbackIconFile(&fallback)) {
        info.IconFile = fallback;
        info.IconIndex = 1;
        info.Icon.setHandle(Extract(fallback, 1));
    }
    return true;
}

void ExtractAgain(TButtonInfo& info)
{
    if (HICON icon = Extract(info.IconFile, info.IconIndex))
        info.Icon.setHandle(icon);
}

void RefreshButtonIcon(TButtonInfo& info)
{
    info.Icon.setHandle(nullptr);
    if (!info.IconFile.empty())
        info.Icon.setHandle(Extract(info.IconFile, info.IconIndex));
    if (info.Icon.empty())
        LoadButtonIcon(info);
}

void FitGridColumns(HWND grid, short columns)
{
    SendMessageA(grid, GM_SETCOLCOUNT, (WPARAM)columns, 0);
    const bool scrolling = SendMessageA(grid, GM_HASSCROLLBAR, 0, 0) != 0;
    const int visible = (int)SendMessageA(grid, GM_GETVISIBLECOLS, 0, 0);
    const int change = GetSystemMetrics(SM_CYHSCROLL);
    RECT r;
    GetWindowRect(grid, &r);
    if (columns > visible) {
        if (scrolling)
            return;
        SendMessageA(grid, GM_SETSCROLLBAR, TRUE, 0);
        SetWindowPos(grid, nullptr, 0, 0, r.right - r.left, r.bottom - r.top + change,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    } else if (scrolling) {
        SendMessageA(grid, GM_SETSCROLLBAR, FALSE, 0);
        SetWindowPos(grid, nullptr, 0, 0, r.right - r.left, r.bottom - r.top - change,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

void RescaleGridForm(HWND form, FormLayout& layout, GlyphFaces& glyphs, HWND grid, short columns, int dpi,
                     const RECT& suggested)
{
    SendMessageA(grid, GM_SETSCROLLBAR, FALSE, 0);  // the grid takes its table height, refitted below
    RescaleForm(form, layout, dpi, suggested);
    RemakeGlyphFaces(glyphs, dpi);
    SendMessageA(grid, GM_SETDPI, (WPARAM)dpi, 0);
    FitGridColumns(grid, columns);
}
