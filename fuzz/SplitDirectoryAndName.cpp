// A path cut into its directory and name parts, each into a buffer of
// exactly the size told: together they give the path again, the directory
// ends at a separator or a drive, and reading double-byte characters only
// ever hides separators.
#include "FuzzInput.h"

#include "core/DropPieces.h"

static bool LeadAbove0x80(unsigned char c)
{
    return c >= 0x81 && c <= 0xFE;
}

// Lead bytes of real code pages lie above 0x80, so a separator never is one.
static bool OddAbove0x80(unsigned char c)
{
    return c >= 0x81 && (c & 1) != 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const LeadBytePredicate leads[] = {nullptr, LeadAbove0x80, OddAbove0x80};
    fuzz::Input input(data, size);
    const LeadBytePredicate lead = leads[input.byte() % 3];
    const size_t directorySize = 1 + input.byte() % 64 * 5;
    const size_t nameSize = 1 + input.byte() % 64 * 5;
    const std::string pathText = input.text();
    fuzz::ExactText path(pathText);
    fuzz::ExactBuffer directory(directorySize), name(nameSize);

    SplitDirectoryAndName(path, directory.get(), directorySize, name.get(), nameSize, lead);
    const size_t length = DirectoryPartLength(path, lead);
    FUZZ_CHECK(length <= pathText.size());
    FUZZ_CHECK(directory.terminated() && name.terminated());
    FUZZ_CHECK(directory.text() == pathText.substr(0, length).substr(0, directorySize - 1));
    FUZZ_CHECK(name.text() == pathText.substr(length, nameSize - 1));
    const char last = length > 0 ? pathText[length - 1] : '\0';
    FUZZ_CHECK(length == 0 || last == '\\' || last == '/' || (length == 2 && pathText[1] == ':'));

    const size_t separator = pathText.find_last_of("\\/");
    const bool drive = pathText.size() >= 2 && pathText[1] == ':';
    const size_t single = DirectoryPartLength(path, nullptr);
    FUZZ_CHECK(single == (separator != std::string::npos ? separator + 1 : drive ? 2 : 0));
    FUZZ_CHECK(length <= single);
    return 0;
}
