// The running bar as the user meets it: its system menu, a button's popup
// menu, deleting a button, help, the About box, closing, shutting down and
// the hand-over to the editor, through real windows and messages.
#include "Fixture.h"

using namespace qv;

namespace {

// What a popup menu held while it was open: read when its loop first goes
// idle, then a key is typed into it (or it is dismissed).
std::vector<std::string> popupTexts;
WPARAM popupKey;
WNDPROC barProc;

LRESULT CALLBACK WatchPopup(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_ENTERIDLE && wParam == MSGF_MENU && PopupMenu != nullptr && popupTexts.empty()) {
        for (int i = 0; i < GetMenuItemCount(PopupMenu); ++i) {
            char text[300] = "";
            GetMenuStringA(PopupMenu, (UINT)i, text, sizeof text, MF_BYPOSITION);
            popupTexts.push_back(text + std::string(GetMenuState(PopupMenu, (UINT)i, MF_BYPOSITION) ? "(state)" : ""));
        }
        if (popupKey != 0)
            PostMessageA(window, WM_CHAR, popupKey, 0);
        else
            EndMenu();
    }
    return CallWindowProcA(barProc, window, message, wParam, lParam);
}

// A mouse message over window as the bar hears it; returns the popup menu's items.
std::vector<std::string> Click(HWND window, WPARAM key = 0, UINT mouse = WM_RBUTTONUP)
{
    popupTexts.clear();
    popupKey = key;
    barProc = (WNDPROC)SetWindowLongPtrA(BarState.BarWindow, GWLP_WNDPROC, (LONG_PTR)WatchPopup);
    SendMessageA(BarState.BarWindow, WM_SETCURSOR, (WPARAM)window, MAKELPARAM(HTCLIENT, mouse));
    SetWindowLongPtrA(BarState.BarWindow, GWLP_WNDPROC, (LONG_PTR)barProc);
    return popupTexts;
}

void Delete(int slot) { PopupSlot = slot, SendMessageA(BarState.BarWindow, WM_COMMAND, IDM_DELETE, 0); }

}  // namespace

