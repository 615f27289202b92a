// A button's name (tooltip and window text) into a buffer of exactly the
// size told: always terminated, and beginning with the program's name part.
#include "FuzzInput.h"

#include "core/ButtonValues.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz::Input input(data, size);
    const uint8_t choice = input.byte();
    const size_t outSize = 1 + input.byte();
    const std::string programText = input.text();
    fuzz::ExactText program(programText);
    // Parameters as the button keeps them: at most 137 characters.
    fuzz::ExactText params(input.text().substr(0, ParametersSize - 1));
    fuzz::ExactBuffer out(outSize);

    BuildButtonName(program, (choice & 2) ? nullptr : (const char*)params, (choice & 1) != 0, out.get(), outSize);
    FUZZ_CHECK(out.terminated());
    const std::string name = fuzz::AfterLastBackslash(programText);
    const std::string text = out.text();
    FUZZ_CHECK(text.size() <= outSize - 1);
    const size_t common = text.size() < name.size() ? text.size() : name.size();
    FUZZ_CHECK(text.compare(0, common, name, 0, common) == 0);
    if (!(choice & 1) || (choice & 2))
        FUZZ_CHECK(text == name.substr(0, outSize - 1));
    return 0;
}
