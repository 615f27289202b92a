// The editor's button record and the icon and program helpers its forms
// share: which program opens a button's file, which icon the button shows,
// what to show when there is none, the program's own icon on its windows,
// whether a file exists, and fitting a one-row icon grid.
#ifndef QVCONFIG_ICONUTIL_H
#define QVCONFIG_ICONUTIL_H

#include <windows.h>

#include <string>

// The single owner of one icon image. Copying gives the copy an image of its
// own; moving hands the image over, so a list entry's icon travels with it.
class TIcon {
public:
    TIcon() = default;
    ~TIcon() { release(); }
    TIcon(const TIcon& other) : handle_(other.handle_ ? CopyIcon(other.handle_) : nullptr) {}
    TIcon(TIcon&& other) noexcept : handle_(other.handle_) { other.handle_ = nullptr; }
    TIcon& operator=(const TIcon& other);
    TIcon& operator=(TIcon&& other) noexcept;

    HICON handle() const { return handle_; }
    bool empty() const { return handle_ == nullptr; }
    // Takes ownership of icon (0 empties the object), releasing the former image.
    void setHandle(HICON icon);
    // Releases the image; false when the system refused to free it.
    bool release();

private:
    HICON handle_ = nullptr;
};

struct TButtonInfo {
    std::string FileName;
    std::string DefaultDirectory;
    std::string Parameters;
    std::string IconFile;
    int IconIndex = 0;
    TIcon Icon;
    unsigned char WindowState = 0;  // 0 normal, 1 minimized, 2 maximized
};

// Set by InitIconUtilities, constant until DoneIconUtilities.
extern TIcon DefaultIcon;
extern short WindowsVersion;      // major * 100 + minor
extern short CaptionFrameHeight;  // a dialog opens this far below its opener's top
extern short DoubleFrameWidth;    // and this far right of its left
extern int IconSize;              // the side icons are extracted at, the main form's scale's (SetIconScale)

// Gives a window of the run the program's icon, big and small, for its
// caption and its task-bar entry.
void SetProgramIcons(HWND window);

void InitIconUtilities(int dpi);
// Icons are extracted from now on at the size of dpi.
void SetIconScale(int dpi);
void DoneIconUtilities();

// The full path of the program that opens name (its file part the shell's
// display name when that keeps the extension), or empty text.
std::string FindAssociatedExecutable(const std::string& name, const std::string& defaultDirectory);
// Whether path names a file (a folder is none).
bool FileExists(const std::string& path);
// progman.exe in the Windows folder, else shell32.dll in the system folder.
bool FindFallbackIconFile(std::string* result);
// Gives info the icon of its program; false when no program opens its file.
bool LoadButtonIcon(TButtonInfo& info);
// Gives info its stored icon again at IconSize; a file that gives none now leaves it the one it had.
void ExtractAgain(TButtonInfo& info);
// Gives info its stored icon, or its program's icon when that gives none.
void RefreshButtonIcon(TButtonInfo& info);
// Sets the grid's column count and adds or removes its scroll bar, growing
// or shrinking it by the scroll bar's height once.
void FitGridColumns(HWND grid, short columns);
struct FormLayout;
struct GlyphFaces;
// A form with an icon grid moved onto a monitor of another scale: laid out anew
// with the grid at its table height, its glyphs and cells remade at dpi, and
// the grid refitted to its columns.
void RescaleGridForm(HWND form, FormLayout& layout, GlyphFaces& glyphs, HWND grid, short columns, int dpi,
                     const RECT& suggested);

#endif