TEST_SUITE("bar")
{
    TEST_CASE_FIXTURE(BarFixture, "the system menu gains five items after a separator; About says who we are")
    {
        REQUIRE(start(Buttons(Notepad, {""})));
        HMENU menu = GetSystemMenu(bar(), FALSE);
        const int first = GetMenuItemCount(menu) - 6;
        CHECK((GetMenuState(menu, (UINT)first, MF_BYPOSITION) & MF_SEPARATOR) != 0);
        struct Item { const char* text; UINT id; } items[5] = {{"Always on &top", IDM_ALWAYSONTOP},
            {"Con&figure ...", IDM_CONFIGURE}, {"Sa&ve settings now", IDM_SAVESETTINGS}, {"&Help", IDM_HELP}, {"&About Quenvolet", IDM_ABOUT}};
        for (int i = 0; i < 5; ++i) {
            char text[100] = "";
            GetMenuStringA(menu, (UINT)(first + 1 + i), text, sizeof text, MF_BYPOSITION);
            CHECK(std::string(text) == items[i].text);
            CHECK(GetMenuItemID(menu, first + 1 + i) == items[i].id);
        }
        for (UINT command : {SC_RESTORE, SC_MINIMIZE, SC_MAXIMIZE})
            CHECK((GetMenuState(menu, command, MF_BYCOMMAND) & MF_GRAYED) != 0);
    }

    TEST_CASE_FIXTURE(BarFixture, "a right click on a button opens its menu, whose Run starts that button")
    {
        REQUIRE(start(ThreeButtons(RecorderPath())));
        CHECK(Click(slot(1)->ButtonWindow) == std::vector<std::string>{"&Run recorder.exe", "&Delete", "&Properties"});
        CHECK(PopupMenu == nullptr);  // destroyed when it closed
        CHECK(Click(bar()).empty());
        CHECK(Click(slot(1)->ButtonWindow, 0, WM_LBUTTONUP).empty());
        std::string record = RecordInto(*this, "run.rec");
        CHECK(Click(slot(2)->ButtonWindow, 'r').size() == 3);
        CHECK(WaitForRecord(record)["cmdline"] == RecorderPath() + " third");
    }

    TEST_CASE_FIXTURE(BarFixture, "deleting a button asks first, and is saved only by a save")
    {
        REQUIRE(start(ThreeButtons(RecorderPath())));
        const std::string before = ReadFile(ini);
        boxes.setAnswer(IDCANCEL);
        Delete(1);
        REQUIRE(boxes.seen().size() == 1);
        CHECK((boxes.seen()[0].caption + "|" + boxes.seen()[0].text) == "Quenvolet|Delete button?");
        CHECK(ButtonCount == 3);
        boxes.setAnswer(IDOK);
        HWND third = slot(2)->ButtonWindow;
        Delete(1);
        REQUIRE(ButtonCount == 2);
        CHECK(std::string(slot(1)->Parameters) == "third");
        CHECK_FALSE(IsWindow(third));  // the last window goes, the others keep their ids
        CHECK(GetDlgItem(bar(), FIRST_BUTTON_ID + 1) == slot(1)->ButtonWindow);
        CHECK(ReadFile(ini) == before);
        std::string record = RecordInto(*this, "after.rec");
        SendMessageA(slot(1)->ButtonWindow, BM_CLICK, 0, 0);
        CHECK(WaitForRecord(record)["cmdline"] == RecorderPath() + " third");
        SendMessageA(bar(), WM_SYSCOMMAND, IDM_SAVESETTINGS, 0);
        CHECK(Profile(ini, "Button2", "Parameters") == "third");
        CHECK(Profile(ini, "Button3", "FileName") == "<absent>");
    }

    TEST_CASE_FIXTURE(BarFixture, "help opens on an empty bar and is quit with it, and only then")
    {
        FakeHelp help;
        BesideProgram hlp("Quenvolt.hlp", true);  // WinHelp is asked only for a file that is there
        for (const std::string& buttons : {std::string(), Buttons(Notepad, {""})}) {
            ResetLauncher();
            REQUIRE(start(buttons));
            SendMessageA(bar(), WM_CLOSE, 0, 0);
        }
        using Calls = std::vector<std::pair<unsigned, std::string>>;
        CHECK(help.calls() == Calls{{HELP_CONTENTS, "Quenvolt.hlp"}, {HELP_QUIT, "Quenvolt.hlp"}});
        ResetLauncher();
        REQUIRE(start(Buttons(Notepad, {""})));
        SendMessageA(bar(), WM_HELP, 0, 0);
        SendMessageA(bar(), WM_SYSCOMMAND, IDM_HELP, 0);
        CHECK(help.calls().size() == 4);
    }

    TEST_CASE_FIXTURE(BarFixture, "the About box says who we are")
    {
        REQUIRE(start(Buttons(Notepad, {""})));
        SendMessageA(bar(), WM_SYSCOMMAND, IDM_ABOUT, 0);  // returns once the box is answered
        REQUIRE(boxes.seen().size() == 1);
        CHECK(boxes.seen()[0].caption == "About Quenvolet");
        CHECK(boxes.seen()[0].text.rfind("Quenvolet|Application Launcher|Version 4.0 (32 bit edition)|", 0) == 0);
    }

    TEST_CASE_FIXTURE(BarFixture, "closing from the system menu saves; a cancelled shut-down does not, a real one does")
    {
        REQUIRE(start(ThreeButtons(RecorderPath())));
        Delete(2);
        const std::string before = ReadFile(ini);
        SendMessageA(bar(), WM_ENDSESSION, FALSE, 0);
        CHECK(ReadFile(ini) == before);
        SendMessageA(bar(), WM_ENDSESSION, TRUE, 0);
        CHECK(Profile(ini, "Button3", "FileName") == "<absent>");
        CHECK(IsWindow(bar()));
        Delete(0);
        HWND window = bar();
        SendMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
        CHECK_FALSE(IsWindow(window));
        CHECK(Profile(ini, "Button1", "Parameters") == "second");
        CHECK(Profile(ini, "Button2", "FileName") == "<absent>");
    }

    TEST_CASE_FIXTURE(BarFixture, "the editor is handed the file, the launcher and the button")
    {
        REQUIRE(start(ThreeButtons(RecorderPath())));
        SendMessageA(bar(), WM_SYSCOMMAND, IDM_CONFIGURE, 0);
        REQUIRE(boxes.seen().size() == 1);
        CHECK((boxes.seen()[0].caption + "|" + boxes.seen()[0].text) == "Configure Quenvolet problem|Could not locate \"QVconfig.exe\"");
        CHECK(IsWindow(bar()));

        TempDir editorDir;
        const std::string editor = editorDir.file("QVconfig.exe");
        REQUIRE(CopyFileA(RecorderPath().c_str(), editor.c_str(), FALSE));
        CurrentDirectory here(editorDir.path());
        std::string record = RecordInto(*this, "editor.rec");
        Delete(0);
        HWND window = bar();
        SendMessageA(window, WM_COMMAND, IDM_PROPERTIES, 0);  // of the first button
        char self[MAX_PATH];
        GetModuleFileNameA(nullptr, self, sizeof self);
        CHECK(lstrcmpiA(WaitForRecord(record)["cmdline"].c_str(), (editor + " \"" + ini + "\" \"" + self + "\" 0").c_str()) == 0);
        CHECK(Profile(ini, "Button1", "Parameters") == "second");
        CHECK_FALSE(IsWindow(window));  // the bar makes way for the editor
        CHECK(boxes.seen().size() == 2);
        PumpUntil([&] { return DeleteFileA(editor.c_str()) != 0; });  // the editor's copy has ended
    }
}
