// The editor's program name cut for its lookup: only a name holding a
// backslash or a forward slash is cut; the file part is all after the last
// backslash or colon, and the directory is all before it, keeping a colon
// and a backslash right after a colon or a backslash.
#include "FuzzInput.h"

#include "core/EditorCore.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz::Input input(data, size);
    const std::string name = input.text();
    std::string directory = "?", file = "?";
    const bool split = SplitProgramName(name, &directory, &file);
    FUZZ_CHECK(split == (name.find_first_of("\\/") != std::string::npos));
    if (!split)
        return 0;
    const size_t separator = name.find_last_of("\\:");
    const size_t cut = separator == std::string::npos ? 0 : separator + 1;
    FUZZ_CHECK(file == name.substr(cut));
    const bool keep = cut > 0 && (name[cut - 1] == ':' || (cut > 1 && (name[cut - 2] == ':' || name[cut - 2] == '\\')));
    FUZZ_CHECK(directory == name.substr(0, keep || cut == 0 ? cut : cut - 1));
    return 0;
}
