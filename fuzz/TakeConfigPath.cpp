// The configuration path of the launcher's command line into a buffer of
// exactly the size told: leading blanks skipped, the rest verbatim and cut.
#include "FuzzInput.h"

#include "core/Text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz::Input input(data, size);
    const size_t destSize = 1 + input.byte() % 64 * 5;
    const std::string line = input.text();
    fuzz::ExactText commandLine(line);
    fuzz::ExactBuffer dest(destSize);

    const char* path = TakeConfigPath(commandLine, dest.get(), destSize);
    const size_t first = line.find_first_not_of(' ');
    if (first == std::string::npos) {
        FUZZ_CHECK(path == nullptr);
        return 0;
    }
    FUZZ_CHECK(path == dest.get());
    FUZZ_CHECK(dest.terminated());
    FUZZ_CHECK(dest.text() == line.substr(first, destSize - 1));
    return 0;
}
