// The directory part of a path in a buffer of exactly its size: it ends at a
// separator or a drive, and reading double-byte characters only ever hides
// separators.
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
    const std::string pathText = input.text();
    fuzz::ExactText path(pathText);

    const size_t length = DirectoryPartLength(path, lead);
    FUZZ_CHECK(length <= pathText.size());
    const char last = length > 0 ? pathText[length - 1] : '\0';
    FUZZ_CHECK(length == 0 || last == '\\' || last == '/' || (length == 2 && pathText[1] == ':'));

    const size_t separator = pathText.find_last_of("\\/");
    const bool drive = pathText.size() >= 2 && pathText[1] == ':';
    const size_t single = DirectoryPartLength(path, nullptr);
    FUZZ_CHECK(single == (separator != std::string::npos ? separator + 1 : drive ? 2 : 0));
    FUZZ_CHECK(length <= single);
    return 0;
}
