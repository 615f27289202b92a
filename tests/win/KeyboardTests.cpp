// The bar from the keyboard with real keys: hotkey, buttons, a hotkey held elsewhere, focus cue, screen readers.
#include "Fixture.h"

#include <commctrl.h>
#include <oleacc.h>

using namespace qv;

namespace {

const std::string Summon = Key("Hotkey", "Ctrl+Alt+Q");

// Presses keys, then waits until the focus is where it should be.
bool Keys(const std::vector<int>& keys, std::function<bool()> then)
{
    PressKeys(keys);
    return PumpUntil(then, 10000);
}

// The pixels of a button's focus ring that are not the face's colour, as the screen shows the bar.
int CuePixels(HWND bar, int slot)
{
    const Capture shot(bar);
    const int left = slot * (BarState.CellWidth + 1), w = BarState.CellWidth, h = BarState.CellHeight;
    int marked = 0;
    for (int y = 2; y < h - 2; ++y)
        marked += (shot.at(left + 2, y) != GetSysColor(COLOR_BTNFACE)) + (shot.at(left + w - 3, y) != GetSysColor(COLOR_BTNFACE));
    return marked;
}

}  // namespace

TEST_SUITE("keyboard")
{
    TEST_CASE_FIXTURE(BarFixture, "the hotkey summons the bar to its last button and back; keys move, start, open, delete")
    {
        ForegroundWindow elsewhere;
        REQUIRE(start(Section("Window") + Summon + Buttons(RecorderPath(), {"first", "second", "third"})));
        const auto focusOn = [&](int s) { return [=] { return GetFocus() == ButtonTable[s]->ButtonWindow; }; };
        REQUIRE(Keys({Ctrl | Alt | 'Q'}, focusOn(0)));
        CHECK((GetWindowLongA(bar(), GWL_EXSTYLE) & WS_EX_TOPMOST) != 0);  // over a full-screen window too
        const struct { int key, slot; } moves[] = {{VK_RIGHT, 1}, {VK_END, 2}, {VK_RIGHT, 0}, {VK_LEFT, 2},
            {VK_HOME, 0}, {VK_TAB, 1}, {Shift | VK_TAB, 0}, {VK_RIGHT, 1}};
        for (const auto& m : moves)
            CHECK_MESSAGE(Keys({m.key}, focusOn(m.slot)), m.key);
        CHECK(Keys({Ctrl | Alt | 'Q'}, [&] { return elsewhere.active(); }));
        CHECK((GetWindowLongA(bar(), GWL_EXSTYLE) & WS_EX_TOPMOST) == 0);
        REQUIRE(Keys({Ctrl | Alt | 'Q'}, focusOn(1)));  // the button last focused
        const Texts menu = {"&Run recorder.exe", "&Delete", "&Properties"};
        CHECK(MenuFromKeys({Shift | VK_F10}) == menu);
        CHECK(MenuFromKeys({VK_APPS}) == menu);
        boxes.answers = {IDCANCEL};
        CHECK(Keys({VK_DELETE}, [&] { return boxes.opened > 0; }));
        CHECK(boxes.seen == "Quenvolet|Delete button?\n");
        CHECK(ButtonCount == 3);
        REQUIRE(PumpUntil(focusOn(1), 5000));
        CHECK(Keys({VK_ESCAPE}, [&] { return elsewhere.active(); }));
        REQUIRE(Keys({Ctrl | Alt | 'Q'}, focusOn(1)));
        const std::string record = recordAs("enter.rec");
        PressKeys({VK_RETURN});
        CHECK(WaitForRecord(record)["cmdline"] == RecorderPath() + " second");
    }

    TEST_CASE_FIXTURE(BarFixture, "a hotkey another program holds is told once, naming it, and by the dialog at once")
    {
        WriteFile(dir.file("Other.INI"), Section("Window") + Summon);
        // The other bar goes at the end however the case ends, so that it holds no key of the next.
        struct Other { HANDLE process; ~Other() { TerminateProcess(process, 0), WaitForProcess(process); } } other{
            StartProcess(Quoted(ProgramFolder() + "\\Quenvolt.exe") + " " + dir.file("Other.INI"))};
        // Held once this process can no longer take it.
        REQUIRE(PumpUntil([] { return !RegisterHotKey(nullptr, 9, MOD_CONTROL | MOD_ALT, 'Q') || !UnregisterHotKey(nullptr, 9); }, 120000));
        const std::string taken = "Quenvolet|The hotkey Ctrl+Alt+Q is already used by another program.\n"
                                  "Choose another one with Hotkey... in the bar's window menu.\n";
        REQUIRE(start(Section("Window") + Summon + Button(1) + Key("FileName", RecorderPath())));
        CHECK(boxes.seen == taken);  // once

        // In the dialog: the taken key is refused at once and the dialog stays, another one is kept, then none.
        const auto choose = [&](WORD key, std::vector<int> presses) {
            WhenDialog("Hotkey", [=](HWND dialog) {
                SendMessageA(GetDlgItem(dialog, IDC_HOTKEY), HKM_SETHOTKEY, key, 0);
                for (int id : presses)
                    Press(dialog, id);
            });
            boxes.clear();
            menu(IDM_HOTKEY);
        };
        choose(MAKEWORD('Q', HOTKEYF_CONTROL | HOTKEYF_ALT), {IDOK, IDCANCEL});
        CHECK(boxes.seen == taken);
        CHECK(Profile(ini, "Window", "Hotkey") == "Ctrl+Alt+Q");
        choose(MAKEWORD('W', HOTKEYF_CONTROL | HOTKEYF_SHIFT), {IDOK});
        CHECK(boxes.seen.empty());
        CHECK(Profile(ini, "Window", "Hotkey") == "Ctrl+Shift+W");
        choose(MAKEWORD('W', HOTKEYF_CONTROL | HOTKEYF_SHIFT), {IDC_HOTKEYNONE, IDOK});
        CHECK(Profile(ini, "Window", "Hotkey") == "<absent>");
    }

    TEST_CASE_FIXTURE(BarFixture, "a hotkey word of 10,000 characters is no hotkey and stays in the file as it is")
    {
        const std::string word = "Ctrl+Alt+Q" + std::string(9980, ' ') + "X";  // its first 63 characters make a key
        REQUIRE(start(Section("Window") + Key("Hotkey", word)));
        CHECK(BarState.HotkeyKey == 0);
        menu(IDM_SAVESETTINGS);
        CHECK(Profile(ini, "Window", "Hotkey") == word);
    }

    TEST_CASE_FIXTURE(BarFixture, "the mouse shows no focus cue, the keyboard does; screen readers hear a push button")
    {
        REQUIRE(start(Buttons(RecorderPath(), {"first", "second"})));
        SetWindowPos(bar(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        const std::string record = recordAs("click.rec");
        ClickWithMouse(slot(0)->ButtonWindow);
        WaitForRecord(record);
        REQUIRE(PumpUntil([&] { return GetFocus() == slot(0)->ButtonWindow; }, 10000));
        CHECK(CuePixels(bar(), 0) == 0);

        REQUIRE(Keys({VK_RIGHT}, [&] { return GetFocus() == slot(1)->ButtonWindow; }));
        CHECK(CuePixels(bar(), 0) == 0);
        CHECK(CuePixels(bar(), 1) > 0);
        SendMessageA(bar(), WM_UPDATEUISTATE, MAKEWPARAM(UIS_SET, UISF_HIDEFOCUS), 0);  // as after the mouse
        CHECK(CuePixels(bar(), 1) == 0);
        CHECK(Accessible(slot(1)->ButtonWindow) == std::make_pair(TextOf(slot(1)->ButtonWindow), (long)ROLE_SYSTEM_PUSHBUTTON));
    }
}
