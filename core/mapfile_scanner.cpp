#include "mapfile_scanner.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Length of the longest prefix of [text, end) that has the shape of a decimal
// float: [sign] digits [. digits] [e [sign] digits], with at least one digit in
// the mantissa. An exponent marker without digits is not part of the number.
size_t FloatLength(const char* text, const char* end) {
    const char* p = text;
    if (p < end && (*p == '+' || *p == '-')) ++p;
    bool digits = false;
    while (p < end && IsDigit(*p)) { ++p; digits = true; }
    if (p < end && *p == '.') {
        ++p;
        while (p < end && IsDigit(*p)) { ++p; digits = true; }
    }
    if (!digits) return 0;
    if (p < end && (*p == 'e' || *p == 'E')) {
        const char* q = p + 1;
        if (q < end && (*q == '+' || *q == '-')) ++q;
        if (q < end && IsDigit(*q)) {
            while (q < end && IsDigit(*q)) ++q;
            p = q;
        }
    }
    return static_cast<size_t>(p - text);
}

}  // namespace

const char* ParseInt(const char* text, const char* end, int32_t& value) {
    const char* p = text;
    bool negative = false;
    if (p < end && (*p == '+' || *p == '-')) negative = *p++ == '-';
    if (p == end || !IsDigit(*p)) return nullptr;
    // Accumulate the magnitude, stopping growth once it passes the int32 range.
    constexpr int64_t kLimit = int64_t{std::numeric_limits<int32_t>::max()} + 1;
    int64_t magnitude = 0;
    for (; p < end && IsDigit(*p); ++p) {
        if (magnitude <= kLimit) magnitude = magnitude * 10 + (*p - '0');
    }
    if (negative) {
        value = static_cast<int32_t>(magnitude >= kLimit ? -kLimit : -magnitude);
    } else {
        value = static_cast<int32_t>(magnitude >= kLimit ? kLimit - 1 : magnitude);
    }
    return p;
}

const char* ParseFloat(const char* text, const char* end, float& value) {
    const size_t length = FloatLength(text, end);
    if (length == 0) return nullptr;
    // from_chars ignores the locale, but takes no leading plus.
    const char* first = text;
    if (*first == '+') ++first;
    float parsed = 0.0f;
    const auto result = std::from_chars(first, text + length, parsed, std::chars_format::general);
    if (result.ec != std::errc() || !std::isfinite(parsed)) return nullptr;
    value = parsed;
    return text + length;
}

size_t MapFileScanner::Fill(size_t wanted) {
    if (end_ - pos_ >= wanted || eof_) return end_ - pos_;
    std::memmove(buffer_, buffer_ + pos_, end_ - pos_);
    end_ -= pos_;
    pos_ = 0;
    while (end_ < wanted && !eof_) {
        const size_t got = std::fread(buffer_ + end_, 1, kBufferSize - end_, file_);
        end_ += got;
        if (got == 0) {
            eof_ = true;
            error_ = std::ferror(file_) != 0;
        }
    }
    return end_;
}

bool MapFileScanner::AtEnd() { return Fill(1) == 0; }

void MapFileScanner::ReadLine(char (&line)[kLineSize]) {
    std::memset(line, 0, sizeof line);
    const size_t available = Fill(kLineSize - 1);
    const size_t limit = available < kLineSize - 1 ? available : kLineSize - 1;
    const char* start = buffer_ + pos_;
    const void* newline = std::memchr(start, '\n', limit);
    const size_t length = newline ? static_cast<size_t>(static_cast<const char*>(newline) - start) + 1
                                  : limit;
    std::memcpy(line, start, length);
    pos_ += length;
}

void MapFileScanner::SkipBlanks() {
    for (;;) {
        while (pos_ < end_ && IsBlank(buffer_[pos_])) ++pos_;
        if (pos_ < end_ || Fill(1) == 0) return;
    }
}

bool MapFileScanner::ReadInt(int32_t& value) {
    SkipBlanks();
    // The window covers every number of sensible length; digits beyond it are
    // consumed one buffer at a time so an absurdly long number stays one number.
    Fill(kNumberWindow);
    const char* start = buffer_ + pos_;
    const char* stop = ParseInt(start, buffer_ + end_, value);
    if (!stop) return false;
    pos_ += static_cast<size_t>(stop - start);
    for (;;) {
        if (pos_ < end_ && !IsDigit(buffer_[pos_])) return true;
        if (pos_ == end_ && Fill(1) == 0) return true;
        while (pos_ < end_ && IsDigit(buffer_[pos_])) ++pos_;
    }
}

bool MapFileScanner::ReadFloat(float& value) {
    SkipBlanks();
    const size_t available = Fill(kNumberWindow);
    const char* start = buffer_ + pos_;
    const size_t length = FloatLength(start, start + available);
    // A number that runs to the end of what is buffered may go on beyond it;
    // only absurdly long numbers get there (the window is 64 bytes): refuse them.
    if (length == 0 || (length == available && !eof_)) return false;
    if (!ParseFloat(start, start + length, value)) return false;
    pos_ += length;
    return true;
}
