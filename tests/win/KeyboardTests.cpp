// The bar from the keyboard, with real keys: the hotkey, the keys among the
// buttons, a hotkey another program holds, the focus cue and screen readers.
#include "Fixture.h"

#include <commctrl.h>
#include <oleacc.h>

#include <algorithm>

using namespace qv;

namespace {

const std::string Summon = Key("Hotkey", "Ctrl+Alt+Q");

// Presses keys, then waits until the focus is where it should be.
bool Keys(const std::vector<int>& keys, std::function<bool()> then)
{
    PressKeys(keys);
    return PumpUntil(then, 10000);
}

std::vector<HWND> Announced;

void CALLBACK Heard(HWINEVENTHOOK, DWORD, HWND window, LONG, LONG, DWORD, DWORD)
{
    Announced.push_back(window);
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
        CHECK(GetForegroundWindow() == bar());
        CHECK((GetWindowLongA(bar(), GWL_EXSTYLE) & WS_EX_TOPMOST) != 0);  // over a full-screen window too
        const struct { int key, slot; } moves[] = {
            {VK_RIGHT, 1}, {VK_END, 2}, {VK_RIGHT, 0}, {VK_LEFT, 2}, {VK_HOME, 0}, {VK_TAB, 1}, {Shift | VK_TAB, 0},
            {VK_RIGHT, 1}};
        for (const auto& m : moves) {
            CAPTURE(m.key);
            CHECK(Keys({m.key}, focusOn(m.slot)));
        }
        CHECK(Keys({Ctrl | Alt | 'Q'}, [&] { return elsewhere.active(); }));
        CHECK((GetWindowLongA(bar(), GWL_EXSTYLE) & WS_EX_TOPMOST) == 0);
        REQUIRE(Keys({Ctrl | Alt | 'Q'}, focusOn(1)));  // the button last focused
        const Texts menu = {"&Run recorder.exe", "&Delete", "&Properties"};
        CHECK(MenuFromKeys({Shift | VK_F10}) == menu);
        CHECK(MenuFromKeys({VK_APPS}) == menu);
        CHECK(PumpUntil(focusOn(1), 5000));
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
        TempDir other;
        WriteFile(other.file("Other.INI"), Section("Window") + Summon + Key("Title", "Other"));
        HANDLE process = StartProcess(Quoted(ProgramFolder() + "\\Quenvolt.exe") + " " + other.file("Other.INI"));
        REQUIRE(process != nullptr);
        // Held once this process can no longer take it.
        REQUIRE(PumpUntil([] {
            const bool free = RegisterHotKey(nullptr, 9, MOD_CONTROL | MOD_ALT, 'Q');
            UnregisterHotKey(nullptr, 9);
            return !free;
        }, 120000));
        const std::string taken = "Quenvolet|The hotkey Ctrl+Alt+Q is already used by another program.\n"
                                  "Choose another one with Hotkey... in the bar's window menu.\n";
        REQUIRE(start(Section("Window") + Summon + Button(1) + Key("FileName", RecorderPath())));
        CHECK(boxes.seen == taken);
        CHECK(boxes.opened == 1);

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
        PostMessageA(FindWindowA("QuenvoltWClass", "Other"), WM_CLOSE, 0, 0);
        CHECK(WaitForProcess(process, 60000));
    }

    TEST_CASE_FIXTURE(BarFixture, "bad hotkey words are no hotkey and stay in the file as they are")
    {
        for (const std::string& word : Texts{"Ctrl+Alt", "Ctrl+Hyper+Q", "Ctrl+Alt+Q" + std::string(9980, ' ') + "X"}) {
            REQUIRE(start(Section("Window") + Key("Hotkey", word)));
            CHECK(BarState.HotkeyKey == 0);
            menu(IDM_SAVESETTINGS);
            CHECK(Profile(ini, "Window", "Hotkey", "") == word);
        }
    }

    TEST_CASE_FIXTURE(BarFixture, "the mouse shows no focus cue, the keyboard does; screen readers hear name, role and focus")
    {
        ForegroundWindow elsewhere;
        REQUIRE(start(Section("Window") + Summon + Button(1) + Key("FileName", RecorderPath()) +
                      Key("IconFile", IconOf(1)) + Button(2) + Key("FileName", RecorderPath()) + Key("IconFile", IconOf(2))));
        SetWindowPos(bar(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        const std::string record = recordAs("click.rec");
        ClickWithMouse(slot(0)->ButtonWindow);
        WaitForRecord(record);
        REQUIRE(PumpUntil([&] { return GetFocus() == slot(0)->ButtonWindow; }, 10000));
        CHECK(CuePixels(bar(), 0) == 0);

        Announced.clear();
        HWINEVENTHOOK hook = SetWinEventHook(EVENT_OBJECT_FOCUS, EVENT_OBJECT_FOCUS, nullptr, Heard, 0, 0, WINEVENT_OUTOFCONTEXT);
        REQUIRE(Keys({VK_RIGHT}, [&] { return GetFocus() == slot(1)->ButtonWindow; }));
        Pump(100);
        UnhookWinEvent(hook);
        CHECK(std::count(Announced.begin(), Announced.end(), slot(1)->ButtonWindow) >= 1);
        CHECK(CuePixels(bar(), 0) == 0);
        CHECK(CuePixels(bar(), 1) > 0);
        SendMessageA(bar(), WM_UPDATEUISTATE, MAKEWPARAM(UIS_SET, UISF_HIDEFOCUS), 0);  // as after the mouse
        CHECK(CuePixels(bar(), 1) == 0);
        CHECK(Accessible(slot(1)->ButtonWindow) == std::make_pair(TextOf(slot(1)->ButtonWindow), (long)ROLE_SYSTEM_PUSHBUTTON));
    }
}
