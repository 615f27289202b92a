// The names of a whole save: the copy beside the file, and the message of the bar on a file.
#include <doctest.h>

#include <string>

#include "core/SavePieces.h"

TEST_SUITE("SavePieces") {

TEST_CASE("SaveCopyName fits or refuses; PathMessageName is one for spellings of a path, two for two paths")
{
    char out[260];
    const std::string fits = "C:\\" + std::string(255, 'p'), a(125, 'a'), longA = "C:\\" + a + "a" + a, longB = "C:\\" + a + "b" + a;
    CHECK((SaveCopyName(fits.c_str(), out, sizeof out) && out == fits + "~"));  // the longest that fits
    CHECK_FALSE(SaveCopyName((fits + "p").c_str(), out, sizeof out));
    CHECK_FALSE(SaveCopyName("q.ini", out, sizeof out));  // the profile functions' own: in the Windows folder
    auto name = [&](const std::string& path) { return PathMessageName(path.c_str(), out, sizeof out), std::string(out); };
    CHECK(name("c:\\Bars\\q.ini") == "Quenvolet bar C:\\BARS\\Q.INI");
    CHECK(name("C:\\" + std::string(238, 'a')) == "Quenvolet bar C:\\" + std::string(238, 'A'));  // the longest kept
    CHECK(name(longA) == name("c:\\" + std::string(251, 'A')));  // hashed, in any capitals, as long as a name may be
    CHECK(name(longA).size() == 14 + 16);
    CHECK(name(longA) != name(longB));  // a letter in the middle
}

}
