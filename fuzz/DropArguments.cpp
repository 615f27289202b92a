// The argument text of a drop onto a button, built as the bar builds it:
// each path relative to the first one's folder, then appended within the
// room and a buffer of exactly the size told, whole and quoted when it holds
// a blank, or not at all.
#include "FuzzInput.h"

#include "core/DropPieces.h"

static bool LeadAbove0x80(unsigned char c)
{
    return c >= 0x81 && c <= 0xFE;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz::Input input(data, size);
    const LeadBytePredicate lead = (input.byte() & 1) ? LeadAbove0x80 : nullptr;
    const size_t textSize = 1 + input.byte() % DropArgumentsSize;
    const int room = (int)input.byte() - 16;
    fuzz::ExactBuffer text(textSize, "");
    std::string directoryText;
    for (int k = 0; input.more() && k < 16; ++k) {
        const std::string pathText = input.text();
        fuzz::ExactText path(pathText);
        const size_t length = DirectoryPartLength(path, lead);
        if (k == 0)
            directoryText = pathText.substr(0, length).substr(0, DropPathSize - 1);
        fuzz::ExactText directory(directoryText);

        const char* item = RelativeItem(path, directory, lead);
        const bool same = length < DropPathSize && fuzz::Lower(pathText.substr(0, length)) == fuzz::Lower(directoryText);
        FUZZ_CHECK(item == (const char*)path + (same ? length : 0));

        const std::string itemText(item);
        const std::string before = text.text();
        const std::string quoted = itemText.find(' ') != std::string::npos ? "\"" + itemText + "\"" : itemText;
        const std::string grown = before.empty() ? quoted : before + " " + quoted;
        const bool fits = room >= 0 && grown.size() <= (size_t)room && grown.size() < textSize;
        FUZZ_CHECK(AppendArgument(text.get(), textSize, room, item) == fits);
        FUZZ_CHECK(text.terminated());
        FUZZ_CHECK(text.text() == (fits ? grown : before));
    }
    return 0;
}
