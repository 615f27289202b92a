// The editor's command line cut into parameters: a line without quotes
// into its words between blanks and control bytes; no parameter keeps a
// quote, and the parameters written back, each in quotes, are cut the same again.
#include "FuzzInput.h"

#include <algorithm>
#include <vector>

#include "core/EditorCore.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz::Input input(data, size);
    const std::string line = input.text();
    const std::vector<std::string> parameters = SplitCommandLine(fuzz::ExactText(line));
    std::string again;
    size_t kept = 0;
    for (const std::string& p : parameters) {
        FUZZ_CHECK(p.find('"') == std::string::npos);
        kept += p.size();
        again += "\"" + p + "\" ";
    }
    FUZZ_CHECK(kept <= line.size() - (size_t)std::count(line.begin(), line.end(), '"'));
    FUZZ_CHECK(SplitCommandLine(fuzz::ExactText(again)) == parameters);
    if (line.find('"') != std::string::npos)
        return 0;
    std::vector<std::string> words(1);
    for (char c : line)
        if ((unsigned char)c > ' ')
            words.back() += c;
        else if (!words.back().empty())
            words.emplace_back();
    if (words.back().empty())
        words.pop_back();
    FUZZ_CHECK(parameters == words);
    return 0;
}
