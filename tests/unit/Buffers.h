// Buffers for the tests of the fixed-buffer helpers.
//
// GuardedBuffer is a buffer of a declared size followed by guard bytes: every
// byte starts out as a fill pattern, so a test can prove that a helper wrote
// nothing at or beyond the declared size. ExactText is a heap copy of a text
// that is exactly as long as the text and its terminator, so that the address
// sanitizer reports any read beyond (or before) it.
#ifndef QUENVOLT_TESTS_UNIT_BUFFERS_H
#define QUENVOLT_TESTS_UNIT_BUFFERS_H

#include <cstddef>
#include <cstring>
#include <memory>
#include <string>

class GuardedBuffer {
public:
    static const std::size_t GuardSize = 64;
    static const unsigned char Fill = 0xA5;

    explicit GuardedBuffer(std::size_t size)
        : size_(size), bytes_(new char[size + GuardSize])
    {
        std::memset(bytes_.get(), Fill, size + GuardSize);
    }

    // A buffer of the given size that already holds text (cut to fit).
    GuardedBuffer(std::size_t size, const std::string& text)
        : GuardedBuffer(size)
    {
        set(text);
    }

    void set(const std::string& text)
    {
        std::size_t n = text.size() < size_ ? text.size() : size_ - 1;
        std::memcpy(bytes_.get(), text.data(), n);
        bytes_[n] = '\0';
    }

    char* data() { return bytes_.get(); }
    std::size_t size() const { return size_; }

    // True when no byte at or beyond the declared size was changed.
    bool guardIntact() const
    {
        for (std::size_t i = size_; i < size_ + GuardSize; ++i)
            if ((unsigned char)bytes_[i] != Fill)
                return false;
        return true;
    }

    // True when a terminating zero lies within the declared size.
    bool terminated() const
    {
        return std::memchr(bytes_.get(), '\0', size_) != nullptr;
    }

    // True when no byte at all was changed.
    bool untouched() const
    {
        for (std::size_t i = 0; i < size_ + GuardSize; ++i)
            if ((unsigned char)bytes_[i] != Fill)
                return false;
        return true;
    }

    std::string text() const
    {
        const void* end = std::memchr(bytes_.get(), '\0', size_);
        std::size_t n = end ? (std::size_t)((const char*)end - bytes_.get()) : size_;
        return std::string(bytes_.get(), n);
    }

private:
    std::size_t size_;
    std::unique_ptr<char[]> bytes_;
};

class ExactText {
public:
    explicit ExactText(const std::string& text)
        : bytes_(new char[text.size() + 1])
    {
        std::memcpy(bytes_.get(), text.c_str(), text.size() + 1);
    }
    const char* get() const { return bytes_.get(); }
    operator const char*() const { return bytes_.get(); }

private:
    std::unique_ptr<char[]> bytes_;
};

#endif
