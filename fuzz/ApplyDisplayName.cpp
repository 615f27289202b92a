// The shell's display name in place of a program's name part: only when the
// extension stays and the whole fits the buffer of the size told; the folder
// part never changes.
#include "FuzzInput.h"

#include "core/Text.h"

static std::string ExtensionOf(const std::string& name)
{
    size_t dot = name.find_last_of('.');
    return dot == std::string::npos ? std::string() : fuzz::Lower(name.substr(dot));
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz::Input input(data, size);
    const size_t programSize = 1 + input.byte() % 64 * 5;
    fuzz::ExactBuffer program(programSize, input.text());
    fuzz::ExactText displayName(input.text());
    const std::string before = program.text();
    const std::string display(displayName);

    const bool replaced = ApplyDisplayName(program.get(), programSize, displayName);
    FUZZ_CHECK(program.terminated());
    if (!replaced) {
        FUZZ_CHECK(program.text() == before);
        return 0;
    }
    const size_t slash = before.find_last_of('\\');
    const std::string folder = slash == std::string::npos ? std::string() : before.substr(0, slash + 1);
    FUZZ_CHECK(!display.empty());
    FUZZ_CHECK(program.text() == folder + display);
    FUZZ_CHECK(ExtensionOf(fuzz::AfterLastBackslash(before)) == ExtensionOf(display));
    return 0;
}
