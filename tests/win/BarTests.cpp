// The running bar as the user meets it: its system menu, a button's popup
// menu, deleting a button, help, the About box, closing and shutting down,
// and the hand-over to the editor, all through real windows and messages.
#include "Fixture.h"

#include <cstring>

using namespace qv;

namespace {

std::string MenuText(HMENU menu, int position)
{
    char text[300] = "";
    GetMenuStringA(menu, (UINT)position, text, sizeof text, MF_BYPOSITION);
    return text;
}

// What the popup menu held while it was open, read from inside its loop.
struct PopupSeen {
    std::vector<std::string> texts;
    std::vector<UINT> ids;
    std::vector<UINT> states;
    WPARAM key = 0;  // a mnemonic to type into the menu, or 0 to dismiss it
    bool fired = false;
};
PopupSeen* popupSeen;

void CALLBACK ReadPopup(HWND, UINT, UINT_PTR timer, DWORD)
{
    KillTimer(nullptr, timer);
    PopupSeen* seen = popupSeen;
    seen->fired = true;
    if (PopupMenu != nullptr) {
        for (int i = 0; i < GetMenuItemCount(PopupMenu); ++i) {
            seen->texts.push_back(MenuText(PopupMenu, i));
            seen->ids.push_back(GetMenuItemID(PopupMenu, i));
            seen->states.push_back(GetMenuState(PopupMenu, (UINT)i, MF_BYPOSITION));
        }
    }
    if (seen->key != 0)
        PostMessageA(BarState.BarWindow, WM_CHAR, seen->key, 0);
    else
        EndMenu();
}

// A right-button release over window, as the bar hears it; reads the popup
// menu while it is open, then types key into it or dismisses it.
PopupSeen RightClick(HWND window, WPARAM key = 0)
{
    PopupSeen seen;
    seen.key = key;
    popupSeen = &seen;
    UINT_PTR timer = SetTimer(nullptr, 0, 150, ReadPopup);
    SendMessageA(BarState.BarWindow, WM_SETCURSOR, (WPARAM)window, MAKELPARAM(HTCLIENT, WM_RBUTTONUP));
    if (!seen.fired)
        KillTimer(nullptr, timer);
    Pump(50);
    popupSeen = nullptr;
    return seen;
}

int ClientWidth(HWND window)
{
    RECT r;
    GetClientRect(window, &r);
    return r.right - r.left;
}

}  // namespace

