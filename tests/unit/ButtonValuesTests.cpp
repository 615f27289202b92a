// Values of one button: a document in front of its parameters, the window
// words, the command line it starts and the Run item of its menu.
#include <doctest.h>

#include <string>
#include <vector>

#include "core/ButtonValues.h"
#include "core/Text.h"

TEST_SUITE("ButtonValues") {

TEST_CASE("CombineDocumentParameters puts the document first and keeps to 137 characters")
{
    const std::string d130 = "C:\\" + std::string(127, 'd'), d137 = d130 + "1234567", d138 = d137 + "8";
    struct Row { std::string document, params; bool ok; std::string result; } rows[] = {
        {"C:\\a.txt", " ", true, "C:\\a.txt"}, {"C:\\a.txt", "", true, "C:\\a.txt "},
        {"C:\\a.txt", "-p 1", true, "C:\\a.txt -p 1"}, {d130, "ABCDEFGHIJ", true, d130 + " ABCDEF"},
        {d137.substr(0, 136), "XY", true, d137.substr(0, 136) + " "}, {d137, "XY", true, d137},
        {d138, "XY", false, "XY"}, {d138 + std::string(20, 'e'), "XY", false, "XY"},
    };
    for (const Row& r : rows) {
        CAPTURE(r.document.size());
        std::vector<char> params(ParametersSize);
        TextCopy(params.data(), params.size(), r.params.c_str());
        CHECK(CombineDocumentParameters(r.document.c_str(), params.data(), params.size()) == r.ok);
        CHECK(std::string(params.data()) == r.result);
    }
}

TEST_CASE("the Window words read and written")
{
    struct Word { const char* word; int show; } words[] = {
        {"Maximized", 3}, {"maximized", 3}, {"MINIMIZED", 6}, {"Normal", 5}, {"sideways", 5}, {"", 5},
    };
    for (const Word& w : words)
        CHECK(ShowCommandFromWord(w.word) == w.show);
    struct Written { int show; const char* word; } written[] = {
        {3, "Maximized"}, {2, "Minimized"}, {6, "Minimized"}, {7, "Minimized"}, {5, nullptr}, {1, nullptr},
    };
    for (const Written& w : written)
        CHECK(std::string(WordForShowCommand(w.show) ? WordForShowCommand(w.show) : "-") == (w.word ? w.word : "-"));
}

TEST_CASE("BuildCommandLine: the program, a blank, the parameters, then the extra arguments")
{
    struct Row { const char *params, *extra, *line; } rows[] = {
        {"", nullptr, "P"}, {" ", nullptr, "P  "}, {"-a \"x y\"", nullptr, "P -a \"x y\""},
        {"-p", "one two", "P -p one two"}, {"-p", " one", "P -p one"}, {"", "x", "P x"},
    };
    for (const Row& r : rows) {
        CAPTURE(r.line);
        const size_t length = CommandLineLength("P", r.params, r.extra);
        CHECK(length == std::string(r.line).size());
        std::vector<char> exact(length + 1), short_(length);
        CHECK(BuildCommandLine("P", r.params, r.extra, exact.data(), exact.size()));
        CHECK(std::string(exact.data()) == r.line);
        CHECK_FALSE(BuildCommandLine("P", r.params, r.extra, short_.data(), short_.size()));
        CHECK(short_[0] == '\0');
    }
}

TEST_CASE("BuildRunMenuText names the program as its path ends")
{
    struct Row { const char* path; size_t size; const char* text; } rows[] = {
        {"C:\\A&B\\Tom&Jerry.exe", RunMenuTextSize, "&Run Tom&Jerry.exe"}, {"plain.exe", RunMenuTextSize, "&Run plain.exe"},
        {"C:\\x\\abcdef.exe", 9, "&Run abc"},
    };
    for (const Row& r : rows) {
        std::vector<char> b(r.size);
        BuildRunMenuText(r.path, b.data(), b.size());
        CHECK(std::string(b.data()) == r.text);
    }
}

TEST_CASE("a program part with blanks is quoted once")
{
    struct Row { const char *program, *params, *line; } rows[] = {
        {"C:\\Program Files\\Q\\QVconfig.exe", "\"C:\\a b.INI\" 2", "\"C:\\Program Files\\Q\\QVconfig.exe\" \"C:\\a b.INI\" 2"},
        {"\"C:\\Program Files\\app.exe\"", "x", "\"C:\\Program Files\\app.exe\" x"},  // quoted already
        {"C:\\Tab\there\\app.exe", nullptr, "\"C:\\Tab\there\\app.exe\""},
        {"C:\\Tools\\app.exe", "a b", "C:\\Tools\\app.exe a b"},  // parameters stay as they are
    };
    for (const Row& r : rows) {
        CAPTURE(r.line);
        const size_t length = CommandLineLength(r.program, r.params, nullptr);
        CHECK(length == std::string(r.line).size());
        std::vector<char> exact(length + 1), short_(length);
        CHECK(BuildCommandLine(r.program, r.params, nullptr, exact.data(), exact.size()));
        CHECK(std::string(exact.data()) == r.line);
        CHECK_FALSE(BuildCommandLine(r.program, r.params, nullptr, short_.data(), short_.size()));
    }
}

TEST_CASE("BuildButtonName: the program, and for a document its first item")
{
    struct Row { const char* params; bool document; size_t size; const char* name; } rows[] = {
        {"C:\\Docs\\a.txt -p", false, 300, "notepad.exe"},
        {"C:\\Docs\\a.txt -p", true, 300, "notepad.exe - a.txt"},
        {"\"C:\\My Docs\\a b.txt\" -p", true, 300, "notepad.exe - a b.txt"},
        {"\"C:\\My Docs\\unclosed.txt", true, 300, "notepad.exe - unclosed.txt"},
        {"C:/docs/b.txt", true, 300, "notepad.exe - b.txt"},
        {"C:\\Docs\\", true, 300, "notepad.exe"},
        {nullptr, true, 300, "notepad.exe"},
        {"a.txt", true, 8, "notepad"},  // cut to the buffer
    };
    for (const Row& r : rows) {
        CAPTURE(r.name);
        std::vector<char> out(r.size);
        BuildButtonName("C:\\Windows\\notepad.exe", r.params, r.document, out.data(), out.size());
        CHECK(std::string(out.data()) == r.name);
    }
}

}
