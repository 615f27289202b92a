// The "Window" word of a button: one of three show commands, and the word
// written back for it reads as the same command.
#include "FuzzInput.h"

#include "core/ButtonValues.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz::Input input(data, size);
    const std::string wordText = input.text();
    fuzz::ExactText word(wordText);

    const int show = ShowCommandFromWord(word);
    const std::string lower = fuzz::Lower(wordText);
    if (lower == "maximized")
        FUZZ_CHECK(show == ShowMaximized);
    else if (lower == "minimized")
        FUZZ_CHECK(show == ShowMinimize);
    else
        FUZZ_CHECK(show == ShowNormal);

    const char* back = WordForShowCommand(show);
    FUZZ_CHECK((back == nullptr) == (show == ShowNormal));
    if (back != nullptr)
        FUZZ_CHECK(ShowCommandFromWord(back) == show);
    return 0;
}
