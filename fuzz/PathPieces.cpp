// The path splitting of the program lookup: the last separator, the name
// part and the comparison of two file names, against plain string work.
#include "FuzzInput.h"

#include "core/Text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz::Input input(data, size);
    const std::string aText = input.text();
    const std::string bText = input.text();
    fuzz::ExactText a(aText);
    fuzz::ExactText b(bText);

    const size_t backslash = aText.find_last_of('\\');
    const size_t slash = aText.find_last_of('/');
    const int expected = backslash != std::string::npos ? (int)backslash : slash != std::string::npos ? (int)slash : -1;
    FUZZ_CHECK(LastBackslash(a) == (backslash == std::string::npos ? -1 : (int)backslash));
    FUZZ_CHECK(LastSeparator(a) == expected);

    const char* name = NamePart(a);
    FUZZ_CHECK(name >= (const char*)a && name <= (const char*)a + aText.size());
    FUZZ_CHECK(std::string(name) == fuzz::AfterLastBackslash(aText));

    const bool same = SameFileName(a, b);
    FUZZ_CHECK(same == SameFileName(b, a));
    FUZZ_CHECK(same == (fuzz::Lower(fuzz::AfterLastBackslash(aText)) == fuzz::Lower(fuzz::AfterLastBackslash(bText))));
    FUZZ_CHECK(SameFileName(a, a));
    // A name compares equal to itself in any other folder.
    fuzz::ExactText moved("D:\\elsewhere\\" + fuzz::AfterLastBackslash(aText));
    FUZZ_CHECK(SameFileName(a, moved));

    FUZZ_CHECK(IsExplorerPath(a) == (aText.size() >= 12 && fuzz::Lower(aText.substr(aText.size() - 12)) == "explorer.exe"));
    return 0;
}
