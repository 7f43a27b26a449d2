#pragma once
// Reading side of the map file: a buffered scanner over an open stream that
// hands out lines the way the format defines them (at most 255 characters,
// longer lines split) and whitespace-separated numbers that may cross line
// ends. Fixed buffers only; nothing is allocated.

#include <cstddef>
#include <cstdint>
#include <cstdio>

constexpr int kLineSize = 256;  // 255 characters and the terminator

// Whitespace as the C locale defines it: space, \t, \n, \v, \f, \r.
inline bool IsBlank(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

// Decimal integer with an optional sign, as "%d" takes it. Values beyond the
// 32-bit range saturate. Returns the position after the number, or nullptr
// when `text` does not start with one (leading whitespace is not skipped).
const char* ParseInt(const char* text, const char* end, int32_t& value);

// Decimal number with optional sign, fraction and exponent, as "%f" takes it
// in the C locale. Infinity, NaN and values outside the float range fail.
const char* ParseFloat(const char* text, const char* end, float& value);

class MapFileScanner {
public:
    explicit MapFileScanner(std::FILE* file) : file_(file) {}
    MapFileScanner(const MapFileScanner&) = delete;
    MapFileScanner& operator=(const MapFileScanner&) = delete;

    // True once every byte has been consumed (or reading failed).
    bool AtEnd();
    // True when the stream reported a read error.
    bool Failed() const { return error_; }

    // Clears `line`, then fills it with the next line: up to and including the
    // first LF, but never more than 255 characters.
    void ReadLine(char (&line)[kLineSize]);

    // Skip whitespace, then convert one number. On failure nothing past the
    // whitespace is consumed and `value` is unchanged.
    bool ReadInt(int32_t& value);
    bool ReadFloat(float& value);

private:
    // Makes at least `wanted` bytes available unless the stream ends first;
    // returns how many are available.
    size_t Fill(size_t wanted);
    void SkipBlanks();

    static constexpr size_t kBufferSize = 64 * 1024;
    // Longest number text looked at in one piece; longer numbers fail.
    static constexpr size_t kNumberWindow = 64;

    std::FILE* file_;
    char buffer_[kBufferSize];
    size_t pos_ = 0;
    size_t end_ = 0;
    bool eof_ = false;
    bool error_ = false;
};
