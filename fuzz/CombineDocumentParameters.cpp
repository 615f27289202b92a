// A document put in front of the configured parameters in a field of the
// size told: never past it, always terminated, the document whole (in
// quotes when it holds a blank) or the field unchanged.
#include "FuzzInput.h"

#include "core/ButtonValues.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz::Input input(data, size);
    const size_t fieldSize = 1 + input.byte() % (ParametersSize + 8);
    fuzz::ExactText document(input.text());
    fuzz::ExactBuffer params(fieldSize, input.text());
    const std::string before = params.text();
    // The document as the field holds it: one argument even with blanks in it.
    std::string doc(document);
    if (!doc.empty() && doc[0] != '"' && doc.find_first_of(" \t") != std::string::npos)
        doc = '"' + doc + '"';

    const bool combined = CombineDocumentParameters(document, params.get(), fieldSize);
    FUZZ_CHECK(params.terminated());
    const std::string after = params.text();
    if (!combined) {
        FUZZ_CHECK(after == before);
        FUZZ_CHECK(doc.size() > fieldSize - 1 || fieldSize > ParametersSize);
        return 0;
    }
    FUZZ_CHECK(fieldSize <= ParametersSize && doc.size() <= fieldSize - 1);
    FUZZ_CHECK(after.size() <= fieldSize - 1);
    FUZZ_CHECK(after.compare(0, doc.size(), doc) == 0);
    if (!before.empty() && before[0] == ' ') {
        FUZZ_CHECK(after == doc);  // no Parameters key: the document alone
    } else if (doc.size() < fieldSize - 1) {
        // the document, a blank and as much of the parameters as fits
        const std::string expected = (doc + " " + before).substr(0, fieldSize - 1);
        FUZZ_CHECK(after == expected);
    } else {
        FUZZ_CHECK(after == doc);
    }
    return 0;
}
