// The editor's integer reads against the C library's: ParseDecimal takes a
// whole decimal int and nothing else; ReadIconIndex takes that or "0x"/"$"
// hexadecimal of up to 32 bits, keeps the low 16 bits, and gives 0 for the rest.
#include "FuzzInput.h"

#include <cerrno>
#include <climits>

#include "core/EditorCore.h"

// The value of digits in base when they are all digits of it and fit.
static bool Magnitude(const std::string& digits, int base, unsigned long long* magnitude)
{
    const char* allowed = base == 16 ? "0123456789abcdefABCDEF" : "0123456789";
    if (digits.empty() || digits.find_first_not_of(allowed) != std::string::npos)
        return false;
    errno = 0;
    *magnitude = std::strtoull(digits.c_str(), nullptr, base);
    return errno == 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz::Input input(data, size);
    const std::string text = input.text();
    const bool signed_ = !text.empty() && (text[0] == '-' || text[0] == '+');
    const bool negative = signed_ && text[0] == '-';
    const std::string rest = text.substr(signed_ ? 1 : 0);

    unsigned long long magnitude = 0;
    const bool decimal = Magnitude(rest, 10, &magnitude) && magnitude <= (unsigned long long)INT_MAX + negative;
    int value = 12345;
    FUZZ_CHECK(ParseDecimal(fuzz::ExactText(text), &value) == decimal);
    if (decimal)
        FUZZ_CHECK(value == (negative ? -(long long)magnitude : (long long)magnitude));

    unsigned expected = decimal ? (unsigned)value & 0xFFFFu : 0;
    const size_t prefix = rest.compare(0, 1, "$") == 0 ? 1 : rest.compare(0, 2, "0x") == 0 || rest.compare(0, 2, "0X") == 0 ? 2 : 0;
    if (prefix > 0 && Magnitude(rest.substr(prefix), 16, &magnitude) && magnitude <= 0xFFFFFFFFull)
        expected = (unsigned)(negative ? 0 - magnitude : magnitude) & 0xFFFFu;
    FUZZ_CHECK(ReadIconIndex(fuzz::ExactText(text)) == expected);
    return 0;
}
