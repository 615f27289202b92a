// Auto-hide of a docked bar under the real pointer, and its setting in the menu and the file.
#include "Fixture.h"

using namespace qv;

static long Top(HWND window) { return WindowRect(window).top; }
static void CALLBACK EndMenuTimer(HWND, UINT, UINT_PTR timer, DWORD) { KillTimer(nullptr, timer), EndMenu(); }
static UINT ItemState(HWND bar)
{
    SendMessageA(bar, WM_INITMENU, (WPARAM)GetSystemMenu(bar, FALSE), 0);  // as before the menu shows
    return GetMenuState(GetSystemMenu(bar, FALSE), IDM_AUTOHIDE, MF_BYCOMMAND);
}

TEST_SUITE("autohide")
{
    TEST_CASE_FIXTURE(BarFixture, "a docked bar slides to a strip a second after the pointer left, and back for it; its setting")
    {
        WorkAreaGuard area({0, 0, 1280, 1000});
        REQUIRE(start("[Window]\r\nPosition=Fixed\r\nAutoHide=yes\r\n" + Buttons(Notepad, {"", ""})));
        HMENU system = GetSystemMenu(bar(), FALSE);  // Auto-hide after Always on top, off for any word but True
        CHECK(GetMenuItemID(system, GetMenuItemCount(system) - 6) == IDM_AUTOHIDE);
        CHECK(ItemState(bar()) == MF_UNCHECKED);
        const RECT shown = WindowRect(bar());
        SetCursorPos(100, 100), menu(IDM_AUTOHIDE), Pump(500);
        CHECK((Top(bar()) == shown.top && ItemState(bar()) == MF_CHECKED));  // not at once
        bool between = false;  // it slides
        CHECK((PumpUntil([&] { return (between |= Top(bar()) > shown.top && Top(bar()) < 998), Top(bar()) == 998; }) && between));
        SaveSettings();
        CHECK(Profile(ini, "Window", nullptr) == "Position=Fixed|AutoHide=True|AlwaysOnTop=False");
        SystemParametersInfoA(SPI_SETCLIENTAREAANIMATION, 0, (PVOID)FALSE, 0);
        SetCursorPos(shown.left + 20, 999);
        CHECK((PumpUntil([&] { return Top(bar()) != 998; }, 3000) && Top(bar()) == shown.top));  // in one move
        SetCursorPos(100, 100);
        CHECK(PumpUntil([&] { return Top(bar()) == 998; }, 5000));
        menu(IDM_AUTOHIDE);  // off: back for good
        CHECK(PumpUntil([&] { return Top(bar()) == shown.top; }, 3000));
        CHECK((SaveWindowSettings(bar(), BarState.ConfigFilePath) && Profile(ini, "Window", "AutoHide") == "False"));
        REQUIRE(start("[Window]\r\nAutoHide=tRUE\r\n" + Buttons(Notepad, {""})));
        CHECK(ItemState(bar()) == (MF_CHECKED | MF_GRAYED));  // floating
        SystemParametersInfoA(SPI_SETCLIENTAREAANIMATION, 0, (PVOID)TRUE, 0);
    }

    TEST_CASE_FIXTURE(BarFixture, "the bar stays while a menu, a box or the keyboard has it, or away from its corner")
    {
        REQUIRE(start("[Window]\r\nPosition=Fixed\r\nAutoHide=True\r\nHotkey=Ctrl+Alt+Q\r\n" + Buttons(Notepad, {""})));
        const RECT shown = WindowRect(bar());
        SetCursorPos(100, 100);
        SetTimer(nullptr, 0, 1500, EndMenuTimer);  // the menu ignores the key of no item until then
        CHECK((Click(slot(0)->ButtonWindow, 'x').size() == 3 && Top(bar()) == shown.top));
        long during = 0;
        boxes.answers = {IDCANCEL}, boxes.onNextBox = [&] { Pump(1500), during = Top(bar()); };
        BarState.PopupSlot = 0, send(WM_COMMAND, IDM_DELETE);
        CHECK(during == shown.top);
        SetForegroundWindow(bar()), Pump(1500);
        CHECK(Top(bar()) == shown.top);
        HWND other = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, 9, 9, nullptr, nullptr, nullptr, nullptr);
        SetForegroundWindow(other);
        const int w = shown.right - shown.left, h = shown.bottom - shown.top;
        MoveWindow(bar(), 300, 300, w, h, TRUE), Pump(1500);
        CHECK((Top(bar()) == 300 && ItemState(bar()) == (MF_CHECKED | MF_GRAYED)));
        MoveWindow(bar(), shown.left - 5, shown.top + 5, w, h, TRUE);  // snaps back into its corner
        CHECK(ItemState(bar()) == MF_CHECKED);
        CHECK(PumpUntil([&] { return Top(bar()) > shown.top; }, 5000));
        PressKeys({Ctrl | Alt | 'Q'});  // the hotkey brings it back, as the bar then has the keyboard
        CHECK(PumpUntil([&] { return Top(bar()) == shown.top; }, 5000));
        DestroyWindow(other);
    }
}
