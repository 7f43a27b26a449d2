#pragma once
// Reader for DDS image files: bytes in, straight (not premultiplied) ARGB
// pixels out. It reads the top-level image of the uncompressed 16/24/32-bit
// RGB formats and of DXT1, DXT3 and DXT5. It never reads outside the given
// bytes and refuses sizes it could not sensibly hold before allocating.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace quarrow::d3d {

// The largest image side any loader accepts.
constexpr uint32_t kMaxDdsSide = 8192;

struct DecodedImage {
    uint32_t width = 0;
    uint32_t height = 0;
    std::vector<uint32_t> pixels;   // width * height, row by row, ARGB
};

// True when `data` starts with the DDS magic word.
bool LooksLikeDds(const uint8_t* data, size_t size);

// How many bytes from the start of a DDS file the decoder needs, judged from
// its first `size` bytes: the header and the top-level image, never the
// mipmaps after it. Only the header (128) when the header cannot be decoded
// anyway, so a file claiming a huge image is never read beyond it.
uint64_t DdsBytesNeeded(const uint8_t* data, size_t size);

// Decodes a whole DDS file. On failure returns false, leaves `image` empty and
// puts a short reason in `error`.
bool DecodeDds(const uint8_t* data, size_t size, DecodedImage* image, std::string* error);

}  // namespace quarrow::d3d
