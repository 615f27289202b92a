// The editor's pure pieces: command line, values read from the file, the
// restart command and the icon grid's arithmetic. Integers and the program
// name split are checked against a model by their fuzz targets.
#include <doctest.h>

#include "core/EditorCore.h"

#include <string>
#include <vector>

TEST_SUITE("EditorCore") {

TEST_CASE("SplitCommandLine keeps quoted blanks and drops the quotes")
{
    struct Row { const char* line; std::vector<std::string> expected; };
    const Row rows[] = {
        {"   ", {}},
        {"\"C:\\Program Files\\QVconfig.exe\" \"C:\\My Files\\q.ini\" 3",
         {"C:\\Program Files\\QVconfig.exe", "C:\\My Files\\q.ini", "3"}},
        {"a  \t b", {"a", "b"}},              // runs of blanks and tabs separate once
        {"a \"\" b", {"a", "", "b"}},          // an empty quoted stretch is an empty parameter
        {"a x\"y z\"w", {"a", "xy zw"}},       // quotes inside a word join the stretch to it
        {"a \"open", {"a", "open"}},           // an unclosed quote runs to the end
        {"a \xE9t\xE9", {"a", "\xE9t\xE9"}},    // bytes above 127 are letters, not blanks
    };
    for (const Row& r : rows)
        CHECK(SplitCommandLine(r.line) == r.expected);
}

TEST_CASE("Window states: the first 10 characters without case, and placement choices from the keys and back")
{
    struct Row { const char* text; int state; };
    const Row rows[] = {{"MINIMIZED", 1}, {"maximized", 2}, {"Minimize", 0}, {"Minimizedx", 0}, {"Maximizedxy", 0}};
    for (const Row& r : rows)
        CHECK_MESSAGE(WindowStateFromText(r.text) == r.state, r.text);
    struct Keys { const char* position; const char* horizontal; const char* vertical; int choice; };
    const Keys keys[] = {
        {"fixed", "Left", "Top", 0},  // case matters
        {"Fixed", "left", "top", 4},  // anything else: bottom right
    };
    for (const Keys& k : keys)
        CHECK(PositionChoiceFromKeys(k.position, k.horizontal, k.vertical) == k.choice);
    for (int choice = 0; choice <= 4; ++choice) {
        const PositionKeys written = PositionKeysFor(choice);
        CHECK(PositionChoiceFromKeys(written.position, written.horizontal, written.vertical) == choice);
    }
    const PositionKeys floating = PositionKeysFor(0);
    CHECK(std::string(floating.position) + "|" + floating.horizontal + "|" + floating.vertical == "Floating||");
}

TEST_CASE("RestartCommand quotes a launcher path with a blank only")
{
    CHECK(RestartCommand("C:\\Q\\Quenvolt.exe", "C:\\Q\\Q.INI") == "C:\\Q\\Quenvolt.exe C:\\Q\\Q.INI");
    CHECK(RestartCommand("C:\\Program Files\\Quenvolt.exe", "C:\\My Files\\q.ini") ==
          "\"C:\\Program Files\\Quenvolt.exe\" C:\\My Files\\q.ini");
}

TEST_CASE("Grid arithmetic: visible columns, scrolling a selection into view, centring it")
{
    const int widths[][2] = {{369, 10}, {368, 9}, {36, 1}, {35, 0}, {-5, 0}};  // 36-pixel cells, a line after each
    for (const auto& w : widths)
        CHECK_MESSAGE(FullyVisibleColumns(w[0], 36, 1) == w[1], w[0]);
    struct Row { int first, visible, column; int intoView; int afterSelect; };
    const Row rows[] = {
        {0, 10, 10, 1, 1},    // just beyond: one column right
        {0, 10, 15, 6, 1},    // the editor's selection moves one column only
        {5, 10, 2, 2, 2},     // left of the view: it becomes the first
        {12, 10, 19, 10, 12}, // a first column beyond the end is pulled back by the view
    };
    for (const Row& r : rows) {
        CHECK(ScrollIntoView(r.first, r.visible, r.column, 20) == r.intoView);
        CHECK(FirstColumnAfterSelect(r.first, r.visible, r.column) == r.afterSelect);
    }
    struct Centred { int selected, count, first; };
    const Centred centred[] = {{3, 100, 0}, {7, 100, 4}, {94, 100, 93}, {0, 1, 0}};
    for (const Centred& r : centred)
        CHECK(CentredFirstColumn(r.selected, r.count, 7) == r.first);
}

TEST_CASE("Icon browser: starting folder and filter from the listed name")
{
    struct Row { const char* name; const char* directory; int filter; };
    const Row rows[] = {
        {"C:\\icons\\set.ICONS", "C:\\icons\\", 1},  // cut to four characters
        {"C:\\Windows\\progman.exe", "C:\\Windows\\", 2},
        {"D:shell32.dll", "D:", 3},
        {"lib.nil", "", 4},
        {"C:\\dir.ico\\noext", "C:\\dir.ico\\", 5},  // a dot in the folder is no extension
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
    const std::vector<unsigned char> one = {0, 0, 1, 0, 1, 0, 32, 32, 0, 0, 1, 0, 32, 0, 100, 0, 0, 0, 22, 0, 0, 0};
    // bytes: how much is read for it, the header and the directory it announces at most
    struct Row { const char* what; std::vector<unsigned char> head; unsigned long long size; bool sound; size_t bytes; };
    const Row rows[] = {
        {"a whole icon file", one, 122, true, 22},
        {"the image cut short", one, 121, false, 22},
        {"65,535 images in 46 bytes", {0, 0, 1, 0, 0xFF, 0xFF}, 46, false, 46},
        {"no images", {0, 0, 1, 0, 0, 0}, 6, false, 6},
        {"a program", {'M', 'Z', 0x90, 0, 3, 0}, 5000000, true, 6},
        {"a header cut short", {0, 0, 1, 0, 1}, 5, false, 5},
    };
    for (const Row& r : rows) {
        CAPTURE(r.what);
        CHECK(IconDirectorySound(r.head.data(), r.head.size(), r.size) == r.sound);
        CHECK(IconDirectoryBytes(r.head.data(), std::min<size_t>(r.head.size(), 6), r.size) == r.bytes);
    }
}
}