TEST_SUITE("bar")
{
    TEST_CASE_FIXTURE(BarFixture, "the system menu gains its five items after a separator")
    {
        bool onTop = false;
        SUBCASE("on a floating bar") { onTop = false; }
        SUBCASE("on a bar that stays on top") { onTop = true; }
        REQUIRE(start(Section("Window") + Key("AlwaysOnTop", onTop ? "True" : "False") +
                      Section("Button1") + Key("FileName", Notepad)));
        HMENU menu = GetSystemMenu(bar(), FALSE);
        REQUIRE(menu != nullptr);
        const int count = GetMenuItemCount(menu);
        REQUIRE(count >= 6);
        const int first = count - 6;
        CHECK((GetMenuState(menu, (UINT)first, MF_BYPOSITION) & MF_SEPARATOR) != 0);
        const char* texts[5] = {"Always on &top", "Con&figure ...", "Sa&ve settings now", "&Help", "&About Quenvolet"};
        const UINT ids[5] = {IDM_ALWAYSONTOP, IDM_CONFIGURE, IDM_SAVESETTINGS, IDM_HELP, IDM_ABOUT};
        for (int i = 0; i < 5; ++i) {
            CAPTURE(i);
            CHECK(MenuText(menu, first + 1 + i) == texts[i]);
            CHECK(GetMenuItemID(menu, first + 1 + i) == ids[i]);
            UINT state = GetMenuState(menu, (UINT)(first + 1 + i), MF_BYPOSITION);
            CHECK((state & (MF_GRAYED | MF_DISABLED | MF_SEPARATOR)) == 0);
            CHECK(((state & MF_CHECKED) != 0) == (i == 0 && onTop));
        }
        for (UINT command : {SC_RESTORE, SC_MINIMIZE, SC_MAXIMIZE}) {
            CAPTURE(command);
            CHECK((GetMenuState(menu, command, MF_BYCOMMAND) & MF_GRAYED) != 0);
        }
        CHECK((GetMenuState(menu, SC_MOVE, MF_BYCOMMAND) & MF_GRAYED) == 0);

        // The check mark follows the bar when it is toggled.
        SendMessageA(bar(), WM_SYSCOMMAND, IDM_ALWAYSONTOP, 0);
        CHECK(((GetMenuState(menu, IDM_ALWAYSONTOP, MF_BYCOMMAND) & MF_CHECKED) != 0) == !onTop);
        CHECK(((GetWindowLongA(bar(), GWL_EXSTYLE) & WS_EX_TOPMOST) != 0) == !onTop);
    }

    TEST_CASE_FIXTURE(BarFixture, "buttons are found by their windows and ids")
    {
        REQUIRE(start(ThreeButtons(RecorderPath())));
        REQUIRE(ButtonCount == 3);
        for (int s = 0; s < 3; ++s) {
            CAPTURE(s);
            HWND window = GetDlgItem(bar(), FIRST_BUTTON_ID + s);
            CHECK(window == slot(s)->ButtonWindow);
            CHECK(FindButtonSlot(window) == s);
            CHECK(IsButtonId(FIRST_BUTTON_ID + s));
        }
        CHECK_FALSE(IsButtonId(FIRST_BUTTON_ID - 1));
        CHECK_FALSE(IsButtonId(FIRST_BUTTON_ID + 3));
        CHECK(FindButtonSlot(bar()) == -1);
        CHECK(FindButtonSlot(nullptr) == -1);
    }

    TEST_CASE_FIXTURE(BarFixture, "a right click on a button opens its popup menu")
    {
        REQUIRE(start(ThreeButtons(RecorderPath())));
        PopupSeen seen = RightClick(slot(1)->ButtonWindow);
        REQUIRE(seen.fired);
        CHECK(seen.texts == std::vector<std::string>{"&Run recorder.exe", "&Delete", "&Properties"});
        CHECK(seen.ids == std::vector<UINT>{IDM_RUN, IDM_DELETE, IDM_PROPERTIES});
        for (UINT state : seen.states)
            CHECK((state & (MF_GRAYED | MF_DISABLED | MF_CHECKED)) == 0);
        CHECK(PopupSlot == 1);
        CHECK(PopupMenu == nullptr);  // destroyed when it closed

        SUBCASE("and opens again the next time")
        {
            PopupSeen again = RightClick(slot(2)->ButtonWindow);
            CHECK(again.texts.size() == 3);
            CHECK(PopupSlot == 2);
        }
        SUBCASE("but not over the bar itself")
        {
            PopupSeen none = RightClick(bar());
            CHECK(none.texts.empty());
            CHECK(PopupSlot == 1);
        }
        SUBCASE("nor for other mouse messages")
        {
            PopupSeen seenLeft;
            popupSeen = &seenLeft;
            UINT_PTR timer = SetTimer(nullptr, 0, 150, ReadPopup);
            SendMessageA(bar(), WM_SETCURSOR, (WPARAM)slot(0)->ButtonWindow, MAKELPARAM(HTCLIENT, WM_LBUTTONUP));
            SendMessageA(bar(), WM_SETCURSOR, (WPARAM)slot(0)->ButtonWindow, MAKELPARAM(HTCAPTION, WM_RBUTTONUP));
            KillTimer(nullptr, timer);
            popupSeen = nullptr;
            CHECK(PopupSlot == 1);
        }
        SUBCASE("whose Run item starts that button")
        {
            std::string record = RecordInto(*this, "run.rec");
            PopupSeen run = RightClick(slot(2)->ButtonWindow, 'r');
            CHECK(run.texts.size() == 3);
            auto r = WaitForRecord(record);
            REQUIRE_FALSE(r.empty());
            CHECK(r["cmdline"] == RecorderPath() + " third");
        }
    }

    TEST_CASE_FIXTURE(BarFixture, "the Run item names the program as its path ends")
    {
        RegisterRecorderDocuments();
        // A program path without a backslash is named whole.
        REQUIRE(start(ThreeButtons(RecorderPath())));
        TextCopy(slot(0)->ProgramPath, sizeof slot(0)->ProgramPath, "plain.exe");
        CHECK(RightClick(slot(0)->ButtonWindow).texts.at(0) == "&Run plain.exe");
        TextCopy(slot(0)->ProgramPath, sizeof slot(0)->ProgramPath, "C:\\A&B\\Tom&Jerry.exe");
        CHECK(RightClick(slot(0)->ButtonWindow).texts.at(0) == "&Run Tom&Jerry.exe");
    }

    TEST_CASE_FIXTURE(BarFixture, "deleting a button asks first")
    {
        REQUIRE(start(ThreeButtons(RecorderPath())));
        const std::string before = ReadFile(ini);
        const int wide = ClientWidth(bar());
        CHECK(wide == BarClientWidth(3, BarState.CellWidth));

        SUBCASE("and Cancel changes nothing")
        {
            boxes.setAnswer(IDCANCEL);
            PopupSlot = 1;
            SendMessageA(bar(), WM_COMMAND, IDM_DELETE, 0);
            REQUIRE(boxes.seen().size() == 1);
            CHECK(boxes.seen()[0].caption == "Quenvolet");
            CHECK(boxes.seen()[0].text == "Delete button?");
            CHECK(ButtonCount == 3);
            CHECK(std::string(slot(1)->Parameters) == "second");
            CHECK_FALSE(BarState.UnsavedChanges);
            CHECK(ClientWidth(bar()) == wide);
        }
        SUBCASE("and OK on the middle one of three keeps the others in order")
        {
            HWND third = slot(2)->ButtonWindow;
            PopupSlot = 1;
            SendMessageA(bar(), WM_COMMAND, IDM_DELETE, 0);
            REQUIRE(boxes.seen().size() == 1);
            REQUIRE(ButtonCount == 2);
            CHECK(std::string(slot(0)->Parameters) == "first");
            CHECK(std::string(slot(1)->Parameters) == "third");
            CHECK(ButtonTable[2] == nullptr);
            CHECK(GetDlgCtrlID(slot(0)->ButtonWindow) == FIRST_BUTTON_ID);
            CHECK(GetDlgCtrlID(slot(1)->ButtonWindow) == FIRST_BUTTON_ID + 1);
            CHECK_FALSE(IsWindow(third));  // the last window goes
            CHECK(GetDlgItem(bar(), FIRST_BUTTON_ID + 2) == nullptr);
            CHECK(BarState.UnsavedChanges);
            int width, height;
            ComputeBarSize(&width, &height);
            RECT frame = WindowRect(bar());
            CHECK(frame.right - frame.left == width);
            CHECK(ClientWidth(bar()) < wide);
            CHECK(ReadFile(ini) == before);  // written only when saved

            // The window of slot 1 now runs the former third button.
            std::string record = RecordInto(*this, "after.rec");
            SendMessageA(slot(1)->ButtonWindow, BM_CLICK, 0, 0);
            auto r = WaitForRecord(record);
            CHECK(r["cmdline"] == RecorderPath() + " third");

            SaveSettings();
            auto saved = file();
            CHECK(FindSection(saved, "Button3") == nullptr);
            REQUIRE(FindSection(saved, "Button2") != nullptr);
            CHECK(*FindSection(saved, "Button2")->find("Parameters") == "third");
        }
        SUBCASE("and deleting every button leaves an empty bar")
        {
            for (int n = 0; n < 3; ++n) {
                PopupSlot = ButtonCount - 1;
                SendMessageA(bar(), WM_COMMAND, IDM_DELETE, 0);
            }
            CHECK(boxes.seen().size() == 3);
            CHECK(ButtonCount == 0);
            CHECK(GetDlgItem(bar(), FIRST_BUTTON_ID) == nullptr);
            CHECK(ClientWidth(bar()) <= wide);
            UpdateWindow(bar());
            SaveSettings();
            auto saved = file();
            CHECK(FindSection(saved, "Button1") == nullptr);
        }
    }

    TEST_CASE_FIXTURE(BarFixture, "help opens on an empty bar and closes with it")
    {
        FakeHelp help;
        BesideProgram hlp("Quenvolt.hlp", true);  // WinHelp is asked only for a file that is there
        SUBCASE("a bar without buttons opens the contents at once and quits help on closing")
        {
            REQUIRE(start(Section("Window") + Key("Title", "Empty")));
            auto calls = help.calls();
            REQUIRE(calls.size() == 1);
            CHECK(calls[0].first == HELP_CONTENTS);
            CHECK(calls[0].second == "Quenvolt.hlp");
            CHECK(HelpOpen);
            SendMessageA(bar(), WM_CLOSE, 0, 0);
            calls = help.calls();
            REQUIRE(calls.size() == 2);
            CHECK(calls[1].first == HELP_QUIT);
            CHECK_FALSE(HelpOpen);
        }
        SUBCASE("a bar with buttons sends no help call unless asked")
        {
            REQUIRE(start(Section("Button1") + Key("FileName", Notepad)));
            CHECK(help.calls().empty());
            SendMessageA(bar(), WM_HELP, 0, 0);
            SendMessageA(bar(), WM_SYSCOMMAND, IDM_HELP, 0);
            auto calls = help.calls();
            REQUIRE(calls.size() == 2);
            CHECK(calls[0].first == HELP_CONTENTS);
            CHECK(calls[1].first == HELP_CONTENTS);
            SendMessageA(bar(), WM_CLOSE, 0, 0);
            calls = help.calls();
            REQUIRE(calls.size() == 3);
            CHECK(calls[2].first == HELP_QUIT);
        }
        SUBCASE("closing a bar whose help never opened sends nothing")
        {
            REQUIRE(start(Section("Button1") + Key("FileName", Notepad)));
            SendMessageA(bar(), WM_CLOSE, 0, 0);
            CHECK(help.calls().empty());
        }
    }

    TEST_CASE_FIXTURE(BarFixture, "the About box shows who we are and closes with OK")
    {
        REQUIRE(start(Section("Button1") + Key("FileName", Notepad)));
        SendMessageA(bar(), WM_SYSCOMMAND, IDM_ABOUT, 0);  // returns once the box is answered
        REQUIRE(boxes.seen().size() == 1);
        CHECK(boxes.seen()[0].caption == "About Quenvolet");
        const std::string text = boxes.seen()[0].text;
        CAPTURE(text);
        CHECK(text.rfind("Quenvolet|Application Launcher|Version 4.0 (32 bit edition)|", 0) == 0);
        CHECK(IsWindow(bar()));
    }

    TEST_CASE_FIXTURE(BarFixture, "closing saves everything and frees the bar")
    {
        REQUIRE(start(Section("Window") + Key("Title", "Closing") + ThreeButtons(RecorderPath())));
        PopupSlot = 0;
        SendMessageA(bar(), WM_COMMAND, IDM_DELETE, 0);
        REQUIRE(ButtonCount == 2);
        HWND window = bar();
        SendMessageA(window, WM_CLOSE, 0, 0);
        CHECK_FALSE(IsWindow(window));
        for (int s = 0; s < 2; ++s)
            CHECK(ButtonTable[s] == nullptr);
        CHECK(SeparatorPen == nullptr);
        auto saved = file();
        REQUIRE(FindSection(saved, "Window") != nullptr);
        CHECK(FindSection(saved, "Window")->find("Left") != nullptr);
        CHECK(*FindSection(saved, "Window")->find("AlwaysOnTop") == "False");
        CHECK(*FindSection(saved, "Button1")->find("Parameters") == "second");
        CHECK(FindSection(saved, "Button3") == nullptr);
        ButtonCount = 0;  // the records are gone with the window
    }

    TEST_CASE_FIXTURE(BarFixture, "shutting Windows down saves, a cancelled shut-down does not")
    {
        REQUIRE(start(ThreeButtons(RecorderPath())));
        PopupSlot = 2;
        SendMessageA(bar(), WM_COMMAND, IDM_DELETE, 0);
        REQUIRE(BarState.UnsavedChanges);
        const std::string before = ReadFile(ini);
        SendMessageA(bar(), WM_ENDSESSION, FALSE, 0);
        CHECK(ReadFile(ini) == before);
        SendMessageA(bar(), WM_ENDSESSION, TRUE, 0);
        CHECK(FindSection(file(), "Button3") == nullptr);
        CHECK(FindSection(file(), "Window") != nullptr);
        CHECK(IsWindow(bar()));  // nothing else happens
        CHECK(ButtonCount == 2);
    }

    TEST_CASE_FIXTURE(BarFixture, "the editor is handed the file, the launcher and the button")
    {
        REQUIRE(start(ThreeButtons(RecorderPath())));
        SUBCASE("without an editor to find, the user is told and the bar stays")
        {
            SendMessageA(bar(), WM_SYSCOMMAND, IDM_CONFIGURE, 0);
            PopupSlot = 1;
            SendMessageA(bar(), WM_COMMAND, IDM_PROPERTIES, 0);
            auto seen = boxes.seen();
            REQUIRE(seen.size() == 2);
            for (auto& box : seen) {
                CHECK(box.caption == "Configure Quenvolet problem");
                CHECK(box.text == "Could not locate \"QVconfig.exe\"");
            }
            CHECK(IsWindow(bar()));
        }
        SUBCASE("with an editor in the current directory, unsaved changes are written first")
        {
            TempDir editorDir;
            std::string editor = editorDir.file("QVconfig.exe");
            REQUIRE(CopyFileA(RecorderPath().c_str(), editor.c_str(), FALSE));
            CurrentDirectory here(editorDir.path());
            std::string record = RecordInto(*this, "editor.rec");
            PopupSlot = 0;
            SendMessageA(bar(), WM_COMMAND, IDM_DELETE, 0);
            REQUIRE(ButtonCount == 2);
            HWND window = bar();
            PopupSlot = 1;
            SendMessageA(window, WM_COMMAND, IDM_PROPERTIES, 0);
            auto r = WaitForRecord(record);
            REQUIRE_FALSE(r.empty());
            char self[MAX_PATH];
            GetModuleFileNameA(nullptr, self, sizeof self);
            CHECK(lstrcmpiA(r["cmdline"].c_str(), (editor + " \"" + ini + "\" \"" + self + "\" 1").c_str()) == 0);
            CHECK(FindSection(file(), "Button3") == nullptr);
            CHECK(*FindSection(file(), "Button1")->find("Parameters") == "second");
            CHECK_FALSE(IsWindow(window));  // the bar makes way for the editor
            // Only the delete confirmation was asked; the hand-over itself is silent.
            auto seen = boxes.seen();
            CHECK(seen.size() == 1);
            for (auto& box : seen)
                CHECK(box.text == "Delete button?");
            Pump(300);  // let the copy of the editor end before its folder goes
        }
    }
}
