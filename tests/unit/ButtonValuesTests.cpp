// Values of one button: its parameters, window words, command line and names.
#include <doctest.h>

#include "Buffers.h"
#include "core/ButtonValues.h"
#include "core/Text.h"

TEST_SUITE("ButtonValues") {

TEST_CASE("CombineDocumentParameters puts the document first, quoted when it holds a blank, within 137 characters")
{
    const auto combine = [](const std::string& document, const char* params) {
        std::vector<char> out(ParametersSize);
        TextCopy(out.data(), out.size(), params);
        return Outcome(CombineDocumentParameters(document.c_str(), out.data(), out.size()), out);
    };
    const std::string d130 = "C:\\" + std::string(127, 'd');
    CHECK(combine("C:\\a.txt", " ") == "C:\\a.txt");  // no Parameters key
    CHECK(combine("C:\\a.txt", "-p 1") == "C:\\a.txt -p 1");
    CHECK(combine(d130, "ABCDEFGHIJ") == d130 + " ABCDEF");
    CHECK(combine(d130 + "12345678", "XY") == "refusedXY");
    CHECK(combine("C:\\x\\shopping list.txt", " ") == "\"C:\\x\\shopping list.txt\"");
    CHECK(combine("C:\\x\\a b.txt", "\"q r\" -p") == "\"C:\\x\\a b.txt\" \"q r\" -p");  // as the file holds it
    const std::string b135 = "C:\\a " + std::string(130, 'b');
    CHECK(combine(b135, "XY") == "\"" + b135 + "\"");  // the quotes fill the room
}

TEST_CASE("the Window words read and written")
{
    CHECK(ShowCommandFromWord("maximized") == 3);
    CHECK(ShowCommandFromWord("MINIMIZED") == 6);
    CHECK(ShowCommandFromWord("sideways") == 5);
    CHECK(std::string(WordForShowCommand(3)) == "Maximized");
    CHECK(std::string(WordForShowCommand(7)) == "Minimized");
    CHECK(WordForShowCommand(5) == nullptr);
}

TEST_CASE("BuildCommandLine: the program quoted once, a blank, the parameters, the extra arguments")
{
    struct Row { const char *program, *params, *extra, *line; } rows[] = {
        {"P", "", nullptr, "P"},
        {"P", "-a \"x y\"", nullptr, "P -a \"x y\""},
        {"P", "-p", " one", "P -p one"},
        {"P", nullptr, "x", "P x"},
        {"C:\\Program Files\\a.exe", "x", nullptr, "\"C:\\Program Files\\a.exe\" x"},
        {"\"C:\\Program Files\\a.exe\"", "x", nullptr, "\"C:\\Program Files\\a.exe\" x"},
        {"C:\\Tab\there\\a.exe", nullptr, nullptr, "\"C:\\Tab\there\\a.exe\""},
    };
    for (const Row& r : rows) {
        CAPTURE(r.line);
        const size_t length = CommandLineLength(r.program, r.params, r.extra);
        CHECK(length == std::string(r.line).size());
        std::vector<char> exact(length + 1), short_(length);
        CHECK(BuildCommandLine(r.program, r.params, r.extra, exact.data(), exact.size()));
        CHECK(std::string(exact.data()) == r.line);
        CHECK_FALSE(BuildCommandLine(r.program, r.params, r.extra, short_.data(), short_.size()));
    }
}

TEST_CASE("the button's name and Run item: the program's name, a document's first item, cut to fit")
{
    const auto name = [](const char* params, bool document, size_t size = 300) {
        std::vector<char> out(size);
        BuildButtonName("C:\\Windows\\notepad.exe", params, document, out.data(), size);
        return std::string(out.data());
    };
    CHECK(name("C:\\Docs\\a.txt -p", false) == "notepad.exe");
    CHECK(name("C:\\Docs\\a.txt -p", true) == "notepad.exe - a.txt");
    CHECK(name("\"C:\\My Docs\\a b.txt\" -p", true) == "notepad.exe - a b.txt");
    CHECK(name("C:/docs/b.txt", true) == "notepad.exe - b.txt");
    CHECK(name("C:\\Docs\\", true) == "notepad.exe");
    CHECK(name("a.txt", true, 8) == "notepad");
    std::vector<char> run(9);
    BuildRunMenuText("C:\\x\\abcdef.exe", run.data(), run.size());
    CHECK(std::string(run.data()) == "&Run abc");
}

}
