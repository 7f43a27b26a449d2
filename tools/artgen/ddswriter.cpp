#include "ddswriter.h"

#include <fstream>

namespace artgen {
namespace {

// Header flags and pixel-format values of the DDS layout.
constexpr uint32_t kHeaderSize = 124;
constexpr uint32_t kPixelFormatSize = 32;
constexpr uint32_t kFlagCaps = 0x1;
constexpr uint32_t kFlagHeight = 0x2;
constexpr uint32_t kFlagWidth = 0x4;
constexpr uint32_t kFlagPitch = 0x8;
constexpr uint32_t kFlagPixelFormat = 0x1000;
constexpr uint32_t kPixelAlpha = 0x1;  // DDPF_ALPHAPIXELS
constexpr uint32_t kPixelRgb = 0x40;   // DDPF_RGB
constexpr uint32_t kCapsTexture = 0x1000;

void PutU32(std::vector<uint8_t>& out, uint32_t v)
{
    for (int shift = 0; shift < 32; shift += 8)
        out.push_back(static_cast<uint8_t>(v >> shift));
}

} // namespace

std::vector<uint8_t> EncodeDds(const Canvas& image)
{
    const uint32_t width = static_cast<uint32_t>(image.Width());
    const uint32_t height = static_cast<uint32_t>(image.Height());
    std::vector<uint8_t> out;
    out.reserve(4 + kHeaderSize + static_cast<size_t>(width) * height * 4);

    for (char c : {'D', 'D', 'S', ' '})
        out.push_back(static_cast<uint8_t>(c));
    PutU32(out, kHeaderSize);
    PutU32(out, kFlagCaps | kFlagHeight | kFlagWidth | kFlagPitch | kFlagPixelFormat);
    PutU32(out, height);
    PutU32(out, width);
    PutU32(out, width * 4); // pitch: bytes per row
    PutU32(out, 0);         // depth
    PutU32(out, 0);         // mipmap count
    for (int i = 0; i < 11; ++i)
        PutU32(out, 0);     // reserved
    PutU32(out, kPixelFormatSize);
    PutU32(out, kPixelRgb | kPixelAlpha);
    PutU32(out, 0);         // no FourCC
    PutU32(out, 32);        // bits per pixel
    PutU32(out, 0x00FF0000);
    PutU32(out, 0x0000FF00);
    PutU32(out, 0x000000FF);
    PutU32(out, 0xFF000000);
    PutU32(out, kCapsTexture);
    for (int i = 0; i < 4; ++i)
        PutU32(out, 0);     // caps 2 to 4, reserved

    for (Argb pixel : image.Pixels())
        PutU32(out, pixel);
    return out;
}

bool WriteDds(const std::string& path, const Canvas& image)
{
    const std::vector<uint8_t> bytes = EncodeDds(image);
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    if (!file)
        return false;
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    file.close();
    return static_cast<bool>(file);
}

} // namespace artgen
