#pragma once
// A small streaming JSON writer: the caller opens and closes objects and
// arrays in order; commas and string escaping are handled here.

#include <cstddef>
#include <cstdint>
#include <cstdio>

// Writes `bytes` as a JSON string literal. Valid UTF-8 passes through; every
// byte that is not part of a valid UTF-8 sequence becomes \u00XX (read as
// Latin-1), so any name gives valid JSON.
void WriteJsonString(std::FILE* out, const char* bytes, size_t length);

class JsonWriter {
public:
    explicit JsonWriter(std::FILE* out) : out_(out) {}

    void BeginObject() { Open('{'); }
    void EndObject() { Close('}'); }
    void BeginArray() { Open('['); }
    void EndArray() { Close(']'); }
    // The key of the next value inside an object.
    void Key(const char* key);
    void Int(int64_t value);
    // Shortest text that reads back as the same float; null when not finite.
    void Float(float value);
    void String(const char* bytes, size_t capacity);
    // Ends the document with a line end.
    void Finish() { std::fputc('\n', out_); }

private:
    void BeforeValue();
    void Open(char bracket);
    void Close(char bracket);

    std::FILE* out_;
    bool first_ = true;      // no value yet at the current level
    bool afterKey_ = false;  // the next value completes a key
};
