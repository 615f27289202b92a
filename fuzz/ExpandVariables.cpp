// %NAME% expansion into a buffer of exactly the size told, over variables
// the input defines (some longer than any buffer, most names unset): the
// text a plain string expansion gives, or refused and left empty.
#include "FuzzInput.h"

#include <utility>
#include <vector>

#include "core/DropPieces.h"

// Names kept in lower case, as the environment matches them without regard to case.
static std::vector<std::pair<std::string, std::string>> variables;

static const std::string* Find(const std::string& name)
{
    const std::string lower = fuzz::Lower(name);
    for (const auto& v : variables)
        if (v.first == lower)
            return &v.second;
    return nullptr;
}

// Answers as the environment does: the value cut to size, its full length.
static int Lookup(const char* name, char* value, size_t size)
{
    FUZZ_CHECK(size > 0);
    const std::string* found = Find(name);
    if (found == nullptr)
        return -1;
    const size_t n = found->size() < size - 1 ? found->size() : size - 1;
    std::memcpy(value, found->data(), n);
    value[n] = '\0';
    return (int)found->size();
}

static bool Expected(std::string text, size_t size, std::string* result)
{
    for (int round = 0; text.size() < DropPathSize; ++round) {
        const size_t first = text.find('%');
        const size_t second = first == std::string::npos ? first : text.find('%', first + 1);
        if (second == std::string::npos) {
            *result = text;
            return text.size() < size;
        }
        const std::string* value = Find(text.substr(first + 1, second - first - 1));
        if (round == MaxExpansionRounds || (value != nullptr && value->size() >= DropPathSize))
            return false;
        text = text.substr(0, first) + (value != nullptr ? *value : "") + text.substr(second + 1);
    }
    return false;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz::Input input(data, size);
    const size_t outSize = 1 + input.byte() % 64 * 5;
    const std::string sourceText = input.text();
    variables.clear();
    while (input.more() && variables.size() < 8) {
        const int copies = 1 + input.byte() % 8;  // so that values outgrow every buffer
        const std::string name = input.text();
        const std::string part = input.text();
        std::string value;
        for (int k = 0; k < copies; ++k)
            value += part;
        variables.emplace_back(fuzz::Lower(name), value);
    }
    fuzz::ExactText source(sourceText);
    fuzz::ExactBuffer out(outSize, "old");

    const bool expanded = ExpandVariables(out.get(), outSize, source, Lookup);
    std::string expected;
    FUZZ_CHECK(expanded == Expected(sourceText, outSize, &expected));
    FUZZ_CHECK(out.terminated());
    FUZZ_CHECK(out.text() == (expanded ? expected : std::string()));
    return 0;
}
