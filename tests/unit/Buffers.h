// Buffers exactly as large as declared, on the heap, so that the address
// sanitizer reports any byte read or written past them.
#ifndef QUENVOLT_TESTS_UNIT_BUFFERS_H
#define QUENVOLT_TESTS_UNIT_BUFFERS_H

#include <cstring>
#include <string>
#include <vector>

class GuardedBuffer {
public:
    explicit GuardedBuffer(size_t size, const std::string& text = "") : bytes_(size, '\0')
    {
        std::memcpy(bytes_.data(), text.data(), text.size() < size ? text.size() : size - 1);
    }
    char* data() { return bytes_.data(); }
    size_t size() const { return bytes_.size(); }
    std::string text() const { return std::string(bytes_.data(), strnlen(bytes_.data(), bytes_.size())); }

private:
    std::vector<char> bytes_;
};

// A heap copy of a text exactly as long as the text and its terminator.
class ExactText {
public:
    explicit ExactText(const std::string& text) : bytes_(text.c_str(), text.c_str() + text.size() + 1) {}
    operator const char*() const { return bytes_.data(); }

private:
    std::vector<char> bytes_;
};

#endif
