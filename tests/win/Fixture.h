// What the launcher's Windows tests add to the harness: a bar of this process, and its popup menu.
#ifndef QUENVOLT_TESTS_FIXTURE_H
#define QUENVOLT_TESTS_FIXTURE_H

#include <doctest.h>

#include "harness/Harness.h"
#include "ButtonWindows.h"
#include "FileSearch.h"
#include "Launch.h"
#include "Profile.h"
#include "QUENVOLT.h"
#include "Start.h"

namespace qv {

using namespace qt;

// The launcher in this process: a bar created on a command line as WinMain gets it, and forgotten unsaved.
inline bool StartBar(const std::string& commandLine, int showCommand = SW_SHOWNORMAL)
{
    bool ok = RegisterBarClass(GetModuleHandleA(nullptr)) && CreateBarWindow(GetModuleHandleA(nullptr), commandLine.c_str(), showCommand);
    Pump(50);
    return ok;
}

inline void ResetLauncher()
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

struct BarFixture {
    TempDir dir;
    std::string ini = dir.file("Quenvolt.INI");
    BoxAnswerer boxes;
    char home[MAX_PATH] = "";  // the current folder, put back at the end

    BarFixture() { GetCurrentDirectoryA(sizeof home, home), ResetLauncher(); }
    ~BarFixture() { ResetLauncher(), SetCurrentDirectoryA(home); }
    // Writes the INI file and starts the bar on it, afresh, with no box seen yet.
    bool start(const std::string& content, int show = SW_SHOWNOACTIVATE)
    {
        ResetLauncher(), boxes.seen.clear();
        WriteFile(ini, content);
        return StartBar(ini, show);
    }
    HWND bar() const { return BarState.BarWindow; }
    LauncherButton* slot(int s) const { return ButtonTable[s]; }
    // A command of the bar's window menu, or another message to the bar.
    LRESULT send(UINT message, WPARAM wParam = 0) const { return SendMessageA(bar(), message, wParam, 0); }
    LRESULT menu(WPARAM command) const { return send(WM_SYSCOMMAND, command); }
    // A document of the fixture's folder, of a type the recorder opens.
    std::string document(const std::string& name, const std::string& text = "text") const
    {
        RegisterOpener(".qvdoc", RecorderPath());
        WriteFile(dir.file(name), text);
        return dir.file(name);
    }
    // Points the recorder at a file of the fixture's folder.
    std::string recordAs(const char* name) const { return RecordInto(dir.file(name)); }
};

// A mouse message over a window of the bar as the bar hears it (or what open does); returns the items of the
// popup menu it opened, which is then sent the key (or dismissed). With unheard, the bar never hears it close.
inline Texts Click(HWND window, WPARAM key = 0, UINT mouse = WM_RBUTTONUP, bool unheard = false,
                   const std::function<void(const Texts& read)>& open = nullptr)
{
    static Texts texts;
    static WPARAM typed;
    static bool deaf;
    static WNDPROC barProc;
    // Reads the popup menu when its loop first goes idle, then types the key into it.
    struct Watch {
        static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
        {
            if (message == WM_MENUSELECT && deaf)
                return 0;
            if (message == WM_ENTERIDLE && wParam == MSGF_MENU && texts.empty()) {  // another menu reads as none
                for (int i = 0; i < GetMenuItemCount(BarState.PopupMenu); ++i) {
                    char text[300] = "";
                    GetMenuStringA(BarState.PopupMenu, (UINT)i, text, sizeof text, MF_BYPOSITION);
                    texts.push_back(text);
                }
                if (typed != 0)
                    PostMessageA(window, WM_CHAR, typed, 0);
                else
                    EndMenu();
            }
            return CallWindowProcA(barProc, window, message, wParam, lParam);
        }
    };
    texts.clear(), typed = key, deaf = unheard;
    barProc = (WNDPROC)SetWindowLongPtrA(BarState.BarWindow, GWLP_WNDPROC, (LONG_PTR)Watch::Proc);
    if (open)
        open(texts);
    else
        SendMessageA(BarState.BarWindow, WM_SETCURSOR, (WPARAM)window, MAKELPARAM(HTCLIENT, mouse));
    SetWindowLongPtrA(BarState.BarWindow, GWLP_WNDPROC, (LONG_PTR)barProc);
    return texts;
}

// The popup menu that keys pressed on the bar open, read and dismissed as Click does.
inline Texts MenuFromKeys(const std::vector<int>& keys)
{
    return Click(nullptr, 0, 0, false, [&](const Texts& read) { PressKeys(keys), PumpUntil([&] { return !read.empty(); }, 10000); });
}

}  // namespace qv

#endif
