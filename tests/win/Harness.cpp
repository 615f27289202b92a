#include "Fixture.h"

#include <sstream>

namespace qv {

bool StartBar(const std::string& commandLine, int showCommand)
{
    bool ok = RegisterBarClass(GetModuleHandleA(nullptr)) && CreateBarWindow(GetModuleHandleA(nullptr), commandLine.c_str(), showCommand);
    Pump(50);
    return ok;
}

void ResetLauncher()
{
    DestroyMenu(BarState.PopupMenu);  // fails harmlessly without one
    if (BarState.BarWindow != nullptr && IsWindow(BarState.BarWindow))
        DestroyWindow(BarState.BarWindow);
    ReleaseBarResources();
    // The next case registers the class again, as a new process would.
    UnregisterClassA(BarClassName, GetModuleHandleA(nullptr));
    BarState = TBarState();
    Pump(20);
}

Capture::Capture(HWND window, bool repaint)
{
    if (repaint)
        RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    Pump(100);
    RECT r;
    GetClientRect(window, &r);
    POINT origin = {0, 0};
    ClientToScreen(window, &origin);
    w = r.right, h = r.bottom;
    HDC screen = GetDC(nullptr);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            pixels.push_back(GetPixel(screen, origin.x + x, origin.y + y));
    ReleaseDC(nullptr, screen);
}

Capture Capture::Printed(HWND window)
{
    Capture shot;
    RECT r;
    GetClientRect(window, &r);
    shot.w = r.right, shot.h = r.bottom;
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, shot.w, shot.h);
    HGDIOBJ previous = SelectObject(dc, bitmap);
    FillRect(dc, &r, (HBRUSH)GetStockObject(WHITE_BRUSH));
    SendMessageA(window, WM_PRINTCLIENT, (WPARAM)dc, PRF_CLIENT);
    for (int y = 0; y < shot.h; ++y)
        for (int x = 0; x < shot.w; ++x)
            shot.pixels.push_back(GetPixel(dc, x, y));
    SelectObject(dc, previous);
    DeleteObject(bitmap);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    return shot;
}

std::map<std::string, std::string> WaitForRecord(const std::string& path, int milliseconds)
{
    // Renamed when complete, the record may still be held for a moment: it is read until its "end=" line is in.
    std::string text;
    PumpUntil([&] { return (text = ReadFile(path)).find("\nend=") != std::string::npos; }, milliseconds);
    std::map<std::string, std::string> record;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);)
        record[line.substr(0, line.find('='))] = line.substr(line.find('=') + 1);
    // Its end, so that it neither outlives its folder nor overlaps the next case.
    HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, std::strtoul(record["pid"].c_str(), nullptr, 10));
    if (process != nullptr) {
        PumpUntil([&] { return WaitForSingleObject(process, 0) == WAIT_OBJECT_0; }, milliseconds);
        CloseHandle(process);
    }
    return record;
}

static Texts popupTexts;
static WPARAM popupKey;
static bool popupUnheard;
static WNDPROC barProc;

// Reads the popup menu when its loop first goes idle, then types the key into it.
static LRESULT CALLBACK WatchPopup(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_MENUSELECT && popupUnheard)
        return 0;
    if (message == WM_ENTERIDLE && wParam == MSGF_MENU && BarState.PopupMenu != nullptr && popupTexts.empty()) {
        for (int i = 0; i < GetMenuItemCount(BarState.PopupMenu); ++i) {
            char text[300] = "";
            GetMenuStringA(BarState.PopupMenu, (UINT)i, text, sizeof text, MF_BYPOSITION);
            popupTexts.push_back(text);
        }
        if (popupKey != 0)
            PostMessageA(window, WM_CHAR, popupKey, 0);
        else
            EndMenu();
    }
    return CallWindowProcA(barProc, window, message, wParam, lParam);
}

Texts Click(HWND window, WPARAM key, UINT mouse, bool unheard)
{
    popupTexts.clear();
    popupKey = key;
    popupUnheard = unheard;
    barProc = (WNDPROC)SetWindowLongPtrA(BarState.BarWindow, GWLP_WNDPROC, (LONG_PTR)WatchPopup);
    SendMessageA(BarState.BarWindow, WM_SETCURSOR, (WPARAM)window, MAKELPARAM(HTCLIENT, mouse));
    SetWindowLongPtrA(BarState.BarWindow, GWLP_WNDPROC, (LONG_PTR)barProc);
    return popupTexts;
}

void RegisterOpener(const char* extension, const std::string& program)
{
    const std::string type = std::string("QuenvoletTest") + (extension + 1), command = "\"" + program + "\" \"%1\"";
    RegSetValueA(HKEY_CLASSES_ROOT, extension, REG_SZ, type.c_str(), 0);
    RegSetValueA(HKEY_CLASSES_ROOT, (type + "\\shell\\open\\command").c_str(), REG_SZ, command.c_str(), 0);
}

}  // namespace qv
