// Text helpers: integers, display names, paths and the values of a section.
#include <doctest.h>

#include <climits>

#include "Buffers.h"
#include "core/Text.h"

TEST_SUITE("Text") {

TEST_CASE("ParseInt reads blanks, a sign and digits up to the first other character")
{
    CHECK(ParseInt(" \t-12x") == -12);
    CHECK(ParseInt("+7") == 7);
    CHECK(ParseInt("- 5") == 0);
    CHECK(ParseInt("99999999999") == INT_MAX);
}

TEST_CASE("ApplyDisplayName keeps the program's extension and stays within its buffer")
{
    char program[17] = "C:\\p\\notepad.exe";
    CHECK_FALSE(ApplyDisplayName(program, sizeof program, "notepad"));  // extensions hidden
    CHECK_FALSE(ApplyDisplayName(program, sizeof program, "notepad2.exe"));
    CHECK(ApplyDisplayName(program, sizeof program, "Notepad.EXE"));
    CHECK(std::string(program) == "C:\\p\\Notepad.EXE");
}

TEST_CASE("IsExplorerPath looks at the last twelve characters in any case")
{
    CHECK(IsExplorerPath("C:\\WINDOWS\\EXPLORER.EXE"));
    CHECK_FALSE(IsExplorerPath("xplorer.exe"));
    CHECK_FALSE(IsExplorerPath("C:\\explorer.exe.lnk"));
}

TEST_CASE("the configuration path: the command line after its blanks, else the program's with .INI")
{
    const auto taken = [](const std::string& line) {
        std::vector<char> path(260);
        return Outcome(TakeConfigPath(line.c_str(), path.data(), path.size()) != nullptr, path);
    };
    CHECK(taken("   ") == "refused");
    CHECK(taken("  C:\\My Files\\q.ini ") == "C:\\My Files\\q.ini ");
    CHECK(taken(std::string(300, 'p')) == std::string(259, 'p'));
    const auto ini = [](const char* program, size_t size) {
        std::vector<char> path(size);
        TextCopy(path.data(), size, program);
        return Outcome(ReplaceExtensionWithIni(path.data(), size), path);
    };
    CHECK(ini("C:\\q\\Quenvolt.exe", 260) == "C:\\q\\Quenvolt.INI");
    CHECK(ini("Quenvolt", 260) == "Quenvolt");
    CHECK(ini("C:\\q.e", 9) == "C:\\q.INI");
    CHECK(ini("C:\\q.e", 8) == "refusedC:\\q.e");
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
    // What the bar writes reads back as it was, quotes and all.
    for (const char* value : {"\"C:\\a b.txt\"", " 'x' ", "\"a b\" -p", "\""}) {
        char text[140], line[150] = "K=", out[260];
        CHECK(ProfileText(value, text, sizeof text));
        TextAppend(line, sizeof line, text);  // the zeros after it end the block
        CHECK((SectionValue(line, "K", out, sizeof out) && std::string(out) == value));
    }
    char small[6];
    CHECK_FALSE(ProfileText("\"ab\"", small, sizeof small));
}

}
