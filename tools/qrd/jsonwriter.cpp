#include "jsonwriter.h"

#include <charconv>
#include <cmath>
#include <cstring>

namespace {

// Length of the valid UTF-8 sequence at `p` (1 to 4), or 0 when the bytes
// there are not one: overlong forms, surrogates and code points above
// U+10FFFF are refused.
size_t Utf8SequenceLength(const unsigned char* p, size_t available) {
    const unsigned char lead = p[0];
    size_t length = 0;
    uint32_t minimum = 0;
    uint32_t code = 0;
    if (lead < 0x80) return 1;
    if ((lead & 0xE0) == 0xC0) { length = 2; minimum = 0x80; code = lead & 0x1F; }
    else if ((lead & 0xF0) == 0xE0) { length = 3; minimum = 0x800; code = lead & 0x0F; }
    else if ((lead & 0xF8) == 0xF0) { length = 4; minimum = 0x10000; code = lead & 0x07; }
    else return 0;
    if (available < length) return 0;
    for (size_t i = 1; i < length; ++i) {
        if ((p[i] & 0xC0) != 0x80) return 0;
        code = (code << 6) | (p[i] & 0x3F);
    }
    if (code < minimum || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return 0;
    return length;
}

}  // namespace

void WriteJsonString(std::FILE* out, const char* bytes, size_t length) {
    const auto* p = reinterpret_cast<const unsigned char*>(bytes);
    std::fputc('"', out);
    size_t i = 0;
    while (i < length) {
        const unsigned char c = p[i];
        if (c == '"' || c == '\\') {
            std::fputc('\\', out);
            std::fputc(c, out);
            ++i;
            continue;
        }
        if (c < 0x20 || c == 0x7F) {
            std::fprintf(out, "\\u%04x", c);
            ++i;
            continue;
        }
        const size_t sequence = Utf8SequenceLength(p + i, length - i);
        if (sequence == 0) {
            std::fprintf(out, "\\u%04x", c);
            ++i;
            continue;
        }
        std::fwrite(p + i, 1, sequence, out);
        i += sequence;
    }
    std::fputc('"', out);
}

void JsonWriter::BeforeValue() {
    if (afterKey_) {
        afterKey_ = false;
        return;
    }
    if (!first_) std::fputc(',', out_);
    first_ = false;
}

void JsonWriter::Open(char bracket) {
    BeforeValue();
    std::fputc(bracket, out_);
    first_ = true;
}

void JsonWriter::Close(char bracket) {
    std::fputc(bracket, out_);
    first_ = false;
}

void JsonWriter::Key(const char* key) {
    BeforeValue();
    WriteJsonString(out_, key, std::strlen(key));
    std::fputc(':', out_);
    afterKey_ = true;
}

void JsonWriter::Int(int64_t value) {
    BeforeValue();
    std::fprintf(out_, "%lld", static_cast<long long>(value));
}

void JsonWriter::Float(float value) {
    BeforeValue();
    if (!std::isfinite(value)) {
        std::fputs("null", out_);
        return;
    }
    char text[32];
    const auto result = std::to_chars(text, text + sizeof text, value);
    std::fwrite(text, 1, static_cast<size_t>(result.ptr - text), out_);
}

void JsonWriter::String(const char* bytes, size_t capacity) {
    BeforeValue();
    WriteJsonString(out_, bytes, strnlen(bytes, capacity));
}
