// The default configuration path: the program's extension replaced by
// ".INI" within a buffer of exactly the size told, or the path unchanged.
#include "FuzzInput.h"

#include "core/Text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz::Input input(data, size);
    const size_t pathSize = 1 + input.byte() % 64 * 5;
    fuzz::ExactBuffer path(pathSize, input.text());
    const std::string before = path.text();

    const bool replaced = ReplaceExtensionWithIni(path.get(), pathSize);
    FUZZ_CHECK(path.terminated());
    const size_t dot = before.find_last_of('.');
    if (!replaced || dot == std::string::npos) {
        FUZZ_CHECK(path.text() == before);
        FUZZ_CHECK(replaced == (dot == std::string::npos));
        return 0;
    }
    FUZZ_CHECK(path.text() == before.substr(0, dot) + ".INI");
    // A second replacement finds the path as it is.
    FUZZ_CHECK(ReplaceExtensionWithIni(path.get(), pathSize));
    FUZZ_CHECK(path.text() == before.substr(0, dot) + ".INI");
    return 0;
}
