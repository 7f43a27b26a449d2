// The DDS layout that texture loaders expect: 128 bytes of magic and header,
// then rows top to bottom of little-endian B, G, R, A.
#include "ddswriter.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

uint32_t U32At(const std::vector<uint8_t>& bytes, size_t offset)
{
    return bytes[offset] | (bytes[offset + 1] << 8) | (bytes[offset + 2] << 16) |
           (static_cast<uint32_t>(bytes[offset + 3]) << 24);
}

TEST(DdsWriter, WritesAStandardUncompressedArgbHeader)
{
    const artgen::Canvas image(3, 2);
    const std::vector<uint8_t> bytes = artgen::EncodeDds(image);
    ASSERT_EQ(bytes.size(), 128u + 3 * 2 * 4);
    EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 4), "DDS ");

    const struct {
        size_t offset;
        uint32_t value;
        const char* field;
    } fields[] = {
        {4, 124, "header size"},
        {8, 0x100F, "flags: caps, height, width, pitch, pixel format"},
        {12, 2, "height"},
        {16, 3, "width"},
        {20, 12, "pitch"},
        {28, 0, "mipmap count"},
        {76, 32, "pixel format size"},
        {80, 0x41, "pixel format flags: RGB with alpha"},
        {84, 0, "FourCC"},
        {88, 32, "bits per pixel"},
        {92, 0x00FF0000, "red mask"},
        {96, 0x0000FF00, "green mask"},
        {100, 0x000000FF, "blue mask"},
        {104, 0xFF000000, "alpha mask"},
        {108, 0x1000, "caps: texture"},
    };
    for (const auto& f : fields)
        EXPECT_EQ(U32At(bytes, f.offset), f.value) << f.field;
}

TEST(DdsWriter, StoresRowsTopDownAsBgra)
{
    artgen::Canvas image(2, 2);
    image.Set(1, 0, 0x80102030);
    image.Set(0, 1, 0xFFA0B0C0);
    const std::vector<uint8_t> bytes = artgen::EncodeDds(image);
    const std::vector<uint8_t> pixels(bytes.begin() + 128, bytes.end());
    const std::vector<uint8_t> expected = {0, 0, 0, 0,          0x30, 0x20, 0x10, 0x80,
                                           0xC0, 0xB0, 0xA0, 0xFF, 0, 0, 0, 0};
    EXPECT_EQ(pixels, expected);
}

} // namespace
