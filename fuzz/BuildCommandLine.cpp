// A button's command line into a buffer of exactly the size told: built
// whole and as long as CommandLineLength says, or refused and left empty; the
// program comes back out of it, quoted when it holds a blank.
#include "FuzzInput.h"

#include "core/ButtonValues.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz::Input input(data, size);
    const uint8_t choice = input.byte();
    const std::string programText = input.text();
    const std::string paramsText = input.text();
    const std::string extraText = input.text();
    fuzz::ExactText program(programText);
    fuzz::ExactText paramsCopy(paramsText);
    fuzz::ExactText extraCopy(extraText);
    const char* params = (choice & 1) ? nullptr : (const char*)paramsCopy;
    const char* extra = (choice & 2) ? nullptr : (const char*)extraCopy;

    const size_t length = CommandLineLength(program, params, extra);
    // Exactly the room needed, one byte less, or a size of the input's choosing.
    size_t outSize = length + 1;
    if (choice & 4)
        outSize = length;
    else if (choice & 8)
        outSize = choice >> 4;
    fuzz::ExactBuffer out(outSize);
    const bool built = BuildCommandLine(program, params, extra, out.get(), outSize);
    if (outSize == 0) {
        FUZZ_CHECK(!built);
        return 0;
    }
    FUZZ_CHECK(out.terminated());
    if (!built) {
        FUZZ_CHECK(length + 1 > outSize);
        FUZZ_CHECK(out.text().empty());
        return 0;
    }
    const std::string line = out.text();
    FUZZ_CHECK(line.size() == length);
    const bool quoted = programText.find_first_of(" \t") != std::string::npos && programText[0] != '"';
    const std::string head = quoted ? "\"" + programText + "\"" : programText;
    FUZZ_CHECK(line.compare(0, head.size(), head) == 0);
    if (extra != nullptr)
        FUZZ_CHECK(line.size() >= extraText.size() &&
                   line.compare(line.size() - extraText.size(), extraText.size(), extraText) == 0);
    else if (params != nullptr)
        FUZZ_CHECK(line.size() >= paramsText.size() &&
                   line.compare(line.size() - paramsText.size(), paramsText.size(), paramsText) == 0);
    return 0;
}
