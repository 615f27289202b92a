// Text helpers: bounded copying, comparisons, integer reading and writing,
// path pieces and the configuration path of the command line.
#include <doctest.h>

#include "Buffers.h"
#include "core/Text.h"

#include <climits>
#include <cstdio>
#include <string>

TEST_SUITE("Text") {

TEST_CASE("TextLength counts up to the terminator")
{
    CHECK(TextLength(ExactText("")) == 0);
    CHECK(TextLength(ExactText("a")) == 1);
    CHECK(TextLength(ExactText("C:\\Quenvolt\\Quenvolt.exe")) == 24);
    const char embedded[] = "ab\0cd";
    CHECK(TextLength(embedded) == 2);
    std::string big(100000, 'x');
    CHECK(TextLength(ExactText(big)) == 100000);
}

TEST_CASE("TextCopy cuts at size - 1 and always terminates")
{
    SUBCASE("text shorter than the buffer is copied whole")
    {
        GuardedBuffer b(16);
        CHECK(TextCopy(b.data(), b.size(), ExactText("hello")) == 5);
        CHECK(b.text() == "hello");
        CHECK(b.guardIntact());
    }
    SUBCASE("text of exactly size - 1 characters fits")
    {
        GuardedBuffer b(6);
        CHECK(TextCopy(b.data(), b.size(), ExactText("hello")) == 5);
        CHECK(b.text() == "hello");
        CHECK(b.data()[5] == '\0');
        CHECK(b.guardIntact());
    }
    SUBCASE("text of exactly size characters loses its last one")
    {
        GuardedBuffer b(5);
        CHECK(TextCopy(b.data(), b.size(), ExactText("hello")) == 4);
        CHECK(b.text() == "hell");
        CHECK(b.data()[4] == '\0');
        CHECK(b.guardIntact());
    }
    SUBCASE("a long text is cut to the buffer")
    {
        std::string big(100000, 'q');
        GuardedBuffer b(260);
        CHECK(TextCopy(b.data(), b.size(), ExactText(big)) == 259);
        CHECK(b.text() == std::string(259, 'q'));
        CHECK(b.guardIntact());
    }
    SUBCASE("a one-byte buffer receives only the terminator")
    {
        GuardedBuffer b(1);
        CHECK(TextCopy(b.data(), b.size(), ExactText("abc")) == 0);
        CHECK(b.data()[0] == '\0');
        CHECK(b.guardIntact());
    }
    SUBCASE("a zero-size buffer is not written at all")
    {
        GuardedBuffer b(0);
        CHECK(TextCopy(b.data(), 0, ExactText("abc")) == 0);
        CHECK(b.untouched());
    }
    SUBCASE("empty text gives an empty, terminated buffer")
    {
        GuardedBuffer b(8, "old");
        CHECK(TextCopy(b.data(), b.size(), ExactText("")) == 0);
        CHECK(b.text().empty());
        CHECK(b.guardIntact());
    }
    SUBCASE("bytes above 0x7F are copied unchanged")
    {
        GuardedBuffer b(8);
        TextCopy(b.data(), b.size(), ExactText("\xC4\xFF\x80"));
        CHECK(b.text() == "\xC4\xFF\x80");
    }
}

TEST_CASE("TextCopyN copies at most count characters within the buffer")
{
    SUBCASE("count below the text length and the buffer")
    {
        GuardedBuffer b(16);
        CHECK(TextCopyN(b.data(), b.size(), ExactText("abcdefgh"), 3) == 3);
        CHECK(b.text() == "abc");
        CHECK(b.guardIntact());
    }
    SUBCASE("count zero gives empty text")
    {
        GuardedBuffer b(16, "old");
        CHECK(TextCopyN(b.data(), b.size(), ExactText("abc"), 0) == 0);
        CHECK(b.text().empty());
        CHECK(b.guardIntact());
    }
    SUBCASE("count beyond the text stops at the terminator")
    {
        GuardedBuffer b(16);
        CHECK(TextCopyN(b.data(), b.size(), ExactText("abc"), 10) == 3);
        CHECK(b.text() == "abc");
        CHECK(b.guardIntact());
    }
    SUBCASE("the buffer limits before the count does")
    {
        GuardedBuffer b(4);
        CHECK(TextCopyN(b.data(), b.size(), ExactText("abcdefgh"), 6) == 3);
        CHECK(b.text() == "abc");
        CHECK(b.guardIntact());
    }
    SUBCASE("count equal to size - 1")
    {
        GuardedBuffer b(4);
        CHECK(TextCopyN(b.data(), b.size(), ExactText("abcdefgh"), 3) == 3);
        CHECK(b.text() == "abc");
        CHECK(b.guardIntact());
    }
    SUBCASE("a source that is not terminated is read only up to count")
    {
        // Exactly three bytes on the heap, no terminator: reading a fourth
        // would be reported by the address sanitizer.
        std::unique_ptr<char[]> raw(new char[3]{'x', 'y', 'z'});
        GuardedBuffer b(16);
        CHECK(TextCopyN(b.data(), b.size(), raw.get(), 3) == 3);
        CHECK(b.text() == "xyz");
        CHECK(b.guardIntact());
    }
    SUBCASE("a zero-size buffer is not written at all")
    {
        GuardedBuffer b(0);
        CHECK(TextCopyN(b.data(), 0, ExactText("abc"), 2) == 0);
        CHECK(b.untouched());
    }
}

TEST_CASE("TextAppend appends within the buffer and always terminates")
{
    SUBCASE("room for all of it")
    {
        GuardedBuffer b(16, "abc");
        CHECK(TextAppend(b.data(), b.size(), ExactText("def")) == 6);
        CHECK(b.text() == "abcdef");
        CHECK(b.guardIntact());
    }
    SUBCASE("cut where the buffer ends")
    {
        GuardedBuffer b(6, "abc");
        CHECK(TextAppend(b.data(), b.size(), ExactText("defgh")) == 5);
        CHECK(b.text() == "abcde");
        CHECK(b.data()[5] == '\0');
        CHECK(b.guardIntact());
    }
    SUBCASE("a full buffer stays as it is")
    {
        GuardedBuffer b(6, "abcde");
        CHECK(TextAppend(b.data(), b.size(), ExactText("xyz")) == 5);
        CHECK(b.text() == "abcde");
        CHECK(b.guardIntact());
    }
    SUBCASE("appending to empty text is a copy")
    {
        GuardedBuffer b(4, "");
        CHECK(TextAppend(b.data(), b.size(), ExactText("wxyz")) == 3);
        CHECK(b.text() == "wxy");
        CHECK(b.guardIntact());
    }
    SUBCASE("appending empty text changes nothing")
    {
        GuardedBuffer b(8, "abc");
        CHECK(TextAppend(b.data(), b.size(), ExactText("")) == 3);
        CHECK(b.text() == "abc");
        CHECK(b.guardIntact());
    }
    SUBCASE("a destination without terminator within size is left alone")
    {
        GuardedBuffer b(5);
        for (int i = 0; i < 5; ++i)
            b.data()[i] = 'z';
        CHECK(TextAppend(b.data(), b.size(), ExactText("abc")) == 5);
        for (int i = 0; i < 5; ++i)
            CHECK(b.data()[i] == 'z');
        CHECK(b.guardIntact());
    }
    SUBCASE("repeated appends never pass the buffer")
    {
        GuardedBuffer b(10, "");
        for (int i = 0; i < 20; ++i)
            TextAppend(b.data(), b.size(), ExactText("ab"));
        CHECK(b.text() == "ababababa");
        CHECK(b.guardIntact());
    }
}

TEST_CASE("SameText compares byte for byte")
{
    CHECK(SameText(ExactText(""), ExactText("")));
    CHECK(SameText(ExactText("None"), ExactText("None")));
    CHECK_FALSE(SameText(ExactText("None"), ExactText("none")));
    CHECK_FALSE(SameText(ExactText("None"), ExactText("None ")));
    CHECK_FALSE(SameText(ExactText("None "), ExactText("None")));
    CHECK_FALSE(SameText(ExactText(""), ExactText("a")));
    CHECK_FALSE(SameText(ExactText("a"), ExactText("")));
    CHECK(SameText(ExactText("\xC4\xE4"), ExactText("\xC4\xE4")));
    CHECK_FALSE(SameText(ExactText("\xC4"), ExactText("\xE4")));
}

TEST_CASE("SameTextNoCase folds only the ASCII letters")
{
    SUBCASE("letters in any case are equal")
    {
        CHECK(SameTextNoCase(ExactText("Maximized"), ExactText("MAXIMIZED")));
        CHECK(SameTextNoCase(ExactText("fixed"), ExactText("FiXeD")));
        CHECK(SameTextNoCase(ExactText("ABCDEFGHIJKLMNOPQRSTUVWXYZ"),
                             ExactText("abcdefghijklmnopqrstuvwxyz")));
        CHECK(SameTextNoCase(ExactText(""), ExactText("")));
    }
    SUBCASE("neighbours of the letters are not folded")
    {
        // '@' 0x40 / '`' 0x60, '[' 0x5B / '{' 0x7B, '^' / '~', '_' / DEL
        CHECK_FALSE(SameTextNoCase(ExactText("@"), ExactText("`")));
        CHECK_FALSE(SameTextNoCase(ExactText("["), ExactText("{")));
        CHECK_FALSE(SameTextNoCase(ExactText("\\"), ExactText("|")));
        CHECK_FALSE(SameTextNoCase(ExactText("]"), ExactText("}")));
        CHECK_FALSE(SameTextNoCase(ExactText("^"), ExactText("~")));
        CHECK_FALSE(SameTextNoCase(ExactText("_"), ExactText("\x7F")));
    }
    SUBCASE("bytes of 0x80 and above compare exactly")
    {
        // Latin-1 capital and small A with diaeresis, and their cousins
        CHECK_FALSE(SameTextNoCase(ExactText("\xC4"), ExactText("\xE4")));
        CHECK_FALSE(SameTextNoCase(ExactText("\xC0"), ExactText("\xE0")));
        CHECK_FALSE(SameTextNoCase(ExactText("\xDE"), ExactText("\xFE")));
        CHECK(SameTextNoCase(ExactText("\xC4x"), ExactText("\xC4X")));
        CHECK(SameTextNoCase(ExactText("\xFF"), ExactText("\xFF")));
        // 0xC1 - 0x20 would be 'A' after a signed fold: must not match 'a'
        CHECK_FALSE(SameTextNoCase(ExactText("\xC1"), ExactText("a")));
        CHECK_FALSE(SameTextNoCase(ExactText("\xE1"), ExactText("A")));
    }
    SUBCASE("a prefix is not equal")
    {
        CHECK_FALSE(SameTextNoCase(ExactText("Top"), ExactText("top ")));
        CHECK_FALSE(SameTextNoCase(ExactText("Topx"), ExactText("top")));
        CHECK_FALSE(SameTextNoCase(ExactText(""), ExactText("a")));
        CHECK_FALSE(SameTextNoCase(ExactText("True"), ExactText("Tru")));
    }
}

TEST_CASE("ParseInt reads like atoi")
{
    SUBCASE("plain numbers and signs")
    {
        CHECK(ParseInt(ExactText("0")) == 0);
        CHECK(ParseInt(ExactText("36")) == 36);
        CHECK(ParseInt(ExactText("-3")) == -3);
        CHECK(ParseInt(ExactText("+7")) == 7);
        CHECK(ParseInt(ExactText("-0")) == 0);
        CHECK(ParseInt(ExactText("007")) == 7);
        CHECK(ParseInt(ExactText("-007")) == -7);
    }
    SUBCASE("leading white space of every kind is skipped")
    {
        CHECK(ParseInt(ExactText("   42")) == 42);
        CHECK(ParseInt(ExactText("\t42")) == 42);
        CHECK(ParseInt(ExactText(" \t\n\v\f\r-42")) == -42);
    }
    SUBCASE("other leading characters stop the reading")
    {
        CHECK(ParseInt(ExactText("\xA0" "5")) == 0);  // no-break space
        CHECK(ParseInt(ExactText("_5")) == 0);
        CHECK(ParseInt(ExactText("x5")) == 0);
    }
    SUBCASE("digits up to the first other character")
    {
        CHECK(ParseInt(ExactText("12abc")) == 12);
        CHECK(ParseInt(ExactText("12 34")) == 12);
        CHECK(ParseInt(ExactText("-12.9")) == -12);
        CHECK(ParseInt(ExactText("3-4")) == 3);
        CHECK(ParseInt(ExactText("0x10")) == 0);
        CHECK(ParseInt(ExactText("0X1F")) == 0);
        CHECK(ParseInt(ExactText("1e5")) == 1);
    }
    SUBCASE("no digits give 0")
    {
        CHECK(ParseInt(ExactText("")) == 0);
        CHECK(ParseInt(ExactText("   ")) == 0);
        CHECK(ParseInt(ExactText("abc")) == 0);
        CHECK(ParseInt(ExactText("-")) == 0);
        CHECK(ParseInt(ExactText("+")) == 0);
        CHECK(ParseInt(ExactText("- 5")) == 0);
        CHECK(ParseInt(ExactText("--5")) == 0);
        CHECK(ParseInt(ExactText("+-5")) == 0);
        CHECK(ParseInt(ExactText("-+5")) == 0);
        CHECK(ParseInt(ExactText("$10")) == 0);
    }
    SUBCASE("the ends of the 32-bit range")
    {
        CHECK(ParseInt(ExactText("2147483647")) == INT_MAX);
        CHECK(ParseInt(ExactText("-2147483647")) == -INT_MAX);
        CHECK(ParseInt(ExactText("-2147483648")) == INT_MIN);
    }
    SUBCASE("values beyond the range are clamped")
    {
        CHECK(ParseInt(ExactText("2147483648")) == INT_MAX);
        CHECK(ParseInt(ExactText("-2147483649")) == INT_MIN);
        CHECK(ParseInt(ExactText("4294967296")) == INT_MAX);
        CHECK(ParseInt(ExactText("4294967297")) == INT_MAX);  // not 1
        CHECK(ParseInt(ExactText("-4294967296")) == INT_MIN);
        CHECK(ParseInt(ExactText("99999999999999999999")) == INT_MAX);
        CHECK(ParseInt(ExactText("18446744073709551617")) == INT_MAX);
        CHECK(ParseInt(ExactText("-99999999999999999999")) == INT_MIN);
        CHECK(ParseInt(ExactText("9223372036854775808")) == INT_MAX);
    }
    SUBCASE("very long digit strings")
    {
        std::string nines(100000, '9');
        CHECK(ParseInt(ExactText(nines)) == INT_MAX);
        CHECK(ParseInt(ExactText("-" + nines)) == INT_MIN);
        CHECK(ParseInt(ExactText("1" + std::string(100000, '0'))) == INT_MAX);
        CHECK(ParseInt(ExactText(nines + "abc")) == INT_MAX);
        // leading zeros do not count towards the size of the value
        CHECK(ParseInt(ExactText(std::string(100000, '0') + "42")) == 42);
        CHECK(ParseInt(ExactText("-" + std::string(100000, '0') + "42")) == -42);
        CHECK(ParseInt(ExactText(std::string(100000, ' ') + "17")) == 17);
    }
}

TEST_CASE("FormatInt writes plain decimal or nothing")
{
    SUBCASE("values as %d writes them")
    {
        const int values[] = {0, 1, -1, 7, -3, 36, 100, -100, 9999999, -999999,
                              1234567, 2147483647, -2147483647, INT_MIN};
        for (int v : values) {
            char expected[32];
            std::snprintf(expected, sizeof expected, "%d", v);
            GuardedBuffer b(32);
            CAPTURE(v);
            CHECK(FormatInt(b.data(), b.size(), v));
            CHECK(b.text() == expected);
            CHECK(b.guardIntact());
        }
    }
    SUBCASE("an 8-byte buffer holds seven characters")
    {
        struct Case { int v; bool fits; };
        const Case cases[] = {{9999999, true}, {-999999, true}, {10000000, false},
                              {-1000000, false}, {INT_MAX, false}, {INT_MIN, false},
                              {1000000, true}, {-99999, true}};
        for (const Case& c : cases) {
            CAPTURE(c.v);
            GuardedBuffer b(8, "junk");
            CHECK(FormatInt(b.data(), b.size(), c.v) == c.fits);
            if (c.fits) {
                CHECK(b.text() == std::to_string(c.v));
            } else {
                CHECK(b.data()[0] == '\0');
            }
            CHECK(b.guardIntact());
        }
    }
    SUBCASE("exactly the needed size, and one byte less")
    {
        const int values[] = {0, 5, -5, 12345, -12345, INT_MAX, INT_MIN};
        for (int v : values) {
            const std::string text = std::to_string(v);
            CAPTURE(v);
            GuardedBuffer exact(text.size() + 1);
            CHECK(FormatInt(exact.data(), exact.size(), v));
            CHECK(exact.text() == text);
            CHECK(exact.guardIntact());

            GuardedBuffer tight(text.size());
            CHECK_FALSE(FormatInt(tight.data(), tight.size(), v));
            CHECK(tight.data()[0] == '\0');
            CHECK(tight.guardIntact());
        }
    }
    SUBCASE("a zero-size buffer is not written at all")
    {
        GuardedBuffer b(0);
        CHECK_FALSE(FormatInt(b.data(), 0, 0));
        CHECK(b.untouched());
    }
    SUBCASE("what it writes reads back")
    {
        const int values[] = {0, 1, -1, 65535, -65536, INT_MAX, INT_MIN, 123456789};
        for (int v : values) {
            GuardedBuffer b(16);
            REQUIRE(FormatInt(b.data(), b.size(), v));
            CHECK(ParseInt(b.data()) == v);
        }
    }
}

TEST_CASE("FormatButtonSection names the sections Button1 to Button24")
{
    SUBCASE("the 24 names, without leading zeros")
    {
        for (unsigned n = 1; n <= 24; ++n) {
            GuardedBuffer b(32);
            FormatButtonSection(b.data(), b.size(), n);
            CAPTURE(n);
            CHECK(b.text() == "Button" + std::to_string(n));
            CHECK(b.guardIntact());
        }
    }
    SUBCASE("a buffer of exactly the needed size")
    {
        GuardedBuffer b(9);
        FormatButtonSection(b.data(), b.size(), 24);
        CHECK(b.text() == "Button24");
        CHECK(b.guardIntact());
    }
    SUBCASE("a small buffer is never passed")
    {
        for (std::size_t size = 1; size <= 9; ++size) {
            GuardedBuffer b(size);
            FormatButtonSection(b.data(), b.size(), 12);
            CAPTURE(size);
            CHECK(b.terminated());
            CHECK(std::string("Button12").compare(0, b.text().size(), b.text()) == 0);
            CHECK(b.guardIntact());
        }
    }
    SUBCASE("numbers beyond two digits")
    {
        const unsigned numbers[] = {100, 999, 65535, 2147483647u};
        for (unsigned n : numbers) {
            GuardedBuffer b(32);
            FormatButtonSection(b.data(), b.size(), n);
            CAPTURE(n);
            CHECK(b.text() == "Button" + std::to_string(n));
            CHECK(b.guardIntact());
        }
    }
    SUBCASE("numbers beyond the signed range stay within the buffer")
    {
        GuardedBuffer b(32);
        FormatButtonSection(b.data(), b.size(), 4000000000u);
        CHECK(b.text().compare(0, 6, "Button") == 0);
        CHECK(b.guardIntact());
    }
}

TEST_CASE("LastBackslash, LastSeparator and NamePart")
{
    SUBCASE("LastBackslash")
    {
        CHECK(LastBackslash(ExactText("")) == -1);
        CHECK(LastBackslash(ExactText("notepad.exe")) == -1);
        CHECK(LastBackslash(ExactText("C:/dir/x.exe")) == -1);
        CHECK(LastBackslash(ExactText("\\")) == 0);
        CHECK(LastBackslash(ExactText("C:\\x.exe")) == 2);
        CHECK(LastBackslash(ExactText("C:\\dir\\x.exe")) == 6);
        CHECK(LastBackslash(ExactText("C:\\dir\\")) == 6);
        CHECK(LastBackslash(ExactText("C:\\a\\b/c")) == 4);
    }
    SUBCASE("LastSeparator prefers a backslash to any forward slash")
    {
        CHECK(LastSeparator(ExactText("")) == -1);
        CHECK(LastSeparator(ExactText("notepad.exe")) == -1);
        CHECK(LastSeparator(ExactText("C:\\dir\\x.exe")) == 6);
        CHECK(LastSeparator(ExactText("C:/dir/x.exe")) == 6);
        CHECK(LastSeparator(ExactText("/")) == 0);
        // a forward slash after the last backslash does not count
        CHECK(LastSeparator(ExactText("C:\\a/b/c")) == 2);
        CHECK(LastSeparator(ExactText("a/b\\c/d")) == 3);
    }
    SUBCASE("NamePart is what follows the last backslash")
    {
        ExactText full("C:\\WINDOWS\\NOTEPAD.EXE");
        CHECK(NamePart(full) == full.get() + 11);
        CHECK(std::string(NamePart(full)) == "NOTEPAD.EXE");

        ExactText bare("notepad.exe");
        CHECK(NamePart(bare) == bare.get());

        ExactText forward("C:/dir/x.exe");
        CHECK(NamePart(forward) == forward.get());

        ExactText trailing("C:\\dir\\");
        CHECK(std::string(NamePart(trailing)).empty());

        ExactText empty("");
        CHECK(NamePart(empty) == empty.get());

        ExactText mixed("C:\\a\\b/c.exe");
        CHECK(std::string(NamePart(mixed)) == "b/c.exe");
    }
}

TEST_CASE("SameFileName compares the name parts, backslashes only")
{
    CHECK(SameFileName(ExactText("C:\\a\\X.EXE"), ExactText("x.exe")));
    CHECK(SameFileName(ExactText("x.exe"), ExactText("C:\\a\\X.EXE")));
    CHECK(SameFileName(ExactText("C:\\one\\prog.exe"), ExactText("D:\\two\\three\\prog.exe")));
    CHECK(SameFileName(ExactText("C:\\a\\Prog.Exe"), ExactText("C:\\a\\PROG.EXE")));
    CHECK(SameFileName(ExactText("prog.exe"), ExactText("prog.exe")));
    CHECK(SameFileName(ExactText("C:\\a\\"), ExactText("D:\\")));

    CHECK_FALSE(SameFileName(ExactText("C:/a/x.exe"), ExactText("x.exe")));
    CHECK_FALSE(SameFileName(ExactText("C:\\a\\x.exe"), ExactText("C:\\a\\y.exe")));
    CHECK_FALSE(SameFileName(ExactText("C:\\a\\x.exe"), ExactText("x.ex")));
    CHECK_FALSE(SameFileName(ExactText("C:\\a\\x.exe"), ExactText("x.exe ")));
    CHECK_FALSE(SameFileName(ExactText("C:\\doc.txt"), ExactText("C:\\notepad.exe")));
    CHECK_FALSE(SameFileName(ExactText("C:\\a\\\xC4.exe"), ExactText("\xE4.exe")));
    CHECK_FALSE(SameFileName(ExactText("C:\\a\\x.exe"), ExactText("")));
}

TEST_CASE("IsExplorerPath looks at the last 12 characters")
{
    CHECK(IsExplorerPath(ExactText("explorer.exe")));
    CHECK(IsExplorerPath(ExactText("EXPLORER.EXE")));
    CHECK(IsExplorerPath(ExactText("C:\\WINDOWS\\Explorer.Exe")));
    CHECK(IsExplorerPath(ExactText("C:/WINDOWS/explorer.exe")));
    CHECK(IsExplorerPath(ExactText("myexplorer.exe")));

    CHECK_FALSE(IsExplorerPath(ExactText("")));
    CHECK_FALSE(IsExplorerPath(ExactText("e")));
    CHECK_FALSE(IsExplorerPath(ExactText("xplorer.exe")));
    CHECK_FALSE(IsExplorerPath(ExactText("plorer.exe")));
    CHECK_FALSE(IsExplorerPath(ExactText("explorer.ex")));
    CHECK_FALSE(IsExplorerPath(ExactText("explorer.exe ")));
    CHECK_FALSE(IsExplorerPath(ExactText("explorer.exe.lnk")));
    CHECK_FALSE(IsExplorerPath(ExactText("C:\\WINDOWS\\explorer.com")));
    CHECK_FALSE(IsExplorerPath(ExactText("C:\\WINDOWS\\explorer_exe")));
    CHECK_FALSE(IsExplorerPath(ExactText("C:\\WINDOWS\\iexplore.exe")));
}

TEST_CASE("TakeConfigPath takes the rest of the command line verbatim")
{
    SUBCASE("leading blanks are skipped")
    {
        GuardedBuffer b(260);
        char* r = TakeConfigPath(ExactText("   C:\\q\\my.ini"), b.data(), b.size());
        CHECK(r == b.data());
        CHECK(b.text() == "C:\\q\\my.ini");
        CHECK(b.guardIntact());
    }
    SUBCASE("no blanks to skip")
    {
        GuardedBuffer b(260);
        CHECK(TakeConfigPath(ExactText("my.ini"), b.data(), b.size()) == b.data());
        CHECK(b.text() == "my.ini");
    }
    SUBCASE("tabs are not skipped")
    {
        GuardedBuffer b(260);
        CHECK(TakeConfigPath(ExactText("\tmy.ini"), b.data(), b.size()) == b.data());
        CHECK(b.text() == "\tmy.ini");
        CHECK(TakeConfigPath(ExactText(" \t my.ini"), b.data(), b.size()) == b.data());
        CHECK(b.text() == "\t my.ini");
    }
    SUBCASE("a tab alone is a path")
    {
        GuardedBuffer b(260);
        CHECK(TakeConfigPath(ExactText("\t"), b.data(), b.size()) == b.data());
        CHECK(b.text() == "\t");
    }
    SUBCASE("empty or blank-only gives none")
    {
        GuardedBuffer b(260);
        CHECK(TakeConfigPath(ExactText(""), b.data(), b.size()) == nullptr);
        CHECK(TakeConfigPath(ExactText(" "), b.data(), b.size()) == nullptr);
        CHECK(TakeConfigPath(ExactText(std::string(5000, ' ')), b.data(), b.size()) == nullptr);
        CHECK(b.guardIntact());
    }
    SUBCASE("no command line at all gives none")
    {
        GuardedBuffer b(260);
        CHECK(TakeConfigPath(nullptr, b.data(), b.size()) == nullptr);
        CHECK(b.guardIntact());
    }
    SUBCASE("quotes, embedded and trailing blanks are kept")
    {
        GuardedBuffer b(260);
        CHECK(TakeConfigPath(ExactText("  \"C:\\My Files\\q.ini\"  "), b.data(), b.size()) == b.data());
        CHECK(b.text() == "\"C:\\My Files\\q.ini\"  ");
        CHECK(TakeConfigPath(ExactText("C:\\Program Files\\Q\\q.ini -x"), b.data(), b.size()) == b.data());
        CHECK(b.text() == "C:\\Program Files\\Q\\q.ini -x");
    }
    SUBCASE("a very long command line is cut to the buffer")
    {
        std::string line = "  " + std::string(100000, 'p');
        GuardedBuffer b(260);
        CHECK(TakeConfigPath(ExactText(line), b.data(), b.size()) == b.data());
        CHECK(b.text() == std::string(259, 'p'));
        CHECK(b.data()[259] == '\0');
        CHECK(b.guardIntact());
    }
    SUBCASE("exactly 259 and 260 characters")
    {
        GuardedBuffer b(260);
        std::string p259(259, 'a');
        TakeConfigPath(ExactText(p259), b.data(), b.size());
        CHECK(b.text() == p259);
        std::string p260 = p259 + "Z";
        TakeConfigPath(ExactText(p260), b.data(), b.size());
        CHECK(b.text() == p259);
        CHECK(b.guardIntact());
    }
    SUBCASE("a zero-size destination gives none and is not written")
    {
        GuardedBuffer b(0);
        CHECK(TakeConfigPath(ExactText("x.ini"), b.data(), 0) == nullptr);
        CHECK(b.untouched());
    }
}

TEST_CASE("ReplaceExtensionWithIni overwrites from the last dot")
{
    SUBCASE("the launcher's own file")
    {
        GuardedBuffer b(260, "C:\\q\\Quenvolt.exe");
        CHECK(ReplaceExtensionWithIni(b.data(), b.size()));
        CHECK(b.text() == "C:\\q\\Quenvolt.INI");
        CHECK(b.guardIntact());
    }
    SUBCASE("only the last dot counts")
    {
        GuardedBuffer b(260, "C:\\q\\Quen.volt.exe");
        CHECK(ReplaceExtensionWithIni(b.data(), b.size()));
        CHECK(b.text() == "C:\\q\\Quen.volt.INI");
    }
    SUBCASE("a dot in a directory name when the file has none")
    {
        GuardedBuffer b(260, "C:\\a.b\\Quenvolt");
        CHECK(ReplaceExtensionWithIni(b.data(), b.size()));
        CHECK(b.text() == "C:\\a.INI");
        CHECK(b.guardIntact());
    }
    SUBCASE("a longer extension is replaced whole")
    {
        GuardedBuffer b(260, "C:\\q\\Quenvolt.program");
        CHECK(ReplaceExtensionWithIni(b.data(), b.size()));
        CHECK(b.text() == "C:\\q\\Quenvolt.INI");
    }
    SUBCASE("a dot at the end or at the start")
    {
        GuardedBuffer end(260, "C:\\q\\Quenvolt.");
        CHECK(ReplaceExtensionWithIni(end.data(), end.size()));
        CHECK(end.text() == "C:\\q\\Quenvolt.INI");
        GuardedBuffer start(260, ".exe");
        CHECK(ReplaceExtensionWithIni(start.data(), start.size()));
        CHECK(start.text() == ".INI");
    }
    SUBCASE("a path without a dot is unchanged")
    {
        GuardedBuffer b(260, "C:\\q\\Quenvolt");
        CHECK(ReplaceExtensionWithIni(b.data(), b.size()));
        CHECK(b.text() == "C:\\q\\Quenvolt");
        GuardedBuffer empty(260, "");
        CHECK(ReplaceExtensionWithIni(empty.data(), empty.size()));
        CHECK(empty.text().empty());
    }
    SUBCASE("a dot near the end of a full buffer")
    {
        // 260 bytes: a dot at index 255 leaves exactly room for ".INI" and
        // the terminator, whatever followed the dot.
        const char* tails[] = {"exe", "e", "", "exeexe"};
        for (const char* tail : tails) {
            std::string path = std::string(255, 'a') + "." + tail;
            GuardedBuffer b(260, path);
            CAPTURE(tail);
            CHECK(ReplaceExtensionWithIni(b.data(), b.size()));
            CHECK(b.text() == std::string(255, 'a') + ".INI");
            CHECK(b.data()[259] == '\0');
            CHECK(b.guardIntact());
        }
    }
    SUBCASE("a dot too near the end is refused and the path kept")
    {
        const int dots[] = {256, 257, 258};
        for (int dot : dots) {
            std::string path = std::string(dot, 'a') + "." + std::string(258 - dot, 'e');
            REQUIRE(path.size() == 259);
            GuardedBuffer b(260, path);
            CAPTURE(dot);
            CHECK_FALSE(ReplaceExtensionWithIni(b.data(), b.size()));
            CHECK(b.text() == path);
            CHECK(b.guardIntact());
        }
    }
    SUBCASE("small buffers")
    {
        GuardedBuffer fits(10, "abcde.x");   // "abcde.INI" takes all 10 bytes
        CHECK(ReplaceExtensionWithIni(fits.data(), fits.size()));
        CHECK(fits.text() == "abcde.INI");
        CHECK(fits.guardIntact());

        GuardedBuffer tight(10, "abcdef.x");  // would need 11
        CHECK_FALSE(ReplaceExtensionWithIni(tight.data(), tight.size()));
        CHECK(tight.text() == "abcdef.x");
        CHECK(tight.guardIntact());
    }
}

TEST_CASE("a display name is used only when it keeps the program's extension")
{
    struct Row { const char* program; const char* display; size_t size; bool replaced; const char* expected; };
    const Row rows[] = {
        {"C:\\Windows\\notepad.exe", "notepad", 260, false, "C:\\Windows\\notepad.exe"},      // hidden extension
        {"C:\\Windows\\notepad.exe", "Notepad.EXE", 260, true, "C:\\Windows\\Notepad.EXE"},   // case differs only
        {"C:\\Tools\\run", "Run", 260, true, "C:\\Tools\\Run"},                            // neither has one
        {"C:\\Tools\\a.b\\run", "run.exe", 260, false, "C:\\Tools\\a.b\\run"},         // a dot in a folder is no extension
        {"notepad.exe", "NOTEPAD.EXE", 260, true, "NOTEPAD.EXE"},                                // no backslash: the whole
        {"C:\\x.exe", "", 260, false, "C:\\x.exe"},                                          // empty answer
        {"C:\\x.exe", "longer.exe", 12, false, "C:\\x.exe"},                                  // would not fit
        {"C:\\x.exe", "long.exe", 12, true, "C:\\long.exe"},                                  // fits exactly
    };
    for (const Row& r : rows) {
        GuardedBuffer b(r.size, r.program);
        CHECK(ApplyDisplayName(b.data(), b.size(), r.display) == r.replaced);
        CHECK(b.text() == r.expected);
        CHECK(b.guardIntact());
    }
}

}  // TEST_SUITE
