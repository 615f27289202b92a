// ParseInt against the C library's reading of the same text, clamped to the
// 32-bit range, and FormatInt back into a buffer of exactly the size told.
#include "FuzzInput.h"

#include <cerrno>
#include <climits>

#include "core/Text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz::Input input(data, size);
    const size_t outSize = input.byte() % 16;
    fuzz::ExactText text(input.text());

    const int value = ParseInt(text);
    // strtoll skips the same white space and reads the same sign and digits.
    errno = 0;
    char* end = nullptr;
    long long wide = std::strtoll(text, &end, 10);
    if (wide > INT_MAX)
        wide = INT_MAX;
    if (wide < INT_MIN)
        wide = INT_MIN;
    FUZZ_CHECK(value == (int)wide);

    fuzz::ExactBuffer out(outSize);
    const bool written = FormatInt(out.get(), outSize, value);
    if (outSize == 0)
        return 0;
    FUZZ_CHECK(out.terminated());
    char reference[16];
    std::snprintf(reference, sizeof reference, "%d", value);
    if (std::strlen(reference) < outSize) {
        FUZZ_CHECK(written);
        FUZZ_CHECK(out.text() == reference);
        FUZZ_CHECK(ParseInt(out.get()) == value);  // the round trip
    } else {
        FUZZ_CHECK(!written);
        FUZZ_CHECK(out.text().empty());
    }
    return 0;
}
