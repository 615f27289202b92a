// The editor's pure pieces: command line, values read from the file, the
// restart command, the program-name split and the icon grid's arithmetic.
#include <doctest.h>

#include "core/EditorCore.h"

#include <string>
#include <vector>

TEST_SUITE("EditorCore") {

TEST_CASE("SplitCommandLine keeps quoted blanks and drops the quotes")
{
    using List = std::vector<std::string>;
    struct Row { const char* line; List expected; };
    const Row rows[] = {
        {"", {}},
        {"   ", {}},
        {"QVconfig.exe", {"QVconfig.exe"}},
        {"\"C:\\Program Files\\QVconfig.exe\" \"C:\\My Files\\q.ini\" \"C:\\Program Files\\Quenvolt.exe\" 3",
         {"C:\\Program Files\\QVconfig.exe", "C:\\My Files\\q.ini", "C:\\Program Files\\Quenvolt.exe", "3"}},
        {"a  \t b", {"a", "b"}},                 // runs of blanks and tabs separate once
        {"a \"\" b", {"a", "", "b"}},             // an empty quoted stretch is an empty parameter
        {"a x\"y z\"w", {"a", "xy zw"}},          // quotes inside a word join the stretch to it
        {"a \"open", {"a", "open"}},              // an unclosed quote runs to the end
        {"a \xE9t\xE9", {"a", "\xE9t\xE9"}},       // bytes above 127 are letters, not blanks
    };
    for (const Row& r : rows)
        CHECK(SplitCommandLine(r.line) == r.expected);
}

TEST_CASE("ReadIconIndex: decimal or prefixed hexadecimal, low 16 bits")
{
    struct Row { const char* text; unsigned expected; };
    const Row rows[] = {
        {"0", 0}, {"7", 7}, {"-1", 65535}, {"65536", 0}, {"65537", 1},
        {"0x1F", 31}, {"0X1f", 31}, {"$10", 16}, {"-$10", 65520},
        {"0xFFFFFFFF", 65535}, {"0x100000000", 0},   // beyond 32 bits is no integer
        {"2147483647", 65535}, {"2147483648", 0}, {"-2147483648", 0},
        {"", 0}, {"abc", 0}, {"12abc", 0}, {"0x", 0}, {"$", 0}, {"-", 0}, {"1 2", 0}, {"0xG", 0},
    };
    for (const Row& r : rows)
        CHECK_MESSAGE(ReadIconIndex(r.text) == r.expected, r.text);
}

TEST_CASE("ParseDecimal accepts whole decimal numbers only")
{
    struct Row { const char* text; bool ok; int value; };
    const Row rows[] = {
        {"0", true, 0}, {"23", true, 23}, {"-1", true, -1}, {"+4", true, 4},
        {"2147483647", true, 2147483647}, {"-2147483648", true, -2147483647 - 1},
        {"2147483648", false, 0}, {"", false, 0}, {"x", false, 0}, {"3x", false, 0},
        {"$3", false, 0}, {"0x3", false, 0}, {" 3", false, 0},
    };
    for (const Row& r : rows) {
        int value = 0;
        CHECK_MESSAGE(ParseDecimal(r.text, &value) == r.ok, r.text);
        if (r.ok)
            CHECK(value == r.value);
    }
}

TEST_CASE("WindowStateFromText compares the first 10 characters without case")
{
    struct Row { const char* text; int state; };
    const Row rows[] = {
        {"Minimized", 1}, {"MINIMIZED", 1}, {"maximized", 2}, {"Normal", 0}, {"", 0},
        {"Minimize", 0}, {"Minimizedx", 0},   // ten characters are no longer the word
        {"Minimized ", 0}, {"Maximizedxy", 0},
    };
    for (const Row& r : rows)
        CHECK_MESSAGE(WindowStateFromText(r.text) == r.state, r.text);
    CHECK(std::string(WindowStateText(1)) == "Minimized");
    CHECK(std::string(WindowStateText(2)) == "Maximized");
    CHECK(WindowStateText(0) == nullptr);
}

TEST_CASE("Placement choice from the keys and back")
{
    struct Row { const char* position; const char* horizontal; const char* vertical; int choice; };
    const Row rows[] = {
        {"Floating", "Right", "Bottom", 0}, {"fixed", "Left", "Top", 0},   // case matters
        {"Fixed", "Left", "Top", 1}, {"Fixed", "Right", "Top", 2},
        {"Fixed", "Left", "Bottom", 3}, {"Fixed", "Right", "Bottom", 4},
        {"Fixed", "left", "top", 4}, {"Fixed", "", "", 4},                 // anything else: bottom right
    };
    for (const Row& r : rows)
        CHECK(PositionChoiceFromKeys(r.position, r.horizontal, r.vertical) == r.choice);
    for (int choice = 0; choice <= 4; ++choice) {
        const PositionKeys keys = PositionKeysFor(choice);
        CHECK(PositionChoiceFromKeys(keys.position, keys.horizontal, keys.vertical) == choice);
    }
    const PositionKeys floating = PositionKeysFor(0);
    CHECK(std::string(floating.position) + "|" + floating.horizontal + "|" + floating.vertical == "Floating||");
}

TEST_CASE("RestartCommand quotes a launcher path with a blank only")
{
    struct Row { const char* launcher; const char* config; const char* expected; };
    const Row rows[] = {
        {"C:\\Q\\Quenvolt.exe", "C:\\Q\\Quenvolt.INI", "C:\\Q\\Quenvolt.exe C:\\Q\\Quenvolt.INI"},
        {"C:\\Program Files\\Q\\Quenvolt.exe", "C:\\My Files\\q.ini",
         "\"C:\\Program Files\\Q\\Quenvolt.exe\" C:\\My Files\\q.ini"},
        {"Quenvolt.exe", "", "Quenvolt.exe "},
    };
    for (const Row& r : rows)
        CHECK(RestartCommand(r.launcher, r.config) == r.expected);
    // long paths are never cut
    const std::string longDir(300, 'd');
    const std::string launcher = "C:\\" + longDir + "\\Quenvolt.exe", config = "C:\\" + longDir + "\\q.ini";
    CHECK(RestartCommand(launcher, config) == launcher + " " + config);
}

TEST_CASE("SplitProgramName cuts at the last backslash or colon")
{
    struct Row { const char* name; bool split; const char* directory; const char* file; };
    const Row rows[] = {
        {"notepad.exe", false, "", ""},
        {"C:notepad.exe", false, "", ""},                      // a colon alone does not split
        {"C:\\x.exe", true, "C:\\", "x.exe"},
        {"C:\\dir\\x.exe", true, "C:\\dir", "x.exe"},
        {"\\\\server\\share\\x.exe", true, "\\\\server\\share", "x.exe"},
        {"\\\\x.exe", true, "\\\\", "x.exe"},                  // backslash after a backslash stays
        {"C:/dir/x.exe", true, "C:", "/dir/x.exe"},             // a forward slash is no separator
        {"dir/x.exe", true, "", "dir/x.exe"},
        {"C:\\dir\\", true, "C:\\dir", ""},
    };
    for (const Row& r : rows) {
        std::string directory = "?", file = "?";
        CHECK_MESSAGE(SplitProgramName(r.name, &directory, &file) == r.split, r.name);
        if (r.split) {
            CHECK(directory == r.directory);
            CHECK(file == r.file);
        }
    }
}

TEST_CASE("Grid: fully visible columns of 36-pixel cells with a line after each")
{
    struct Row { int width; int columns; };
    const Row rows[] = {{370, 10}, {369, 10}, {368, 9}, {36, 1}, {35, 0}, {0, 0}, {-5, 0}, {259, 7}};
    for (const Row& r : rows)
        CHECK_MESSAGE(FullyVisibleColumns(r.width, 36, 1) == r.columns, r.width);
}

TEST_CASE("Grid: first visible column after a selection")
{
    struct Row { int first, visible, column, count; int intoView; int afterSelect; };
    const Row rows[] = {
        {0, 10, 5, 20, 0, 0},      // already in view
        {0, 10, 10, 20, 1, 1},     // just beyond: one column right
        {0, 10, 15, 20, 6, 1},     // the editor's selection moves one column only
        {5, 10, 2, 20, 2, 2},      // left of the view: it becomes the first
        {5, 10, 14, 20, 5, 5},     // last visible column
        {12, 10, 19, 20, 10, 12},  // a first column beyond the end is pulled back by the view
    };
    for (const Row& r : rows) {
        CHECK(ScrollIntoView(r.first, r.visible, r.column, r.count) == r.intoView);
        CHECK(FirstColumnAfterSelect(r.first, r.visible, r.column) == r.afterSelect);
    }
    CHECK(LastFirstColumn(11, 10) == 1);
    CHECK(LastFirstColumn(5, 10) == 0);
}

TEST_CASE("Grid: centring a selection")
{
    struct Row { int selected, count, visible, first; };
    const Row rows[] = {
        {3, 100, 7, 0}, {10, 100, 7, 7}, {95, 100, 7, 93},
        {6, 100, 7, 0}, {7, 100, 7, 4}, {93, 100, 7, 90}, {94, 100, 7, 93}, {99, 100, 7, 93},
        {0, 1, 7, 0},
    };
    for (const Row& r : rows)
        CHECK(CentredFirstColumn(r.selected, r.count, r.visible) == r.first);
}

TEST_CASE("Icon browser: starting folder and filter from the listed name")
{
    struct Row { const char* name; const char* directory; int filter; };
    const Row rows[] = {
        {"C:\\icons\\Set.Ico", "C:\\icons\\", 1},
        {"C:\\icons\\set.ICONS", "C:\\icons\\", 1},   // cut to four characters
        {"C:\\Windows\\progman.exe", "C:\\Windows\\", 2},
        {"D:shell32.dll", "D:", 3},
        {"lib.nil", "", 4},
        {"C:\\dir.ico\\noext", "C:\\dir.ico\\", 5},   // a dot in the folder is no extension
        {"C:\\x.ic", "C:\\", 5},
        {"", "", 5},
    };
    for (const Row& r : rows) {
        CAPTURE(r.name);
        CHECK(IconDirectoryOf(r.name) == r.directory);
        CHECK(IconFilterIndex(r.name) == r.filter);
    }
}

TEST_CASE("IconDirectorySound: the directory of an icon file lies within the file")
{
    // one image of 100 bytes at offset 22
    std::vector<unsigned char> one = {0, 0, 1, 0, 1, 0, 32, 32, 0, 0, 1, 0, 32, 0, 100, 0, 0, 0, 22, 0, 0, 0};
    struct Row { const char* what; std::vector<unsigned char> head; unsigned long long size; bool sound; };
    std::vector<unsigned char> huge = {0, 0, 1, 0, 0xFF, 0xFF};
    std::vector<unsigned char> zero = {0, 0, 1, 0, 0, 0};
    std::vector<unsigned char> shifted = one;
    shifted[18] = 200;  // the image starts past the end
    const Row rows[] = {
        {"a whole icon file", one, 122, true},
        {"the image cut short", one, 121, false},
        {"65,535 images in 46 bytes", huge, 46, false},
        {"no images", zero, 6, false},
        {"an image past the end", shifted, 122, false},
        {"a program", {'M', 'Z', 0x90, 0}, 5000, true},
        {"a header cut short", {0, 0, 1, 0, 1}, 5, false},
    };
    for (const Row& r : rows) {
        CAPTURE(r.what);
        CHECK(IconDirectorySound(r.head.data(), r.head.size(), r.size) == r.sound);
    }
}
}
