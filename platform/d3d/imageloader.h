#pragma once
// Reads an image file into a texture image: DDS through our own reader, PNG,
// BMP, TGA, JPEG and the other formats Qt knows through QImage.

#include <cstdint>
#include <string>
#include <vector>

namespace quarrow::d3d {

// The largest file we read whole into memory.
constexpr uint64_t kMaxImageFileBytes = 512ull * 1024 * 1024;

struct LoadedImage {
    uint32_t width = 0;
    uint32_t height = 0;
    std::vector<uint32_t> pixels;   // straight ARGB, row by row
};

// Reads what decoding an image file needs: for a DDS file the header and the
// top-level image only (a header claiming a huge image costs no more than the
// header), any other file whole. Only regular files, never waiting on a FIFO,
// and none larger than kMaxImageFileBytes.
bool ReadImageFile(const char* path, std::vector<uint8_t>* bytes, std::string* error);

// Decodes an image held in memory, whatever its format.
bool DecodeImage(const uint8_t* data, size_t size, LoadedImage* image, std::string* error);

}  // namespace quarrow::d3d
