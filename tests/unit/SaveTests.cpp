// The names of a whole save: the copy beside the file, and the message of the bar on a file.
#include <doctest.h>

#include <string>
#include <vector>

#include "Buffers.h"
#include "core/SavePieces.h"

TEST_SUITE("SavePieces") {

TEST_CASE("SaveCopyName puts a tilde after the path, or refuses a name that does not fit")
{
    const struct { std::string path; size_t size; const char* expected; } rows[] = {
        {"C:\\q\\Quenvolt.INI", 260, "C:\\q\\Quenvolt.INI~"},
        {"", 260, "refused"},
        {std::string(258, 'p'), 260, nullptr},            // 258 + "~" + end: the longest that fits
        {std::string(259, 'p'), 260, "refused"},
    };
    for (const auto& row : rows) {
        std::vector<char> out(row.size, 'x');
        const bool ok = SaveCopyName(row.path.c_str(), out.data(), out.size());
        CHECK(Outcome(ok, out) == (row.expected ? std::string(row.expected) : row.path + "~"));
    }
}

TEST_CASE("PathMessageName is the same for spellings of one path and differs for two paths")
{
    auto name = [](const std::string& path) {
        char out[PathMessageNameSize];
        PathMessageName(path.c_str(), out, sizeof out);
        return std::string(out);
    };
    const std::string longA = "C:\\" + std::string(250, 'a') + "\\q.ini";
    const std::string longB = "C:\\" + std::string(125, 'a') + "b" + std::string(124, 'a') + "\\q.ini";
    CHECK(name("c:\\Bars\\q.ini") == "Quenvolet bar C:\\BARS\\Q.INI");
    CHECK(name("C:\\bars\\Q.INI") == name("c:\\BARS\\q.ini"));
    CHECK(name("C:\\bars\\q.ini") != name("C:\\bars\\q2.ini"));
    CHECK(name("C:\\" + std::string(238, 'a')) == "Quenvolet bar C:\\" + std::string(238, 'A'));  // the longest kept
    CHECK(name(longA).size() == 14 + 16);                    // hashed, within a message name's limit
    CHECK(name(longA) == name("c:\\" + std::string(250, 'A') + "\\Q.INI"));
    CHECK(name(longA) != name(longB));                       // a letter in the middle
}

}
