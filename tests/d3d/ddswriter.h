#pragma once
// A minimal DDS writer for tests: a header for the given pixel format
// followed by the caller's data bytes.

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace ddswriter {

constexpr uint32_t kAlphaPixels = 0x1;
constexpr uint32_t kFourCc = 0x4;
constexpr uint32_t kRgb = 0x40;

struct PixelFormat {
    uint32_t flags;
    uint32_t fourCc;
    uint32_t bitCount;
    uint32_t red, green, blue, alpha;
};

inline uint32_t FourCc(const char* code) {
    return static_cast<uint32_t>(static_cast<uint8_t>(code[0])) | (static_cast<uint32_t>(static_cast<uint8_t>(code[1])) << 8) |
           (static_cast<uint32_t>(static_cast<uint8_t>(code[2])) << 16) |
           (static_cast<uint32_t>(static_cast<uint8_t>(code[3])) << 24);
}

inline PixelFormat Rgb(uint32_t bits, uint32_t r, uint32_t g, uint32_t b, uint32_t a = 0) {
    return PixelFormat{kRgb | (a ? kAlphaPixels : 0u), 0, bits, r, g, b, a};
}

inline PixelFormat Compressed(const char* code) {
    return PixelFormat{kFourCc, FourCc(code), 0, 0, 0, 0, 0};
}

inline void Put32(std::vector<uint8_t>& out, uint32_t v) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(v >> (8 * i)));
}

inline std::vector<uint8_t> Write(uint32_t width, uint32_t height, const PixelFormat& format,
                                  const std::vector<uint8_t>& data) {
    std::vector<uint8_t> out{'D', 'D', 'S', ' '};
    Put32(out, 124);
    Put32(out, 0x1 | 0x2 | 0x4 | 0x1000);   // caps, height, width, pixel format
    Put32(out, height);
    Put32(out, width);
    Put32(out, 0);   // pitch or linear size
    Put32(out, 0);   // depth
    Put32(out, 1);   // mip levels
    for (int i = 0; i < 11; ++i) Put32(out, 0);
    Put32(out, 32);
    Put32(out, format.flags);
    Put32(out, format.fourCc);
    Put32(out, format.bitCount);
    Put32(out, format.red);
    Put32(out, format.green);
    Put32(out, format.blue);
    Put32(out, format.alpha);
    Put32(out, 0x1000);   // caps: texture
    for (int i = 0; i < 4; ++i) Put32(out, 0);
    out.insert(out.end(), data.begin(), data.end());
    return out;
}

// Pixels given as ARGB words, stored as A8R8G8B8.
inline std::vector<uint8_t> WriteArgb(uint32_t width, uint32_t height, const std::vector<uint32_t>& pixels) {
    std::vector<uint8_t> data;
    for (uint32_t p : pixels) Put32(data, p);
    return Write(width, height, Rgb(32, 0xFF0000, 0xFF00, 0xFF, 0xFF000000), data);
}

inline bool SaveFile(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    // An empty vector may have no data pointer, which fwrite must not get.
    const bool ok = bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    return std::fclose(f) == 0 && ok;
}

}  // namespace ddswriter
