// The pure pieces of a drop, from the target cell to %NAME% expansion.
#include <doctest.h>

#include <cstdio>
#include <map>

#include "Buffers.h"
#include "core/DropPieces.h"

// The environment an expansion sees.
static int TestVariable(const char* name, char* value, size_t size)
{
    static const std::map<std::string, std::string> variables = {
        {"DIR", "C:\\Tools"}, {"SELF", "%SELF%"}, {"NEST", "%DIR%\\bin"}, {"PCT", "50%"},
        {"LONG", std::string(200, 'v')}, {"HUGE", std::string(300, 'w')},
    };
    const auto found = variables.find(name);
    if (found == variables.end())
        return -1;
    std::snprintf(value, size, "%s", found->second.c_str());
    return (int)found->second.size();
}

TEST_SUITE("Drop") {

TEST_CASE("DropTargetSlot: three cells of 38 pixels, the left border and the caption")
{
    CHECK(DropTargetSlot(38, 5, 38, 3) == 0);  // the separator column is the left button's
    CHECK(DropTargetSlot(39, 5, 38, 3) == 1);
    CHECK(DropTargetSlot(117, 5, 38, 3) == -1);
    CHECK(DropTargetSlot(-38, 5, 38, 3) == 0);
    CHECK(DropTargetSlot(-39, 5, 38, 3) == -1);
    CHECK(DropTargetSlot(10, -1, 38, 3) == -1);
}

TEST_CASE("AppendArgument: blanks join, quotes for blanks, nothing past the room or the buffer")
{
    const auto append = [](const char* before, int room, const char* item, size_t size = DropArgumentsSize) {
        std::vector<char> text(size);
        std::snprintf(text.data(), size, "%s", before);
        return Outcome(AppendArgument(text.data(), size, room, item), text);
    };
    CHECK(append("", 5, "a.txt") == "a.txt");
    CHECK(append("", 4, "a.txt") == "refused");
    CHECK(append("a.txt", 11, "b.txt") == "a.txt b.txt");
    CHECK(append("a.txt", 10, "b.txt") == "refuseda.txt");
    CHECK(append("", 9, "a b.txt") == "\"a b.txt\"");
    CHECK(append("", 8, "a b.txt") == "refused");
    CHECK(append("", 137, "12345678", 8) == "refused");
    CHECK(DropRoom("C:\\p.exe", "-a") == 126);
}

TEST_CASE("folders of dropped paths: the last separator, never a double-byte character's second byte")
{
    const LeadBytePredicate dbcs = [](unsigned char c) { return c >= 0x81 && c <= 0x9F; };
    const auto folder = [](const char* path, LeadBytePredicate lead) {
        return std::string(path, DirectoryPartLength(path, lead));
    };
    CHECK(folder("C:\\docs/sub\\a", nullptr) == "C:\\docs/sub\\");
    CHECK(folder("C:a.txt", nullptr) == "C:");
    CHECK(folder("a.txt", nullptr) == "");
    CHECK(folder("C:\\\x81\\.txt", dbcs) == "C:\\");
    CHECK(folder("C:\\\x81\\.txt", nullptr) == "C:\\\x81\\");
    CHECK(folder("C:\\d\\\x81", dbcs) == "C:\\d\\");
    CHECK(std::string(RelativeItem("c:\\DOCS\\b.txt", "C:\\docs\\", nullptr)) == "b.txt");
    CHECK(std::string(RelativeItem("C:\\docs\\sub\\b.txt", "C:\\docs\\", nullptr)) == "C:\\docs\\sub\\b.txt");
}

TEST_CASE("IsShortcutName: .lnk or .pif in any case, from the last dot")
{
    CHECK(IsShortcutName("C:\\a.LNK"));
    CHECK(IsShortcutName("C:\\a.PiF"));
    CHECK_FALSE(IsShortcutName("C:\\a.lnk.txt"));
    CHECK_FALSE(IsShortcutName("C:\\x.lnk\\a"));
}

TEST_CASE("DocumentWithArguments: the document first, quoted when it holds a blank, refused rather than cut")
{
    const auto parameters = [](const std::string& document, const char* arguments) {
        std::vector<char> out(DropArgumentsSize, 'o');
        return Outcome(DocumentWithArguments(document.c_str(), arguments, out.data(), out.size()), out);
    };
    CHECK(parameters("C:\\a.txt", "-x y") == "C:\\a.txt -x y");
    CHECK(parameters(std::string(137, 'd'), "") == std::string(137, 'd'));
    CHECK(parameters(std::string(138, 'd'), "") == "refused");
    CHECK(parameters(std::string(136, 'd'), "x") == "refused");
    CHECK(parameters("C:\\x\\shopping list.txt", "-x") == "\"C:\\x\\shopping list.txt\" -x");
    CHECK(parameters("a " + std::string(134, 'd'), "") == "refused");  // 138 with its quotes
}

TEST_CASE("ExpandVariables: pairs replaced left to right, refused rather than cut or endless")
{
    const auto expand = [](const std::string& source, size_t size = DropPathSize) {
        std::vector<char> out(size, 'o');
        return Outcome(ExpandVariables(out.data(), size, source.c_str(), TestVariable), out);
    };
    CHECK(expand("%DIR%\\%NOPE%b") == "C:\\Tools\\b");
    CHECK(expand("100% sure") == "100% sure");
    CHECK(expand("%NEST%") == "C:\\Tools\\bin");
    CHECK(expand("%PCT%DIR%") == "50C:\\Tools");
    CHECK(expand("%SELF%") == "refused");
    CHECK(expand("%LONG%" + std::string(59, 'x')) == std::string(200, 'v') + std::string(59, 'x'));
    CHECK(expand("%LONG%" + std::string(60, 'x')) == "refused");
    CHECK(expand("%HUGE%") == "refused");
    CHECK(expand("%DIR%", 8) == "refused");
}

}
