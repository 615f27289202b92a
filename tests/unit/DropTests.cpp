// The pure pieces of a drop: the target cell, the room, the argument texts,
// path parts, shortcut names, document parameters and %NAME% expansion.
#include <doctest.h>

#include "Buffers.h"
#include "core/DropPieces.h"

#include <cstring>
#include <string>

namespace {

// A lead byte of a double-byte code page, for the paths below.
bool LeadAbove0x80(unsigned char c)
{
    return c >= 0x81 && c <= 0x9F;
}

// The variables a test expansion sees; names match without regard to case
// as the environment's do.
int TestVariable(const char* name, char* value, size_t size)
{
    struct Variable {
        const char* name;
        const char* value;
    };
    static const std::string longValue(200, 'v');
    static const std::string tooLong(300, 'w');
    static const Variable variables[] = {
        {"DIR", "C:\\Tools"},  {"EMPTY", ""},           {"SELF", "%SELF%"},      {"NEST", "%DIR%\\bin"},
        {"LONG", longValue.c_str()}, {"HUGE", tooLong.c_str()}, {"PCT", "50%"},
    };
    for (const Variable& v : variables) {
        if (strcasecmp(name, v.name) == 0) {
            std::strncpy(value, v.value, size);
            value[size - 1] = '\0';
            return (int)std::strlen(v.value);
        }
    }
    return -1;
}

}  // namespace

