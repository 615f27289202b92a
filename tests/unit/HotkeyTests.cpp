// The hotkey's word in the file: read, written, and every bad word no hotkey.
#include <doctest.h>

#include "Buffers.h"
#include "core/Hotkey.h"

TEST_SUITE("Hotkey") {

TEST_CASE("hotkey words read back as written; bad words, no key or 10,000 characters are no hotkey")
{
    const std::string huge = "Ctrl+Alt+" + std::string(10000, 'Q');
    struct Row { const char* word; unsigned modifiers, key; const char* written; } rows[] = {
        {"Ctrl+Alt+Q", HotkeyCtrl | HotkeyAlt, 'Q', "Ctrl+Alt+Q"},
        {" alt + ctrl + q ", HotkeyCtrl | HotkeyAlt, 'Q', "Ctrl+Alt+Q"},
        {"Win+Shift+7", HotkeyWin | HotkeyShift, '7', "Shift+Win+7"},
        {"F12", 0, 0x7B, "F12"},
        {"Ctrl+f24", HotkeyCtrl, 0x87, "Ctrl+F24"},
        {"Alt+num0", HotkeyAlt, 0x60, "Alt+Num0"},
        {"Ctrl+pagedown", HotkeyCtrl, 0x22, "Ctrl+PageDown"},
        {"Ctrl+0xba", HotkeyCtrl, 0xBA, "Ctrl+0xBA"},  // a key without a name, by its code
        {"", 0, 0, nullptr},
        {"Ctrl+Alt", 0, 0, nullptr},  // no key
        {"Ctrl+Alt+", 0, 0, nullptr},
        {"Ctrl+Ctrl+Q", 0, 0, nullptr},
        {"Hyper+Q", 0, 0, nullptr},
        {"Ctrl+QQ", 0, 0, nullptr},
        {"Ctrl+F25", 0, 0, nullptr},
        {"Ctrl+0x00", 0, 0, nullptr},
        {"Ctrl+Q+Alt", 0, 0, nullptr},
        {huge.c_str(), 0, 0, nullptr},
    };
    for (const Row& r : rows) {
        CAPTURE(r.word);
        unsigned modifiers = 99, key = 99;
        CHECK(ParseHotkey(r.word, &modifiers, &key) == (r.written != nullptr));
        CHECK(modifiers == r.modifiers);
        CHECK(key == r.key);
        std::vector<char> out(HotkeyWordSize, 'x');
        CHECK(Outcome(FormatHotkey(r.modifiers, r.key, out.data(), out.size()), out) ==
              (r.written ? r.written : "refused"));
    }
    std::vector<char> small(10, 'x');  // "Ctrl+Alt+Q" needs 11
    CHECK(Outcome(FormatHotkey(HotkeyCtrl | HotkeyAlt, 'Q', small.data(), small.size()), small) == "refused");
}

}
