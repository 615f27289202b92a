// Values of one button: a document combined with its parameters, the words
// of the "Window" key, the command line a button starts and the first item
// of its popup menu.
#include <doctest.h>

#include "Buffers.h"
#include "core/ButtonValues.h"

#include <string>

namespace {

// A document path of exactly n characters.
std::string Document(std::size_t n)
{
    std::string d = "C:\\docs\\";
    while (d.size() + 4 < n)
        d += 'd';
    d += ".txt";
    d.resize(n, 'd');
    return d;
}

// Runs CombineDocumentParameters on a 138-byte field holding params.
struct Combined {
    bool ok;
    std::string text;
    bool guardIntact;
};

Combined Combine(const std::string& document, const std::string& params)
{
    GuardedBuffer field(ParametersSize, params);
    Combined c;
    c.ok = CombineDocumentParameters(ExactText(document), field.data(), field.size());
    c.text = field.text();
    c.guardIntact = field.guardIntact() && field.terminated();
    return c;
}

}  // namespace

TEST_SUITE("ButtonValues") {

TEST_CASE("CombineDocumentParameters puts the document in front")
{
    const std::string doc = "C:\\docs\\letter.txt";

    SUBCASE("no Parameters key: the one-blank default gives the document alone")
    {
        Combined c = Combine(doc, " ");
        CHECK(c.ok);
        CHECK(c.text == doc);
        CHECK(c.guardIntact);
    }
    SUBCASE("parameters present: document, a blank and the parameters")
    {
        Combined c = Combine(doc, "/p");
        CHECK(c.ok);
        CHECK(c.text == doc + " /p");
        CHECK(c.guardIntact);
    }
    SUBCASE("parameters with blanks and quotes are kept as they are")
    {
        Combined c = Combine(doc, "-a \"two words\"  x");
        CHECK(c.ok);
        CHECK(c.text == doc + " -a \"two words\"  x");
    }
    SUBCASE("a document with blanks is not quoted")
    {
        const std::string spaced = "C:\\My Documents\\a letter.txt";
        Combined c = Combine(spaced, "P");
        CHECK(c.ok);
        CHECK(c.text == spaced + " P");
    }
    SUBCASE("an empty Parameters value: the document and one blank")
    {
        Combined c = Combine(doc, "");
        CHECK(c.ok);
        CHECK(c.text == doc + " ");
        CHECK(c.guardIntact);
    }
    SUBCASE("an empty document")
    {
        Combined absent = Combine("", " ");
        CHECK(absent.ok);
        CHECK(absent.text.empty());
        Combined present = Combine("", "P");
        CHECK(present.ok);
        CHECK(present.text == " P");
    }
}

TEST_CASE("CombineDocumentParameters keeps to 137 characters")
{
    const std::string params20 = "abcdefghijklmnopqrst";

    SUBCASE("130-character document: 6 characters of the parameters remain")
    {
        const std::string d = Document(130);
        Combined c = Combine(d, params20);
        CHECK(c.ok);
        CHECK(c.text == d + " abcdef");
        CHECK(c.text.size() == 137);
        CHECK(c.guardIntact);
    }
    SUBCASE("parameters that just fit are kept whole")
    {
        const std::string d = Document(116);
        Combined c = Combine(d, params20);
        CHECK(c.ok);
        CHECK(c.text == d + " " + params20);
        CHECK(c.text.size() == 137);
        CHECK(c.guardIntact);
    }
    SUBCASE("135-character document: one character remains")
    {
        const std::string d = Document(135);
        Combined c = Combine(d, params20);
        CHECK(c.ok);
        CHECK(c.text == d + " a");
        CHECK(c.guardIntact);
    }
    SUBCASE("136-character document: the document and the blank")
    {
        const std::string d = Document(136);
        Combined c = Combine(d, params20);
        CHECK(c.ok);
        CHECK(c.text == d + " ");
        CHECK(c.text.size() == 137);
        CHECK(c.guardIntact);
    }
    SUBCASE("137-character document: the document alone")
    {
        const std::string d = Document(137);
        Combined present = Combine(d, params20);
        CHECK(present.ok);
        CHECK(present.text == d);
        CHECK(present.guardIntact);
        Combined absent = Combine(d, " ");
        CHECK(absent.ok);
        CHECK(absent.text == d);
        CHECK(absent.guardIntact);
    }
    SUBCASE("a document of more than 137 characters is refused, the field kept")
    {
        const std::size_t lengths[] = {138, 139, 259, 5000};
        for (std::size_t n : lengths) {
            CAPTURE(n);
            const std::string d = Document(n);
            Combined present = Combine(d, params20);
            CHECK_FALSE(present.ok);
            CHECK(present.text == params20);
            CHECK(present.guardIntact);
            Combined absent = Combine(d, " ");
            CHECK_FALSE(absent.ok);
            CHECK(absent.text == " ");
            CHECK(absent.guardIntact);
        }
    }
    SUBCASE("every document length with full-length parameters")
    {
        const std::string longParams(137, 'p');
        for (std::size_t n = 0; n <= 140; ++n) {
            CAPTURE(n);
            const std::string d = Document(n);
            Combined c = Combine(d, longParams);
            CHECK(c.guardIntact);
            CHECK(c.text.size() <= 137);
            if (n <= 137) {
                CHECK(c.ok);
                CHECK(c.text.compare(0, n, d) == 0);
                if (n < 137) {
                    CHECK(c.text.size() == 137);
                    CHECK(c.text[n] == ' ');
                    CHECK(c.text.substr(n + 1) == std::string(136 - n, 'p'));
                }
            } else {
                CHECK_FALSE(c.ok);
                CHECK(c.text == longParams);
            }
        }
    }
    SUBCASE("a smaller field is kept to its own size")
    {
        GuardedBuffer field(20, "parameters");
        CHECK(CombineDocumentParameters(ExactText("C:\\a\\b.txt"), field.data(), field.size()));
        CHECK(field.text() == "C:\\a\\b.txt paramete");  // 19 characters
        CHECK(field.guardIntact());

        GuardedBuffer refused(20, "parameters");
        CHECK_FALSE(CombineDocumentParameters(ExactText(Document(20)), refused.data(), refused.size()));
        CHECK(refused.text() == "parameters");
        CHECK(refused.guardIntact());
    }
}

TEST_CASE("ShowCommandFromWord and WordForShowCommand")
{
    SUBCASE("the two words in any case of letters")
    {
        CHECK(ShowCommandFromWord(ExactText("Maximized")) == 3);
        CHECK(ShowCommandFromWord(ExactText("maximized")) == 3);
        CHECK(ShowCommandFromWord(ExactText("MAXIMIZED")) == 3);
        CHECK(ShowCommandFromWord(ExactText("Minimized")) == 6);
        CHECK(ShowCommandFromWord(ExactText("MINIMIZED")) == 6);
        CHECK(ShowCommandFromWord(ExactText("mInImIzEd")) == 6);
    }
    SUBCASE("anything else is a normal window")
    {
        const char* others[] = {"Normal", "", "garbage", "Maximised", "Minimised",
                                "Max", "Min", "Maximized ", " Minimized", "Maximizedx",
                                "3", "6", "Maximi\xDA" "ed"};
        for (const char* w : others) {
            CAPTURE(w);
            CHECK(ShowCommandFromWord(ExactText(w)) == 5);
        }
    }
    SUBCASE("the word written for each show command")
    {
        const int minimized[] = {2, 6, 7};
        for (int s : minimized) {
            CAPTURE(s);
            REQUIRE(WordForShowCommand(s) != nullptr);
            CHECK(std::string(WordForShowCommand(s)) == "Minimized");
        }
        REQUIRE(WordForShowCommand(3) != nullptr);
        CHECK(std::string(WordForShowCommand(3)) == "Maximized");

        const int normal[] = {0, 1, 4, 5, 8, 9, 10, 11, -1, 65536 + 3};
        for (int s : normal) {
            CAPTURE(s);
            CHECK(WordForShowCommand(s) == nullptr);
        }
    }
    SUBCASE("what is written reads back")
    {
        CHECK(ShowCommandFromWord(WordForShowCommand(7)) == 6);
        CHECK(ShowCommandFromWord(WordForShowCommand(2)) == 6);
        CHECK(ShowCommandFromWord(WordForShowCommand(6)) == 6);
        CHECK(ShowCommandFromWord(WordForShowCommand(3)) == 3);
        CHECK(WordForShowCommand(ShowCommandFromWord("Normal")) == nullptr);
    }
}

TEST_CASE("CommandLineLength and BuildCommandLine")
{
    struct Case {
        const char* name;
        const char* program;
        const char* params;
        const char* extra;
        std::string expected;
    };
    const char* prog = "C:\\Tools\\prog.exe";
    const std::string p = prog;
    const Case cases[] = {
        {"empty parameters, no extra", prog, "", nullptr, p},
        {"no parameters at all", prog, nullptr, nullptr, p},
        {"parameters", prog, "-v file.txt", nullptr, p + " -v file.txt"},
        {"one-blank parameters count as parameters", prog, " ", nullptr, p + "  "},
        {"one-blank parameters and extra: three blanks", prog, " ", "x", p + "   x"},
        {"parameters and extra", prog, "P", "a.txt", p + " P a.txt"},
        {"extra beginning with a blank gets no second blank", prog, "P", " a.txt", p + " P a.txt"},
        {"extra beginning with two blanks keeps both", prog, "P", "  a.txt", p + " P  a.txt"},
        {"extra only", prog, "", "a.txt", p + " a.txt"},
        {"extra only, beginning with a blank", prog, nullptr, " a.txt", p + " a.txt"},
        {"empty extra still adds its blank", prog, "P", "", p + " P "},
        {"empty extra, no parameters", prog, "", "", p + " "},
        {"program with blanks is quoted",
         "C:\\Program Files\\My App\\app.exe", "\"C:\\My Docs\\a b.txt\"", nullptr,
         "\"C:\\Program Files\\My App\\app.exe\" \"C:\\My Docs\\a b.txt\""},
        {"several dropped files", prog, "-n", "C:\\a.txt C:\\b.txt",
         p + " -n C:\\a.txt C:\\b.txt"},
        {"empty program", "", "", nullptr, ""},
    };

    for (const Case& c : cases) {
        CAPTURE(c.name);
        ExactText program(c.program);
        std::unique_ptr<ExactText> params(c.params ? new ExactText(c.params) : nullptr);
        std::unique_ptr<ExactText> extra(c.extra ? new ExactText(c.extra) : nullptr);
        const char* pp = params ? params->get() : nullptr;
        const char* ep = extra ? extra->get() : nullptr;

        CHECK(CommandLineLength(program, pp, ep) == c.expected.size());

        GuardedBuffer exact(c.expected.size() + 1);
        CHECK(BuildCommandLine(program, pp, ep, exact.data(), exact.size()));
        CHECK(exact.text() == c.expected);
        CHECK(exact.guardIntact());

        GuardedBuffer roomy(c.expected.size() + 40);
        CHECK(BuildCommandLine(program, pp, ep, roomy.data(), roomy.size()));
        CHECK(roomy.text() == c.expected);

        if (!c.expected.empty()) {
            GuardedBuffer tight(c.expected.size());
            CHECK_FALSE(BuildCommandLine(program, pp, ep, tight.data(), tight.size()));
            CHECK(tight.data()[0] == '\0');
            CHECK(tight.guardIntact());
        }
    }
}

TEST_CASE("BuildCommandLine with long values and tiny buffers")
{
    SUBCASE("full-length fields and many dropped files")
    {
        const std::string program(259, 'x');
        const std::string params(137, 'p');
        const std::string extra(20000, 'e');
        const std::string expected = program + " " + params + " " + extra;
        CHECK(CommandLineLength(ExactText(program), ExactText(params), ExactText(extra)) == expected.size());
        // the size the launcher allocates: all three lengths and 3 bytes
        GuardedBuffer b(program.size() + params.size() + extra.size() + 3);
        CHECK(BuildCommandLine(ExactText(program), ExactText(params), ExactText(extra), b.data(), b.size()));
        CHECK(b.text() == expected);
        CHECK(b.guardIntact());
    }
    SUBCASE("a too-small buffer is left empty, whatever it held")
    {
        for (std::size_t size = 1; size < 12; ++size) {
            CAPTURE(size);
            GuardedBuffer b(size);
            b.set(std::string(size - 1, 'z'));
            CHECK_FALSE(BuildCommandLine(ExactText("prog.exe"), ExactText("P"), ExactText("x"), b.data(), b.size()));
            CHECK(b.data()[0] == '\0');
            CHECK(b.guardIntact());
        }
    }
    SUBCASE("a zero-size buffer is not written at all")
    {
        GuardedBuffer b(0);
        CHECK_FALSE(BuildCommandLine(ExactText("prog.exe"), nullptr, nullptr, b.data(), 0));
        CHECK(b.untouched());
    }
}

TEST_CASE("BuildRunMenuText")
{
    SUBCASE("\"&Run \" and the name part")
    {
        GuardedBuffer b(RunMenuTextSize);
        BuildRunMenuText(ExactText("C:\\WINDOWS\\NOTEPAD.EXE"), b.data(), b.size());
        CHECK(b.text() == "&Run NOTEPAD.EXE");
        CHECK(b.guardIntact());
    }
    SUBCASE("a path without a backslash is used whole")
    {
        GuardedBuffer b(RunMenuTextSize);
        BuildRunMenuText(ExactText("notepad.exe"), b.data(), b.size());
        CHECK(b.text() == "&Run notepad.exe");
        BuildRunMenuText(ExactText("C:/tools/x.exe"), b.data(), b.size());
        CHECK(b.text() == "&Run C:/tools/x.exe");
    }
    SUBCASE("names with blanks, and a path ending in a backslash")
    {
        GuardedBuffer b(RunMenuTextSize);
        BuildRunMenuText(ExactText("C:\\Program Files\\My App.exe"), b.data(), b.size());
        CHECK(b.text() == "&Run My App.exe");
        BuildRunMenuText(ExactText("C:\\dir\\"), b.data(), b.size());
        CHECK(b.text() == "&Run ");
    }
    SUBCASE("the longest path of a 260-byte field fits")
    {
        const std::string name(259, 'n');
        GuardedBuffer b(RunMenuTextSize);
        BuildRunMenuText(ExactText(name), b.data(), b.size());
        CHECK(b.text() == "&Run " + name);
        CHECK(b.guardIntact());
    }
    SUBCASE("a longer name is cut to the buffer")
    {
        const std::string name(1000, 'n');
        GuardedBuffer b(RunMenuTextSize);
        BuildRunMenuText(ExactText("C:\\" + name), b.data(), b.size());
        CHECK(b.text() == "&Run " + std::string(RunMenuTextSize - 6, 'n'));
        CHECK(b.text().size() == RunMenuTextSize - 1);
        CHECK(b.guardIntact());
    }
    SUBCASE("small buffers")
    {
        for (std::size_t size = 1; size <= 8; ++size) {
            CAPTURE(size);
            GuardedBuffer b(size);
            BuildRunMenuText(ExactText("C:\\abc.exe"), b.data(), b.size());
            CHECK(b.text() == std::string("&Run abc.exe").substr(0, size - 1));
            CHECK(b.guardIntact());
        }
    }
}

TEST_CASE("BuildCommandLine quotes a program part with blanks once")
{
    struct Case {
        const char* program;
        const char* params;
        std::string expected;
    };
    const Case cases[] = {
        {"C:\\Program Files\\Q\\QVconfig.exe", "\"C:\\a b.INI\" \"C:\\Q.exe\" 2",
         "\"C:\\Program Files\\Q\\QVconfig.exe\" \"C:\\a b.INI\" \"C:\\Q.exe\" 2"},
        {"\"C:\\Program Files\\app.exe\"", "x", "\"C:\\Program Files\\app.exe\" x"},
        {"C:\\Tools\\app.exe ", "", "\"C:\\Tools\\app.exe \""},
        {"C:\\Tab\there\\app.exe", nullptr, "\"C:\\Tab\there\\app.exe\""},
        {" ", nullptr, "\" \""},
        {"C:\\Tools\\app.exe", "a b", "C:\\Tools\\app.exe a b"},
    };
    for (const Case& c : cases) {
        CAPTURE(c.program);
        CHECK(CommandLineLength(ExactText(c.program), c.params, nullptr) == c.expected.size());
        GuardedBuffer exact(c.expected.size() + 1);
        CHECK(BuildCommandLine(ExactText(c.program), c.params, nullptr, exact.data(), exact.size()));
        CHECK(exact.text() == c.expected);
        CHECK(exact.guardIntact());
        GuardedBuffer tight(c.expected.size());
        CHECK_FALSE(BuildCommandLine(ExactText(c.program), c.params, nullptr, tight.data(), tight.size()));
        CHECK(tight.guardIntact());
    }
}

TEST_CASE("BuildButtonName")
{
    struct Case {
        const char* program;
        const char* params;
        bool document;
        std::string expected;
    };
    const Case cases[] = {
        {"C:\\Windows\\notepad.exe", " ", false, "notepad.exe"},
        {"C:\\Windows\\notepad.exe", "C:\\Docs\\a.txt -p", false, "notepad.exe"},
        {"C:\\Windows\\notepad.exe", "C:\\Docs\\a.txt -p", true, "notepad.exe - a.txt"},
        {"C:\\Windows\\notepad.exe", "\"C:\\My Docs\\a b.txt\" -p", true, "notepad.exe - a b.txt"},
        {"C:\\Windows\\notepad.exe", "\"C:\\My Docs\\unclosed.txt", true, "notepad.exe - unclosed.txt"},
        {"C:\\Windows\\notepad.exe", "C:/docs/b.txt", true, "notepad.exe - b.txt"},
        {"C:\\Windows\\notepad.exe", "C:\\Docs\\", true, "notepad.exe"},
        {"C:\\Windows\\notepad.exe", "", true, "notepad.exe"},
        {"C:\\Windows\\notepad.exe", nullptr, true, "notepad.exe"},
        {"plain.exe", "  letter.txt", true, "plain.exe - letter.txt"},
    };
    for (const Case& c : cases) {
        CAPTURE(c.params);
        GuardedBuffer out(300);
        BuildButtonName(ExactText(c.program), c.params, c.document, out.data(), out.size());
        CHECK(out.text() == c.expected);
    }
    SUBCASE("a small buffer cuts the name")
    {
        GuardedBuffer out(8);
        BuildButtonName(ExactText("C:\\notepad.exe"), "a.txt", true, out.data(), out.size());
        CHECK(out.text() == "notepad");
        CHECK(out.guardIntact());
    }
    SUBCASE("a long document item is held whole")
    {
        const std::string doc(137, 'd');
        GuardedBuffer out(400);
        BuildButtonName(ExactText("p.exe"), ExactText(doc), true, out.data(), out.size());
        CHECK(out.text() == "p.exe - " + doc);
    }
}

}  // TEST_SUITE
