// The popup menu's first item into a buffer of exactly the size told:
// "&Run " and the program's name part, cut to the buffer.
#include "FuzzInput.h"

#include "core/ButtonValues.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz::Input input(data, size);
    const size_t outSize = 1 + input.byte() % (RunMenuTextSize + 8);
    const std::string programText = input.text();
    fuzz::ExactText program(programText);
    fuzz::ExactBuffer out(outSize);

    BuildRunMenuText(program, out.get(), outSize);
    FUZZ_CHECK(out.terminated());
    FUZZ_CHECK(out.text() == ("&Run " + fuzz::AfterLastBackslash(programText)).substr(0, outSize - 1));
    return 0;
}
