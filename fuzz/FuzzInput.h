// What the fuzz targets share: the input cut into texts at its zero bytes,
// each text in a heap block of exactly its length and terminator, output
// buffers of exactly the size a routine is told, and a check that stops the
// run with a message, so that the address sanitizer and the fuzzer see every
// read or write past a text or a buffer.
#ifndef QUENVOLT_FUZZ_FUZZINPUT_H
#define QUENVOLT_FUZZ_FUZZINPUT_H

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

#define FUZZ_CHECK(condition)                                                           \
    do {                                                                                \
        if (!(condition)) {                                                             \
            std::fprintf(stderr, "%s:%d: property broken: %s\n", __FILE__, __LINE__, #condition); \
            std::abort();                                                               \
        }                                                                               \
    } while (0)

namespace fuzz {

// A zero-terminated copy of a text in a block of exactly its size.
class ExactText {
public:
    explicit ExactText(const std::string& text) : bytes_(new char[text.size() + 1])
    {
        std::memcpy(bytes_.get(), text.data(), text.size());
        bytes_[text.size()] = '\0';
    }
    char* get() { return bytes_.get(); }
    operator const char*() const { return bytes_.get(); }

private:
    std::unique_ptr<char[]> bytes_;
};

// A buffer of exactly size bytes (at least one), filled with a pattern so
// that an unterminated result shows.
class ExactBuffer {
public:
    explicit ExactBuffer(size_t size) : size_(size == 0 ? 1 : size), bytes_(new char[size_])
    {
        std::memset(bytes_.get(), 0x5A, size_);
    }
    // The buffer holding text cut to size - 1 characters, as a profile read leaves it.
    ExactBuffer(size_t size, const std::string& text) : ExactBuffer(size)
    {
        size_t n = text.size() < size_ - 1 ? text.size() : size_ - 1;
        std::memcpy(bytes_.get(), text.data(), n);
        bytes_[n] = '\0';
    }
    char* get() { return bytes_.get(); }
    size_t size() const { return size_; }
    bool terminated() const { return std::memchr(bytes_.get(), '\0', size_) != nullptr; }
    std::string text() const { return std::string(bytes_.get(), strnlen(bytes_.get(), size_)); }

private:
    size_t size_;
    std::unique_ptr<char[]> bytes_;
};

// Reads the input front to back: single bytes for sizes and choices, and
// texts that end at a zero byte (or at the end of the input).
class Input {
public:
    Input(const uint8_t* data, size_t size) : data_(data), size_(size) {}

    uint8_t byte()
    {
        return pos_ < size_ ? data_[pos_++] : 0;
    }
    std::string text()
    {
        size_t start = pos_;
        while (pos_ < size_ && data_[pos_] != 0)
            ++pos_;
        std::string t(reinterpret_cast<const char*>(data_ + start), pos_ - start);
        if (pos_ < size_)
            ++pos_;  // the zero byte
        return t;
    }
    bool more() const { return pos_ < size_; }

private:
    const uint8_t* data_;
    size_t size_;
    size_t pos_ = 0;
};

// Without a backslash the whole; else what follows the last one.
inline std::string AfterLastBackslash(const std::string& path)
{
    size_t slash = path.find_last_of('\\');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

inline std::string Lower(std::string s)
{
    for (char& c : s)
        if (c >= 'A' && c <= 'Z')
            c = (char)(c - 'A' + 'a');
    return s;
}

}  // namespace fuzz

#endif