TEST_SUITE("Drop") {

TEST_CASE("DropTargetSlot: cells, separators, borders and the caption")
{
    struct Row {
        int x, y, count, slot;
    };
    const int cell = 38;  // a cell and its separator are 39 pixels
    const Row rows[] = {
        {0, 0, 3, 0},        {37, 5, 3, 0},      {38, 5, 3, 0},  // the separator column belongs to the left button
        {39, 5, 3, 1},       {116, 5, 3, 2},     {117, 5, 3, -1},  // right of the last button: the bar
        {-1, 5, 3, 0},       {-38, 5, 3, 0},     {-39, 5, 3, -1},  // the narrow left border
        {10, -1, 3, -1},     {10, -20, 3, -1},                     // the caption
        {0, 0, 0, -1},
    };
    for (const Row& r : rows) {
        CAPTURE(r.x);
        CAPTURE(r.y);
        CHECK(DropTargetSlot(r.x, r.y, cell, r.count) == r.slot);
    }
}

TEST_CASE("DropRoom: 137 less the program and the parameters with their blank")
{
    struct Row {
        const char* program;
        const char* parameters;
        int room;
    };
    const Row rows[] = {
        {"C:\\p.exe", "", 129},
        {"C:\\p.exe", " ", 127},  // one blank counts as parameters
        {"C:\\p.exe", "-a", 126},
    };
    for (const Row& r : rows)
        CHECK(DropRoom(ExactText(r.program), ExactText(r.parameters)) == r.room);
    CHECK(DropRoom(ExactText(std::string(200, 'p')), "") == -63);
}

TEST_CASE("AppendArgument: blanks join, quotes for blanks, nothing past the room")
{
    struct Row {
        const char* before;
        int room;
        const char* item;
        bool ok;
        const char* after;
    };
    const Row rows[] = {
        {"", 5, "a.txt", true, "a.txt"},                       // exactly the room
        {"", 4, "a.txt", false, ""},
        {"a.txt", 11, "b.txt", true, "a.txt b.txt"},           // the joining blank counts
        {"a.txt", 10, "b.txt", false, "a.txt"},
        {"", 7, "a b.txt", false, ""},                          // quotes count two
        {"", 9, "a b.txt", true, "\"a b.txt\""},
        {"", -3, "a", false, ""},
        {"", 500, "x", true, "x"},
    };
    for (const Row& r : rows) {
        CAPTURE(r.item);
        GuardedBuffer text(DropArgumentsSize, r.before);
        CHECK(AppendArgument(text.data(), text.size(), r.room, ExactText(r.item)) == r.ok);
        CHECK(text.text() == r.after);
    }
    // A room beyond the buffer is held to the buffer.
    GuardedBuffer small(8, "");
    CHECK_FALSE(AppendArgument(small.data(), small.size(), 137, ExactText("12345678")));
    CHECK(AppendArgument(small.data(), small.size(), 137, ExactText("1234567")));
}

TEST_CASE("SplitDirectoryAndName: drive and folders, separators, double-byte names")
{
    struct Row {
        const char* path;
        const char* directory;
        const char* name;
        LeadBytePredicate lead;
    };
    const Row rows[] = {
        {"C:\\docs\\a.txt", "C:\\docs\\", "a.txt", nullptr},
        {"C:/docs/a.txt", "C:/docs/", "a.txt", nullptr},
        {"C:\\docs/sub\\a", "C:\\docs/sub\\", "a", nullptr},
        {"C:a.txt", "C:", "a.txt", nullptr},                  // a drive without folders
        {"a.txt", "", "a.txt", nullptr},
        {"C:\\docs\\", "C:\\docs\\", "", nullptr},
        {"\\\\server\\share\\a.txt", "\\\\server\\share\\", "a.txt", nullptr},
        {"C:\\\x81\\.txt", "C:\\", "\x81\\.txt", LeadAbove0x80},  // a second byte is no separator
        {"C:\\\x81\\.txt", "C:\\\x81\\", ".txt", nullptr},        // but is one in a single-byte code page
        {"C:\\d\\\x81", "C:\\d\\", "\x81", LeadAbove0x80},        // a lead byte at the end
    };
    for (const Row& r : rows) {
        CAPTURE(r.path);
        GuardedBuffer directory(DropPathSize), name(DropPathSize);
        SplitDirectoryAndName(ExactText(r.path), directory.data(), directory.size(), name.data(), name.size(), r.lead);
        CHECK(directory.text() == r.directory);
        CHECK(name.text() == r.name);
    }
    // Small buffers are never written past.
    GuardedBuffer directory(4), name(3);
    SplitDirectoryAndName(ExactText("C:\\docs\\letter.txt"), directory.data(), 4, name.data(), 3, nullptr);
    CHECK(directory.text() == "C:\\");
    CHECK(name.text() == "le");
}

TEST_CASE("RelativeItem: the name in the first file's folder, else the full path")
{
    struct Row {
        const char* path;
        const char* directory;
        const char* item;
    };
    const Row rows[] = {
        {"C:\\docs\\b.txt", "C:\\docs\\", "b.txt"},
        {"c:\\DOCS\\b.txt", "C:\\docs\\", "b.txt"},          // letters in any case
        {"C:\\docs\\sub\\b.txt", "C:\\docs\\", "C:\\docs\\sub\\b.txt"},
        {"C:\\doc\\b.txt", "C:\\docs\\", "C:\\doc\\b.txt"},
        {"b.txt", "", "b.txt"},
    };
    for (const Row& r : rows) {
        CAPTURE(r.path);
        CHECK(std::string(RelativeItem(ExactText(r.path), ExactText(r.directory), nullptr)) == r.item);
    }
}

TEST_CASE("IsShortcutName: the text from the last dot")
{
    struct Row {
        const char* path;
        bool shortcut;
    };
    const Row rows[] = {
        {"C:\\a.lnk", true}, {"C:\\a.LNK", true},  {"C:\\a.pif", true},     {"C:\\a.PiF", true},
        {"C:\\a.lnk.txt", false}, {"C:\\x.lnk\\a", false}, {"C:\\lnk", false}, {"C:\\a.lnkx", false},
        {".lnk", true},
    };
    for (const Row& r : rows) {
        CAPTURE(r.path);
        CHECK(IsShortcutName(ExactText(r.path)) == r.shortcut);
    }
}

TEST_CASE("DocumentWithArguments: the document first, refused when it does not fit")
{
    struct Row {
        std::string document;
        const char* arguments;
        bool ok;
        std::string parameters;
    };
    const std::string d137(137, 'd'), d136(136, 'd'), d135(135, 'd');
    const Row rows[] = {
        {"C:\\a.txt", "", true, "C:\\a.txt"},
        {"C:\\a.txt", "-x y", true, "C:\\a.txt -x y"},
        {d137, "", true, d137},
        {d137 + "d", "", false, ""},
        {d135, "x", true, d135 + " x"},                  // 137 in all
        {d136, "x", false, ""},                          // 138: the arguments are not cut
    };
    for (const Row& r : rows) {
        CAPTURE(r.document.size());
        GuardedBuffer out(138, "old");
        CHECK(DocumentWithArguments(ExactText(r.document), ExactText(r.arguments), out.data(), out.size()) == r.ok);
        CHECK(out.text() == r.parameters);
    }
}

TEST_CASE("ExpandVariables: pairs replaced left to right, bounded in rounds and length")
{
    struct Row {
        std::string source;
        bool ok;
        std::string result;
    };
    const std::string v200(200, 'v');
    const Row rows[] = {
        {"%DIR%\\a.exe", true, "C:\\Tools\\a.exe"},
        {"%dir%\\a.exe", true, "C:\\Tools\\a.exe"},               // names in any case
        {"%DIR%\\%NOPE%b", true, "C:\\Tools\\b"},                  // undefined: gone with its signs
        {"%EMPTY%x", true, "x"},
        {"100% sure", true, "100% sure"},                          // a lone sign stays
        {"a%%b", true, "ab"},                                      // an empty name is no variable
        {"%NEST%", true, "C:\\Tools\\bin"},                        // values are expanded in turn
        {"%PCT%DIR%", true, "50C:\\Tools"},                        // a sign from a value pairs with what follows
        {"%SELF%", false, ""},                                     // names itself: ends, refused
        {"%LONG%" + std::string(59, 'x'), true, v200 + std::string(59, 'x')},  // 259 characters
        {"%LONG%" + std::string(60, 'x'), false, ""},              // 260: refused, not cut
        {"%HUGE%", false, ""},
        {std::string(260, 'x'), false, ""},
        {"", true, ""},
    };
    for (const Row& r : rows) {
        CAPTURE(r.source);
        GuardedBuffer out(DropPathSize, "old");
        CHECK(ExpandVariables(out.data(), out.size(), ExactText(r.source), TestVariable) == r.ok);
        CHECK(out.text() == r.result);
    }
    // A destination smaller than the result is refused, not cut.
    GuardedBuffer small(8, "old");
    CHECK_FALSE(ExpandVariables(small.data(), small.size(), "%DIR%", TestVariable));
    CHECK(small.text().empty());
}

}
