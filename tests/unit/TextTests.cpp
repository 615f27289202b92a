// Text helpers: reading and writing integers, display names and the
// configuration path of the command line. Buffers are heap blocks of their
// exact size, so the sanitizer reports any write past them.
#include <doctest.h>

#include <climits>
#include <string>
#include <vector>

#include "core/Text.h"

TEST_SUITE("Text") {

TEST_CASE("ParseInt reads a sign after blanks and stops at the first other character")
{
    struct Row { const char* s; int value; } rows[] = {
        {" \t-12x", -12}, {"+7", 7}, {"abc", 0}, {"", 0}, {"- 5", 0}, {"99999999999", INT_MAX}, {"-2147483648", INT_MIN},
    };
    for (const Row& r : rows)
        CHECK(ParseInt(r.s) == r.value);
}

TEST_CASE("FormatInt writes plain decimal or nothing")
{
    struct Row { int v; size_t size; bool ok; const char* text; } rows[] = {
        {INT_MIN, 12, true, "-2147483648"}, {0, 2, true, "0"}, {12345, 5, false, ""}, {-1, 2, false, ""},
    };
    for (const Row& r : rows) {
        std::vector<char> b(r.size, 'x');
        CHECK(FormatInt(b.data(), b.size(), r.v) == r.ok);
        CHECK(std::string(b.data()) == r.text);
    }
    char section[16];
    FormatButtonSection(section, sizeof section, 24);
    CHECK(std::string(section) == "Button24");
}

TEST_CASE("a display name is used only when it keeps the program's extension and fits")
{
    struct Row { const char *program, *display; size_t size; const char* result; } rows[] = {
        {"C:\\p\\notepad.exe", "Notepad.EXE", 260, "C:\\p\\Notepad.EXE"},
        {"C:\\p\\notepad.exe", "notepad", 260, "C:\\p\\notepad.exe"},
        {"C:\\p\\notepad.exe", "", 260, "C:\\p\\notepad.exe"},
        {"C:\\p\\a.exe", "abcdefgh.exe", 17, "C:\\p\\a.exe"},
    };
    for (const Row& r : rows) {
        std::vector<char> b(r.size);
        TextCopy(b.data(), b.size(), r.program);
        CHECK(ApplyDisplayName(b.data(), b.size(), r.display) == (std::string(r.program) != r.result));
        CHECK(std::string(b.data()) == r.result);
    }
}

TEST_CASE("IsExplorerPath looks at the last twelve characters in any case")
{
    struct Row { const char* path; bool is; } rows[] = {
        {"C:\\WINDOWS\\EXPLORER.EXE", true}, {"explorer.exe", true}, {"xplorer.exe", false}, {"C:\\explorer.exe.lnk", false},
    };
    for (const Row& r : rows)
        CHECK(IsExplorerPath(r.path) == r.is);
}

TEST_CASE("TakeConfigPath skips blanks and takes the rest verbatim")
{
    struct Row { std::string line; bool taken; std::string path; } rows[] = {
        {"", false, ""}, {"   ", false, ""}, {"  C:\\My Files\\q.ini ", true, "C:\\My Files\\q.ini "},
        {"\"q.ini\"", true, "\"q.ini\""}, {"\tq.ini", true, "\tq.ini"},
        {"  " + std::string(300, 'p'), true, std::string(259, 'p')},
    };
    for (const Row& r : rows) {
        std::vector<char> b(260, '\0');
        CHECK((TakeConfigPath(r.line.c_str(), b.data(), b.size()) == b.data()) == r.taken);
        CHECK(std::string(b.data()) == r.path);
    }
}

TEST_CASE("ReplaceExtensionWithIni overwrites from the last dot")
{
    struct Row { const char* path; size_t size; bool ok; const char* result; } rows[] = {
        {"C:\\q\\Quenvolt.exe", 260, true, "C:\\q\\Quenvolt.INI"}, {"C:\\a.b\\Quenvolt", 260, true, "C:\\a.INI"},
        {"Quenvolt", 260, true, "Quenvolt"}, {"C:\\q.e", 7, false, "C:\\q.e"}, {"C:\\q.e", 9, true, "C:\\q.INI"},
    };
    for (const Row& r : rows) {
        std::vector<char> b(r.size);
        TextCopy(b.data(), b.size(), r.path);
        CHECK(ReplaceExtensionWithIni(b.data(), b.size()) == r.ok);
        CHECK(std::string(b.data()) == r.result);
    }
}

TEST_CASE("SectionValue gives what the profile gives for one key of a section block")
{
    static const char block[] = "; note\0Other=1\0 fileNAME = \"C:\\a b\\x.exe\" \0FileName=second\0"
                                "Empty=\0Quote=\"\0Half='x\0NoValue\0Window==Max\0";
    struct Row { const char* key; size_t size; bool found; const char* value; } rows[] = {
        {"FileName", 260, true, "C:\\a b\\x.exe"}, {"FileName", 5, true, "C:\\a"}, {"Empty", 260, true, ""},
        {"Quote", 260, true, "\""}, {"Half", 260, true, "'x"}, {"NoValue", 260, false, "kept"},
        {"Window", 260, true, "=Max"}, {"File", 260, false, "kept"}, {"; note", 260, false, "kept"},
    };
    for (const Row& r : rows) {
        CAPTURE(r.key);
        std::vector<char> out(r.size);
        TextCopy(out.data(), out.size(), "kept");
        CHECK(SectionValue(block, r.key, out.data(), out.size()) == r.found);
        CHECK(std::string(out.data()) == r.value);
    }
}

}
